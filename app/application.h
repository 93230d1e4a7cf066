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

// Answers --help (-h) and --version (-v) on standard output, in the
// language installed; any other argument is left alone. True when one was
// answered, and the run ends there.
bool answerCommandLine(const QStringList &arguments);

// The one line said on standard error where there is no graphical session.
QString noDisplayText();

// The start-up sequence. Returns the main window, or nullptr when this copy
// is not to run.
MainWindow *startPadmora();

} // namespace padmora
