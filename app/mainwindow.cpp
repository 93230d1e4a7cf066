// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/controlnames.h"
#include "app/form.h"
#include "app/linklabel.h"
#include "app/links.h"
#include "app/picturepanel.h"
#include "app/pictures.h"
#include "app/resume.h"
#include "app/screennames.h"
#include "app/screenregistry.h"
#include "app/sharedmenus.h"
#include "app/twips.h"
#include "outreach/farewell.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace padmora {

namespace {

// Heights of the docked panels, in twips.
constexpr double kBannerHeight = 560;
constexpr double kProgramBarHeight = 900;
constexpr double kWelcomeHeight = 8640;
constexpr double kCoBrandHeight = 735;

constexpr double kBannerLabelWidth = 12000;
constexpr double kButtonContainerWidth = 9900;
constexpr double kExitWidth = 1215;

// Which screens the program selector closes, in this order. The tarot
// interpretation pages are not among them and stay open.
const QStringList &selectorCloses()
{
    static const QStringList names{screens::kAstrologyMain, screens::kTestMain,  screens::kTestQuestions,
                                   screens::kTestResult,    screens::kTarotMain, screens::kTarotQuestions,
                                   screens::kTarotResult};
    return names;
}

// Which screens the welcome links close: the questionnaires stay open.
const QStringList &welcomeLinkCloses()
{
    static const QStringList names{screens::kAstrologyMain, screens::kTestMain, screens::kTestResult,
                                   screens::kTarotMain, screens::kTarotResult};
    return names;
}

// The start screen each program button (and welcome link 3 to 5) opens.
const QString &programScreen(int index)
{
    static const QString names[3] = {screens::kAstrologyMain, screens::kTestMain, screens::kTarotMain};
    return names[index];
}

const QString kProgramCaptions[3] = {QStringLiteral("Vovuvev Avoverazi"), QStringLiteral("Zazeder Izorudav"),
                                     QStringLiteral("Dovazov Urera")};

const QString kProgramPictures[3] = {QStringLiteral(":/brand/bar-astrology.svg"),
                                     QStringLiteral(":/brand/bar-test.svg"),
                                     QStringLiteral(":/brand/bar-tarot.svg")};

struct CaptionDesign {
    QString text;
    double top, width, height;
    int pointSize;
    bool bold;
};

const std::array<CaptionDesign, 6> &captionDesigns()
{
    static const std::array<CaptionDesign, 6> designs{{
        {QStringLiteral("Welcome to Padmora"), 480, 7200, 600, 18, true},
        {QStringLiteral("Welcome to the Padmora! Know more about your Vovuvev Avoverazi & Tarot and understand "
                        "yourself better. Just enter the required details and get an instant reading."),
         1320, 9000, 900, 11, false},
        {QStringLiteral("Padmora includes the following programs"), 2520, 7200, 420, 12, true},
        {kProgramCaptions[0], 3180, 3600, 420, 12, false},
        {kProgramCaptions[1], 3780, 3600, 420, 12, false},
        {kProgramCaptions[2], 4380, 3600, 420, 12, false},
    }};
    return designs;
}

QWidget *fixedPanel(QWidget *panel, double heightTwips)
{
    panel->setFixedHeight(twipsToPxY(heightTwips));
    return panel;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kProductCaption);
    setCurrent(this);

    // Menu bar: File, Help, and the business offer.
    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit")),
            &QAction::triggered, this, &MainWindow::mnuExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mkmoney"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("mdiClient"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    // Banner, with the forum's one-line invitation.
    auto *banner = new PicturePanel(QStringLiteral("Picture6"), QStringLiteral(":/brand/banner.svg"), central);
    column->addWidget(fixedPanel(banner, kBannerHeight));
    connect(banner, &PicturePanel::clicked, this, [] { OpenForum(); });
    m_lblVendrelBanner = new LinkLabel(QStringLiteral("lblVendrelBanner"), forumBannerText(), banner);
    m_lblVendrelBanner->setAlignment(Qt::AlignCenter);
    m_lblVendrelBanner->setWordWrap(false);
    m_lblVendrelBanner->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    placeTwips(m_lblVendrelBanner, 0, 130, kBannerLabelWidth, 300);
    connect(m_lblVendrelBanner, &LinkLabel::clicked, this, [] { OpenForum(); });

    // Program bar with the three program buttons.
    auto *programBar = new PicturePanel(QStringLiteral("Picture1"), QStringLiteral(":/brand/programbar.svg"), central);
    column->addWidget(fixedPanel(programBar, kProgramBarHeight));
    m_picButtonContainer = new QWidget(programBar);
    m_picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    placeTwips(m_picButtonContainer, 0, 30, kButtonContainerWidth, 840);
    for (int i = 0; i < 3; ++i) {
        auto *picture = new PictureView(kProgramPictures[i], m_picButtonContainer);
        picture->setObjectName(QStringLiteral("Picture%1").arg(i + 2));
        placeTwips(picture, 120 + i * 3300, 120, 600, 600);
        auto *button = new QPushButton(kProgramCaptions[i], m_picButtonContainer);
        setArrayName(button, QStringLiteral("cmdSelectOption"), i);
        placeTwips(button, 780 + i * 3300, 180, 2400, 480);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdSelectOption_Click(i); });
    }

    // Welcome panel.
    m_picMain = new PicturePanel(QStringLiteral("picMain"), QString(), central);
    m_picMain->setStyleSheet(QStringLiteral("#picMain { background: rgb(255, 248, 238); }"));
    column->addWidget(fixedPanel(m_picMain, kWelcomeHeight));
    connect(m_picMain, &PicturePanel::mouseMoved, this, &MainWindow::picMain_MouseMove);
    for (int i = 0; i < 6; ++i) {
        const CaptionDesign &d = captionDesigns()[std::size_t(i)];
        auto *label = new LinkLabel(QString(), d.text, m_picMain);
        setArrayName(label, QStringLiteral("lblCaption"), i);
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setPointSize(d.pointSize);
        f.setBold(d.bold);
        label->setFont(f);
        if (i < 3)
            label->setCursor(Qt::ArrowCursor);
        else
            label->setLinkColour(kLinkColour);
        placeTwips(label, 0, d.top, d.width, d.height);
        connect(label, &LinkLabel::clicked, this, [this, i] { lblCaption_Click(i); });
        connect(label, &LinkLabel::hovered, this, [this, i] { lblCaption_MouseMove(i); });
        m_lblCaption[std::size_t(i)] = label;
    }

    // The area where the program screens open.
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(128, 128, 128));
    column->addWidget(m_mdi, 1);

    // Co-branding bar with the exit button and the full-branding offer.
    auto *coBrand = new PicturePanel(QStringLiteral("PicCoBrand"), QStringLiteral(":/brand/cobrand.svg"), central);
    column->addWidget(fixedPanel(coBrand, kCoBrandHeight));
    auto *label7 = new LinkLabel(QStringLiteral("Label7"), kFullBrandText, coBrand);
    placeTwips(label7, 120, 60, 12000, 615);
    connect(label7, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    m_cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), coBrand);
    m_cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    placeTwips(m_cmdMdiExit, 0, 120, kExitWidth, 495);
    connect(m_cmdMdiExit, &QPushButton::clicked, this, &MainWindow::cmdMdiExit_Click);

    // The frame fills the screen, as the layout below measures against it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    MDIForm_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::MDIForm_Load()
{
    const double sw = screenWidthTwips();
    auto moveLeft = [](QWidget *w, double left) { w->move(twipsToPxX(left), w->y()); };
    auto widthOf = [](QWidget *w) { return pxToTwipsX(w->width()); };
    step([&] { moveLeft(m_lblVendrelBanner, (sw - widthOf(m_lblVendrelBanner)) / 2); });
    step([&] { moveLeft(m_picButtonContainer, (sw - widthOf(m_picButtonContainer)) / 2); });
    for (LinkLabel *label : m_lblCaption)
        step([&] { moveLeft(label, (sw - widthOf(label)) / 2); });
    step([&] { moveLeft(m_cmdMdiExit, sw - (widthOf(m_cmdMdiExit) + 120)); });
}

void MainWindow::setWelcomeVisible(bool visible)
{
    m_picMain->setVisible(visible);
    // The screens' area takes or gives back the panel's room at once.
    if (QLayout *column = centralWidget()->layout())
        column->activate();
}

bool MainWindow::isWelcomeVisible() const
{
    return !m_picMain->isHidden();
}

Form *MainWindow::openScreen(const QString &name, bool show)
{
    // One screen of a name at a time: an open one is closed first, leaving
    // the welcome panel as it was.
    if (Form *existing = screen(name)) {
        const bool welcome = isWelcomeVisible();
        existing->unload();
        setWelcomeVisible(welcome);
    }
    Form *form = createScreen(name);
    if (!form)
        return nullptr;
    QMdiSubWindow *sub = m_mdi->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(name + QStringLiteral("Window"));
    sub->setWindowIcon(windowIcon());
    sub->resize(twipsToPxX(form->designWidthTwips()), twipsToPxY(form->designHeightTwips()));
    step([form] { form->Form_Load(); });
    if (show)
        form->showWindow();
    return form;
}

Form *MainWindow::screen(const QString &name) const
{
    const QList<Form *> forms = m_mdi->findChildren<Form *>(name);
    for (Form *form : forms)
        if (!form->isUnloaded())
            return form;
    return nullptr;
}

void MainWindow::closeScreen(const QString &name)
{
    if (Form *form = screen(name))
        form->unload();
}

double MainWindow::programBarHeightTwips() const
{
    return kProgramBarHeight;
}

void MainWindow::closeScreens(const QStringList &names)
{
    for (const QString &name : names)
        step([&] { closeScreen(name); });
}

void MainWindow::openProgram(const QString &name)
{
    step([&] { setWelcomeVisible(false); });
    step([&] { openScreen(name); });
}

void MainWindow::cmdSelectOption_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    closeScreens(selectorCloses());
    openProgram(programScreen(index));
}

void MainWindow::lblCaption_Click(int index)
{
    closeScreens(welcomeLinkCloses());
    if (index >= 3 && index <= 5)
        openProgram(programScreen(index - 3));
}

void MainWindow::lblCaption_MouseMove(int index)
{
    if (index >= 3 && index <= 5)
        m_lblCaption[std::size_t(index)]->setUnderlined(true);
}

void MainWindow::picMain_MouseMove()
{
    for (LinkLabel *label : m_lblCaption)
        label->setUnderlined(false);
}

void MainWindow::cmdMdiExit_Click()
{
    close();
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    // Every program screen closes first, each through its own unload handler.
    const QList<Form *> forms = m_mdi->findChildren<Form *>();
    for (Form *form : forms)
        step([form] { form->unload(); });
    step([this] { MDIForm_Unload(); });
}

void MainWindow::MDIForm_Unload()
{
    showFarewellScreen();
}

} // namespace padmora
