// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmAbout: the program's name, version, a description and two links.

#include <QDialog>

namespace padmora {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

// Shows the about box modally over the active window.
void showAboutBox();

} // namespace padmora
