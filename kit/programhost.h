// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window offers the program screens: its welcome panel and the
// opening, finding and closing of screens by name.

#include <QString>

namespace padmora {

class Form;

class ProgramHost {
public:
    virtual ~ProgramHost();

    virtual void setWelcomeVisible(bool visible) = 0;
    virtual bool isWelcomeVisible() const = 0;

    // Creates the named screen afresh, joins it to the main window, runs its
    // load handler and, unless told otherwise, shows it. nullptr on failure.
    virtual Form *openScreen(const QString &name, bool show = true) = 0;
    // The open screen of that name, or nullptr.
    virtual Form *screen(const QString &name) const = 0;
    // Closes the named screen if it is open.
    virtual void closeScreen(const QString &name) = 0;

    // Height of the program bar below the banner, in twips.
    virtual double programBarHeightTwips() const = 0;

    // The main window in charge, if any.
    static ProgramHost *current();

protected:
    static void setCurrent(ProgramHost *host);
};

// Shorthands for screens: both do nothing without a main window.
void showWelcomePanel(bool visible);
Form *openProgramScreen(const QString &name, bool show = true);

} // namespace padmora
