// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests that drive Padmora's real widgets.

#include "app/application.h"
#include "kit/controlnames.h"
#include "kit/twips.h"

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <source_location>
#include <type_traits>

namespace padmora::testing {

// The longest a test waits for what another process or the X server does
// in its own time. Tests wait for the thing itself; only a failing test
// ever waits this long.
inline constexpr int kPatience = 30000;

// Where stand-ins for missing controls live: a widget that is never shown
// and never searched, kept until the program ends.
inline QWidget *standInParent()
{
    static QWidget *parent = [] {
        auto *w = new QWidget;
        w->setObjectName(QStringLiteral("missing controls"));
        return w;
    }();
    return parent;
}

// Something of type T to go on with when a control is missing. The test has
// already failed; the stand-in only keeps it from crashing the test program,
// so that every later test still runs.
template <class T>
T *standIn()
{
    T *made = nullptr;
    if constexpr (std::is_constructible_v<T, QWidget *>)
        made = new T(standInParent());
    else if constexpr (std::is_constructible_v<T, QObject *>)
        made = new T(standInParent());
    else if constexpr (std::is_constructible_v<T, QString, QString, QWidget *>)
        made = new T(QString(), QString(), standInParent());  // the link labels
    else
        static_assert(std::is_constructible_v<T, QWidget *>, "no stand-in for this kind of control");
    made->setObjectName(QStringLiteral("stand-in"));
    return made;
}

// The named child. A missing one fails the test, naming the control and the
// line that looked for it, and a stand-in comes back instead of null.
template <class T>
T *child(const QObject *root, const QString &name, std::source_location at = std::source_location::current())
{
    if (T *found = root ? root->findChild<T *>(name) : nullptr)
        return found;
    const QString where = root ? (root->objectName().isEmpty() ? QString::fromLatin1(root->metaObject()->className())
                                                               : root->objectName())
                               : QStringLiteral("no window");
    QTest::qFail(qPrintable(QStringLiteral("no control %1 in %2").arg(name, where)), at.file_name(), int(at.line()));
    return standIn<T>();
}

template <class T>
T *child(const QObject *root, const QString &name, int index,
         std::source_location at = std::source_location::current())
{
    return child<T>(root, arrayName(name, index), at);
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

// --- what a widget shows, pixel by pixel ----------------------------------

// The colour that covers most of a picture: the background.
inline QRgb backgroundOf(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb most = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best) {
            best = it.value();
            most = it.key();
        }
    return most;
}

// The bands of pixel rows that hold ink (anything but the background), top
// to bottom, each as its first and last row: one band per line of text.
inline QList<std::pair<int, int>> inkBands(const QImage &image)
{
    const QRgb background = backgroundOf(image);
    QList<std::pair<int, int>> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != background;
        if (ink && !inBand)
            bands.append({y, y});
        if (ink)
            bands.last().second = y;
        inBand = ink;
    }
    return bands;
}

// The first and last pixel column that holds ink ({-1, -1} when none does).
inline std::pair<int, int> inkColumns(const QImage &image)
{
    const QRgb background = backgroundOf(image);
    std::pair<int, int> columns{-1, -1};
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background) {
                if (columns.first < 0)
                    columns.first = x;
                columns.second = x;
                break;
            }
    return columns;
}

// The first and last pixel row of one column where a colour shows
// ({-1, -1} when it does not).
inline std::pair<int, int> rowsOfColour(const QImage &image, int column, const QColor &colour)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(column, y) != colour.rgb())
            continue;
        if (rows.first < 0)
            rows.first = y;
        rows.second = y;
    }
    return rows;
}

} // namespace padmora::testing

namespace padmora::testing {

// Tests load the modules built beside them, unless told another folder.
inline void useBuiltModules()
{
    if (qEnvironmentVariableIsEmpty("PADMORA_MODULE_DIR"))
        qputenv("PADMORA_MODULE_DIR", PADMORA_BUILT_MODULES);
}

} // namespace padmora::testing

// Every Padmora test runs on the application object Padmora runs on.
// Each run keeps its journal in a data folder of its own, gone when it ends.
#define PADMORA_TEST_MAIN(TestObject)                                                                    \
    int main(int argc, char **argv)                                                                      \
    {                                                                                                    \
        QTemporaryDir data;                                                                              \
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));                                        \
        padmora::testing::useBuiltModules();                                                             \
        padmora::PadmoraApplication app(argc, argv);                                                     \
        padmora::initPadmora();                                                                          \
        TestObject tc;                                                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                                       \
        return QTest::qExec(&tc, argc, argv);                                                            \
    }
