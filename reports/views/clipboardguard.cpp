// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/views/clipboardguard.h"

#include "kit/desktop.h"
#include "kit/resume.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTextEdit>

namespace padmora {

namespace {

class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    explicit ClipboardGuard(QTextEdit *view) : QObject(view), m_viewport(view->viewport())
    {
        // Moves without a button held reach the view too.
        m_viewport->setMouseTracking(true);
        m_viewport->installEventFilter(this);
        connect(view, &QTextEdit::textChanged, this, &ClipboardGuard::clear);
    }

    // Goes with its view; the view's filter list forgets it by itself.
    ~ClipboardGuard() override = default;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_viewport || watched != m_viewport)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_leftPressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            clear();  // mouse down
            break;
        case QEvent::MouseMove:
            clear();
            break;
        case QEvent::MouseButtonRelease:
            clear();  // mouse up
            if (m_leftPressed && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                m_leftPressed = false;
                clear();  // the click it completes
            }
            break;
        default:
            break;
        }
        // The view handles every event as it always does.
        return false;
    }

private:
    void clear()
    {
        step([] { desktop().clearOwnClipboard(); });
    }

    QPointer<QWidget> m_viewport;
    bool m_leftPressed = false;
};

} // namespace

void InstallClipboardGuard(QTextEdit *view)
{
    if (!view || hasClipboardGuard(view))
        return;
    new ClipboardGuard(view);
}

bool hasClipboardGuard(const QTextEdit *view)
{
    return view && view->findChild<ClipboardGuard *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace padmora

#include "clipboardguard.moc"
