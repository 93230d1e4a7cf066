// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmMDI, the frame of the whole program: banner, program bar, welcome panel,
// the area in which the program screens open, and the co-branding bar.

#include "kit/product.h"
#include "kit/programhost.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QMdiArea;
class QPushButton;

namespace padmora {

class LinkLabel;
class PicturePanel;

class MainWindow : public QMainWindow, public ProgramHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // ProgramHost
    void setWelcomeVisible(bool visible) override;
    bool isWelcomeVisible() const override;
    Form *openScreen(const QString &name, bool show = true) override;
    Form *screen(const QString &name) const override;
    void closeScreen(const QString &name) override;
    double programBarHeightTwips() const override;

    QMdiArea *mdiArea() const { return m_mdi; }

    void MDIForm_Load();
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();
    void mnuExit_Click();

    // F6: from a screen to the program bar and back.
    void switchFocusArea();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Shows the farewell screen once every program screen is closed.
    void MDIForm_Unload();

private:
    void closeScreens(const QStringList &names);
    void openProgram(const QString &name);
    // The line about the latest chakra reading and its two links, when the
    // journal holds one.
    void addLatestReadingLine();
    void practiseLatest();
    void retakeTest();
    // Scrolls the screens' area so that a control in it is in view.
    void revealInWorkArea(QWidget *widget);

    QMdiArea *m_mdi = nullptr;
    PicturePanel *m_picMain = nullptr;
    QWidget *m_welcomeScroller = nullptr;
    std::array<QPushButton *, 3> m_cmdSelectOption{};
    QPointer<QPushButton> m_lastProgramButton;
    LinkLabel *m_label7 = nullptr;
    QList<int> m_latestNotOpen;
    LinkLabel *m_lblLatest = nullptr;
    LinkLabel *m_lblPractiseLatest = nullptr;
    LinkLabel *m_lblRetake = nullptr;
    QMetaObject::Connection m_focusWatch;
    LinkLabel *m_lblVendrelBanner = nullptr;
    QWidget *m_picButtonContainer = nullptr;
    std::array<LinkLabel *, 6> m_lblCaption{};
    QPushButton *m_cmdMdiExit = nullptr;
    bool m_unloaded = false;
};

} // namespace padmora
