// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One Padmora session for a test: a recording desktop and a shown main window.

#include "app/mainwindow.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QApplication>
#include <QList>

#include <memory>

namespace padmora::testing {

struct Session {
    std::unique_ptr<RecordingDesktop> fake;
    std::unique_ptr<MainWindow> main;

    // Starts afresh; false when the main window did not come up.
    bool start()
    {
        fake = std::make_unique<RecordingDesktop>();
        main = std::make_unique<MainWindow>();
        main->show();
        return QTest::qWaitForWindowExposed(main.get());
    }

    void end()
    {
        main.reset();
        settle();
        fake.reset();
    }
};

// Every main window there is now, shown or not.
inline QList<MainWindow *> mainWindows()
{
    QList<MainWindow *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *main = qobject_cast<MainWindow *>(w))
            found << main;
    return found;
}

} // namespace padmora::testing
