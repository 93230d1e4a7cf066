// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace padmora {

namespace {

class ReturnPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        // The same as a click, whether or not the button sits in a dialog.
        button->click();
        return true;
    }
};

} // namespace

void installKeyboardSupport()
{
    static QPointer<ReturnPressesButtons> filter;
    if (filter || !qApp)
        return;
    filter = new ReturnPressesButtons(qApp);
    qApp->installEventFilter(filter);
}

} // namespace padmora
