// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linklabel.h"

#include <QMouseEvent>

namespace padmora {

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void LinkLabel::setUnderlined(bool underlined)
{
    QFont f = font();
    if (f.underline() == underlined)
        return;
    f.setUnderline(underlined);
    setFont(f);
}

void LinkLabel::setLinkColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
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

} // namespace padmora
