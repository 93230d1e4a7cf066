// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/linklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace padmora {

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMouseTracking(true);
    setActsAsLink(true);
}

void LinkLabel::setActsAsLink(bool link)
{
    m_link = link;
    setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (testAttribute(Qt::WA_WState_Polished))
        takeFocusByTab();
}

void LinkLabel::takeFocusByTab()
{
    // Tab reaches a link; a click opens it without leaving a focus mark.
    setFocusPolicy(m_link ? Qt::TabFocus : Qt::NoFocus);
}

bool LinkLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    // A label that takes the focus lays its text out as a whole document,
    // which is costly the first time; made focusable only once polished, a
    // link makes its document when it first gets the focus, not at start.
    if (event->type() == QEvent::Polish)
        takeFocusByTab();
    return handled;
}

void LinkLabel::setUnderlined(bool underlined)
{
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

void LinkLabel::setLinkColour(const QColor &colour, const QColor &background)
{
    if (background.isValid()) {
        fixColours(this, colour, background);
        return;
    }
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::showAsLink()
{
    setLinkColour(kLinkColour);
    setUnderlined(true);
}

bool LinkLabel::isUnderlined() const
{
    return font().underline();
}

void LinkLabel::activate()
{
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    // The press and the release belong to the link, not to the panel behind it.
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    // The panel behind the label must not take the move for its own.
    event->accept();
    emit hovered();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_link && !event->isAutoRepeat()) {
            event->accept();
            activate();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace padmora
