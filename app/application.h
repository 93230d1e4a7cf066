// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object and the start of a Padmora run.

#include <QApplication>
#include <memory>

namespace padmora {

class MainWindow;

// No exception that a handler lets slip ever leaves the event loop.
class PadmoraApplication : public QApplication {
public:
    PadmoraApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Resources, application name, icon and font; every run and every test calls it.
void initPadmora();

// The start-up sequence. Returns the main window, or nullptr when this copy
// is not to run.
MainWindow *startPadmora();

} // namespace padmora
