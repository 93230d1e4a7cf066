// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests that drive Padmora's real widgets.

#include "app/application.h"
#include "app/controlnames.h"
#include "app/twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace padmora::testing {

// The named child, failing the test when it is missing.
template <class T>
T *child(const QObject *root, const QString &name)
{
    T *found = root ? root->findChild<T *>(name) : nullptr;
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

template <class T>
T *child(const QObject *root, const QString &name, int index)
{
    return child<T>(root, arrayName(name, index));
}

// Lets closed screens really go away.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A widget's geometry in its parent, in twips.
inline QRect twipsOf(const QWidget *w)
{
    return w ? rectToTwips(w->geometry()) : QRect();
}

// The captions of a menu bar's top-level items, or of a menu's items
// ("-" for a separator).
inline QStringList captionsOf(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// Triggers the named menu item (a QAction anywhere below root).
inline bool trigger(const QObject *root, const QString &actionName)
{
    QAction *a = child<QAction>(root, actionName);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

// Moves the mouse over a widget (no button held).
inline void hover(QWidget *w, QPoint at = QPoint(2, 2))
{
    if (!w)
        return;
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

inline void click(QWidget *w)
{
    if (w)
        QTest::mouseClick(w, Qt::LeftButton);
}

} // namespace padmora::testing

// Every Padmora test runs on the application object Padmora runs on.
#define PADMORA_TEST_MAIN(TestObject)                                                                    \
    int main(int argc, char **argv)                                                                      \
    {                                                                                                    \
        padmora::PadmoraApplication app(argc, argv);                                                     \
        padmora::initPadmora();                                                                          \
        TestObject tc;                                                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                                       \
        return QTest::qExec(&tc, argc, argv);                                                            \
    }
