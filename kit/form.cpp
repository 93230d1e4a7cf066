// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/form.h"

#include "kit/resume.h"
#include "kit/textfit.h"
#include "kit/twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace padmora {

Form::Form(const QString &name, const QString &caption, double widthTwips, double heightTwips,
           QWidget *parent)
    : QMainWindow(parent), m_client(new QWidget(this)), m_widthTwips(widthTwips),
      m_heightTwips(heightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    // The screen paints its own background, so a control that changes is
    // repainted on it, without the window frame and title bar behind.
    setAutoFillBackground(true);
    resize(twipsToPxX(widthTwips), twipsToPxY(heightTwips));
}

QMdiSubWindow *Form::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

bool Form::otherScreensOpen() const
{
    QMdiSubWindow *own = subWindow();
    QMdiArea *mdi = own ? own->mdiArea() : nullptr;
    if (mdi)
        for (QMdiSubWindow *sub : mdi->subWindowList())
            if (sub != own) {
                auto *form = qobject_cast<Form *>(sub->widget());
                if (form && !form->isUnloaded())
                    return true;
            }
    return false;
}

QWidget *Form::frameWidget() const
{
    if (QMdiSubWindow *sub = subWindow())
        return sub;
    return const_cast<Form *>(this);
}

namespace {

// A screen's window inside the work area, as designed from the area's left
// edge: in a right-to-left layout the window stands mirrored in the area.
bool mirrorsInParent(const QWidget *frame)
{
    return !frame->isWindow() && frame->parentWidget() && frame->parentWidget()->isRightToLeft();
}

QRect mirroredInParent(const QWidget *frame, const QRect &r)
{
    if (!mirrorsInParent(frame))
        return r;
    return QRect(frame->parentWidget()->width() - r.x() - r.width(), r.y(), r.width(), r.height());
}

} // namespace

QRect Form::windowGeometryTwips() const
{
    const QWidget *frame = frameWidget();
    return rectToTwips(mirroredInParent(frame, frame->geometry()));
}

void Form::setWindowWidthTwips(double width)
{
    // Wider or narrower from its designed left edge, which is its right edge
    // in a right-to-left layout.
    QWidget *frame = frameWidget();
    if (!mirrorsInParent(frame)) {
        frame->resize(twipsToPxX(width), frame->height());
        return;
    }
    QRect designed = mirroredInParent(frame, frame->geometry());
    designed.setWidth(twipsToPxX(width));
    frame->setGeometry(mirroredInParent(frame, designed));
}

void Form::moveWindowTwips(double left, double top)
{
    QWidget *frame = frameWidget();
    if (!mirrorsInParent(frame)) {
        frame->move(twipsToPxX(left), twipsToPxY(top));
        return;
    }
    frame->setGeometry(mirroredInParent(frame, QRect(QPoint(twipsToPxX(left), twipsToPxY(top)), frame->size())));
}

void Form::placeCentredAtTop()
{
    moveWindowTwips(centredLeftTwips(windowGeometryTwips().width()), 0);
}

void Form::Form_Load()
{
    placeCentredAtTop();
}

void Form::showWindow()
{
    if (m_unloaded)
        return;
    QWidget *frame = frameWidget();
    frame->show();
    if (QMdiSubWindow *sub = subWindow())
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
    focusFirstControl();
}

QWidget *Form::firstControl() const
{
    // The focus chain runs through the whole window; this screen's part of
    // it starts after its client area.
    for (QWidget *w = m_client->nextInFocusChain(); w && w != m_client; w = w->nextInFocusChain()) {
        if (!m_client->isAncestorOf(w))
            continue;
        if (w->isEnabled() && w->isVisibleTo(m_client) && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

void Form::focusFirstControl()
{
    if (QWidget *first = firstControl())
        first->setFocus(Qt::TabFocusReason);
}

void Form::unload()
{
    if (m_unloaded)
        return;
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    else
        close();
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::Show)
        fitTexts(m_client);
    return QMainWindow::event(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    step([this] { Form_Unload(); });
    // Closing the screen closes its window frame too (a no-op when the frame
    // itself started the close).
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
}

} // namespace padmora
