// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmNagScreen2, shown when the main window has closed: a word of thanks, the
// maker's other programs and the tell-a-friend form. Whoever shows it decides
// what leaving it does (it says so with left()).

#include "outreach/tellafriend.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace padmora {

class LinkLabel;

// The four requests for the forum's support, one drawn at each opening.
const std::array<QString, 4> &supportMessages();

class FarewellScreen : public QWidget {
    Q_OBJECT
public:
    explicit FarewellScreen(QWidget *parent = nullptr);

    // Picks the support message and keeps the window above all others
    // without activating it.
    void Form_Load();

    void cmdSubmit_Click();
    void Check1_Click();
    void cmdClose_Click();
    void lblGoToHome_Click();

    // The trimmed texts of the five boxes (line breaks as CR LF).
    modTellAFriend::Referral referral() const;

    bool isUnloaded() const { return m_unloaded; }

signals:
    // The screen has been closed: the user is leaving Padmora.
    void left();

protected:
    void Form_Unload();
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Box {
        QWidget *widget;
        QString placeholder;  // compared with the trimmed text
        QString shown;        // what the box shows as its placeholder
        bool email;
    };

    QString textOf(const Box &box) const;
    void setTextOf(const Box &box, const QString &text);
    void gotFocus(const Box &box);
    void lostFocus(const Box &box);
    // False when the key is refused.
    bool keyPress(const Box &box, const QString &typed);

    QLabel *m_label2 = nullptr;
    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QPlainTextEdit *m_txtMessage = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    QCheckBox *m_check1 = nullptr;
    std::array<Box, 5> m_boxes{};
    bool m_unloaded = false;
};

// Creates the farewell screen, loads and shows it, unless one is there
// already. The new screen, or nullptr.
FarewellScreen *createFarewellScreen();

// The farewell screen while it is open.
FarewellScreen *farewellScreen();

} // namespace padmora
