// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/gentlereturn.h"
#include "app/journalshell.h"
#include "app/leaving.h"
#include "app/practiceshell.h"
#include "app/printmenu.h"
#include "app/screenregistry.h"
#include "kit/colours.h"
#include "kit/controlnames.h"
#include "kit/form.h"
#include "kit/linklabel.h"
#include "kit/links.h"
#include "kit/picturepanel.h"
#include "kit/pictures.h"
#include "kit/programnames.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/textfit.h"
#include "kit/twips.h"
#include "practice/sitting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace padmora {

namespace {

// Heights of the docked panels, in twips.
constexpr double kBannerHeight = 560;
constexpr double kProgramBarHeight = 900;
constexpr double kWelcomeHeight = 8640;
constexpr double kCoBrandHeight = 735;

// The welcome panel's own background.
const QColor kWelcomeBackground(255, 248, 238);

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

const QString kProgramCaptions[3] = {kAstrologyProgramName, kTestProgramName, kTarotProgramName};

const QString kProgramPictures[3] = {QStringLiteral(":/brand/bar-astrology.svg"),
                                     QStringLiteral(":/brand/bar-test.svg"),
                                     QStringLiteral(":/brand/bar-tarot.svg")};

// The welcome panel's lines: the first three are the panel's own texts, the
// last three the program names, which stay as they are in every language.
struct CaptionDesign {
    const char *text;
    double top, width, height;
    int pointSize;
    bool bold;
};

const std::array<CaptionDesign, 6> &captionDesigns()
{
    static const std::array<CaptionDesign, 6> designs{{
        {QT_TRANSLATE_NOOP("Welcome", "Welcome to Padmora"), 480, 7200, 600, 18, true},
        {QT_TRANSLATE_NOOP("Welcome",
                           "Welcome to the Padmora! Know more about your Vovuvev Avoverazi & Tarot and understand "
                           "yourself better. Just enter the required details and get an instant reading."),
         1320, 9000, 900, 11, false},
        {QT_TRANSLATE_NOOP("Welcome", "Padmora includes the following programs"), 2520, 7200, 420, 12, true},
        {nullptr, 3180, 3600, 420, 12, false},
        {nullptr, 3780, 3600, 420, 12, false},
        {nullptr, 4380, 3600, 420, 12, false},
    }};
    return designs;
}

// What a welcome line shows.
QString captionText(int index)
{
    const CaptionDesign &d = captionDesigns()[std::size_t(index)];
    return d.text ? QCoreApplication::translate("Welcome", d.text) : kProgramCaptions[index - 3];
}

QWidget *fixedPanel(QWidget *panel, double heightTwips)
{
    panel->setFixedHeight(twipsToPxY(heightTwips));
    return panel;
}

// Holds the welcome panel: at its designed height where the screen has the
// room, shorter and scrolling on a small screen, so the bars below it stay
// in view.
class WelcomeScroller : public QScrollArea {
public:
    explicit WelcomeScroller(QWidget *panel, QWidget *parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("picMainScroller"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidgetResizable(true);
        setWidget(panel);
        setMaximumHeight(panel->height());
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override
    {
        return QSize(QScrollArea::sizeHint().width(), widget() ? widget()->height() : 0);
    }
};

// Margin kept round a control that the work area scrolls into view.
constexpr int kRevealMargin = 8;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kProductCaption);
    setCurrent(this);

    // Menu bar: File, Help, and the business offer.
    QMenu *file = addFileMenu(menuBar());
    addJournalItems(file, this);
    addPracticeItems(file, this);
    addRetakeItems(file);
    QAction *exit = addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit"));
    connect(exit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mkmoney"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("mdiClient"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    // Banner, with the forum's one-line invitation.
    auto *banner = new PicturePanel(QStringLiteral("Picture6"), QStringLiteral(":/brand/banner.svg"), central);
    banner->setAccessibleName(tr("Padmora banner"));
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
    programBar->setAccessibleName(tr("Programs"));
    column->addWidget(fixedPanel(programBar, kProgramBarHeight));
    m_picButtonContainer = new QWidget(programBar);
    m_picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    placeTwips(m_picButtonContainer, 0, 30, kButtonContainerWidth, 840);
    for (int i = 0; i < 3; ++i) {
        auto *picture = new PictureView(kProgramPictures[i], m_picButtonContainer);
        picture->setObjectName(QStringLiteral("Picture%1").arg(i + 2));
        picture->setAccessibleName(kProgramCaptions[i]);
        placeTwips(picture, 120 + i * 3300, 120, 600, 600);
        auto *button = new QPushButton(kProgramCaptions[i], m_picButtonContainer);
        setArrayName(button, QStringLiteral("cmdSelectOption"), i);
        placeTwips(button, 780 + i * 3300, 180, 2400, 480);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdSelectOption_Click(i); });
        m_cmdSelectOption[std::size_t(i)] = button;
    }

    // Welcome panel.
    m_picMain = new PicturePanel(QStringLiteral("picMain"), QString(), central);
    m_picMain->setAccessibleName(tr("Welcome"));
    fixColours(m_picMain, kInk, kWelcomeBackground);
    fixedPanel(m_picMain, kWelcomeHeight);
    m_welcomeScroller = new WelcomeScroller(m_picMain, central);
    column->addWidget(m_welcomeScroller);
    connect(m_picMain, &PicturePanel::mouseMoved, this, &MainWindow::picMain_MouseMove);
    for (int i = 0; i < 6; ++i) {
        const CaptionDesign &d = captionDesigns()[std::size_t(i)];
        auto *label = new LinkLabel(QString(), captionText(i), m_picMain);
        setArrayName(label, QStringLiteral("lblCaption"), i);
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setPointSize(d.pointSize);
        f.setBold(d.bold);
        label->setFont(f);
        if (i < 3)
            label->setActsAsLink(false);
        else
            label->setLinkColour(kLinkColour, QColor());  // over the panel's own background
        placeTwips(label, 0, d.top, d.width, d.height);
        connect(label, &LinkLabel::clicked, this, [this, i] { lblCaption_Click(i); });
        connect(label, &LinkLabel::hovered, this, [this, i] { lblCaption_MouseMove(i); });
        m_lblCaption[std::size_t(i)] = label;
    }
    addLatestReadingLine();

    // The area where the program screens open.
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(128, 128, 128));
    // A screen larger than the area scrolls instead of being cut off.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The welcome panel has the first claim on the height; the area takes the rest.
    m_mdi->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_mdi->setMinimumHeight(1);
    column->addWidget(m_mdi, 1);
    // Printing and PDF act on the active screen, above Exit.
    new PrintMenu(file, exit, m_mdi, this);

    // Co-branding bar with the exit button and the full-branding offer.
    auto *coBrand = new PicturePanel(QStringLiteral("PicCoBrand"), QStringLiteral(":/brand/cobrand.svg"), central);
    coBrand->setAccessibleName(tr("Co-branding bar"));
    column->addWidget(fixedPanel(coBrand, kCoBrandHeight));
    m_label7 = new LinkLabel(QStringLiteral("Label7"), fullBrandText(), coBrand);
    // Dark on the strip's own light picture, whatever the desktop's colours.
    m_label7->setLinkColour(kInk, QColor());
    placeTwips(m_label7, 120, 60, 12000, 615);
    connect(m_label7, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });
    m_cmdMdiExit = new QPushButton(tr("&Exit"), coBrand);
    m_cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    placeTwips(m_cmdMdiExit, 0, 120, kExitWidth, 495);
    connect(m_cmdMdiExit, &QPushButton::clicked, this, &MainWindow::cmdMdiExit_Click);

    // F6 goes between the open screen and the program bar; Ctrl+Tab and
    // Ctrl+Shift+Tab go from screen to screen.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &MainWindow::switchFocusArea);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, m_mdi,
            &QMdiArea::activateNextSubWindow);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this), &QShortcut::activated, m_mdi,
            &QMdiArea::activatePreviousSubWindow);
    // A control that takes the focus in a screen larger than the area is scrolled into view.
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (QPushButton *b : m_cmdSelectOption)
            if (b == now)
                m_lastProgramButton = b;
        revealInWorkArea(now);
    });

    // The frame fills the screen's free area, as the layout below measures against it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    MDIForm_Load();
    m_cmdSelectOption[0]->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow()
{
    // The focus moves while the window's widgets go; this window no longer follows it.
    disconnect(m_focusWatch);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Once the window is on its way to the screen: a start is not held up by
    // measuring texts, and the fitting is done before its first frame.
    QMetaObject::invokeMethod(this, [this] { fitTexts(this); }, Qt::QueuedConnection);
    if (isMaximized() || isFullScreen())
        return;
    // The frame, not only the inside, stays within the screen's free area.
    QScreen *screen = QWidget::screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect frame = frameGeometry();
    if (free.contains(frame))
        return;
    const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                           frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
    setGeometry(free.marginsRemoved(margins));
}

void MainWindow::MDIForm_Load()
{
    const double sw = screenWidthTwips();
    auto moveLeft = [](QWidget *w, double left) {
        QRect designed = designGeometry(w);
        designed.moveLeft(twipsToPxX(left));
        setDesignGeometry(w, designed);
    };
    auto widthOf = [](QWidget *w) { return pxToTwipsX(w->width()); };
    step([&] { moveLeft(m_lblVendrelBanner, (sw - widthOf(m_lblVendrelBanner)) / 2); });
    step([&] { moveLeft(m_picButtonContainer, (sw - widthOf(m_picButtonContainer)) / 2); });
    for (LinkLabel *label : m_lblCaption)
        step([&] { moveLeft(label, (sw - widthOf(label)) / 2); });
    if (m_lblLatest)
        step([&] { moveLeft(m_lblLatest, (sw - widthOf(m_lblLatest)) / 2); });
    // The two links side by side under it, as one centred row.
    if (m_lblRetake) {
        const double gap = 480;
        const double row = widthOf(m_lblRetake) + (m_lblPractiseLatest ? widthOf(m_lblPractiseLatest) + gap : 0);
        step([&] {
            double left = (sw - row) / 2;
            if (m_lblPractiseLatest) {
                moveLeft(m_lblPractiseLatest, left);
                left += widthOf(m_lblPractiseLatest) + gap;
            }
            moveLeft(m_lblRetake, left);
        });
    }
    step([&] { moveLeft(m_cmdMdiExit, sw - (widthOf(m_cmdMdiExit) + 120)); });
    // The offer beside the exit button never runs under it on a narrow screen.
    step([&] {
        QRect offer = designGeometry(m_label7);
        offer.setWidth(std::max(0, std::min(offer.width(), designGeometry(m_cmdMdiExit).x() - 2 * offer.x())));
        m_label7->setFixedWidth(offer.width());
        setDesignGeometry(m_label7, offer);
    });
}

void MainWindow::addLatestReadingLine()
{
    std::optional<journal::LatestReading> latest;
    step([&] { latest = storedLatestReading(); });
    if (!latest)
        return;
    m_latestNotOpen = latest->notOpen;
    // Under the list of programs, in the panel's free room.
    m_lblLatest = new LinkLabel(QStringLiteral("lblLatestReading"), latestReadingLine(*latest), m_picMain);
    m_lblLatest->setActsAsLink(false);
    m_lblLatest->setAlignment(Qt::AlignCenter);
    m_lblLatest->setWordWrap(true);
    QFont f = m_lblLatest->font();
    f.setPointSize(11);
    m_lblLatest->setFont(f);
    placeTwips(m_lblLatest, 0, 5280, 9000, 600);
    auto link = [this, &f](const QString &name, const QString &text, double width) {
        auto *label = new LinkLabel(name, text, m_picMain);
        label->setAccessibleName(text);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(f);
        label->setLinkColour(kLinkColour, QColor());
        placeTwips(label, 0, 6000, width, 420);
        connect(label, &LinkLabel::hovered, label, [label] { label->setUnderlined(true); });
        return label;
    };
    if (!m_latestNotOpen.isEmpty()) {
        m_lblPractiseLatest = link(QStringLiteral("lblPractiseLatest"), tr("Practise them"), 2400);
        connect(m_lblPractiseLatest, &LinkLabel::clicked, this, &MainWindow::practiseLatest);
    }
    m_lblRetake = link(QStringLiteral("lblRetakeTest"), tr("Take the test again"), 3000);
    connect(m_lblRetake, &LinkLabel::clicked, this, &MainWindow::retakeTest);
}

void MainWindow::practiseLatest()
{
    step([this] { practice::setSitting(m_latestNotOpen); });
    step([this] { setWelcomeVisible(false); });
    step([this] { openScreen(screens::kPractice); });
}

void MainWindow::retakeTest()
{
    cmdSelectOption_Click(1);
}

void MainWindow::setWelcomeVisible(bool visible)
{
    const bool wasVisible = isWelcomeVisible();
    m_welcomeScroller->setVisible(visible);
    // The screens' area takes or gives back the panel's room at once.
    if (QLayout *column = centralWidget()->layout())
        column->activate();
    // Back on the welcome panel, the keyboard starts at the first program.
    if (visible && !wasVisible && !m_unloaded)
        m_cmdSelectOption[0]->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::isWelcomeVisible() const
{
    return !m_welcomeScroller->isHidden();
}

void MainWindow::switchFocusArea()
{
    QWidget *focus = QApplication::focusWidget();
    const bool inScreens = focus && m_mdi->isAncestorOf(focus);
    if (!inScreens) {
        QMdiSubWindow *sub = m_mdi->activeSubWindow();
        if (!sub) {
            const QList<QMdiSubWindow *> open = m_mdi->subWindowList(QMdiArea::StackingOrder);
            for (QMdiSubWindow *candidate : open)
                if (candidate->isVisible())
                    sub = candidate;  // the topmost shown
        }
        if (sub) {
            m_mdi->setActiveSubWindow(sub);
            auto *form = qobject_cast<Form *>(sub->widget());
            QWidget *last = sub->focusWidget();
            if (last && last != sub && form && form->isAncestorOf(last))
                last->setFocus(Qt::ShortcutFocusReason);
            else if (form)
                form->focusFirstControl();
            return;
        }
    }
    QWidget *button = m_cmdSelectOption[0];
    for (QPushButton *b : m_cmdSelectOption)
        if (b == m_lastProgramButton)
            button = b;
    button->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::revealInWorkArea(QWidget *widget)
{
    QWidget *viewport = m_mdi->viewport();
    if (!widget || !viewport->isAncestorOf(widget))
        return;
    const QRect area = viewport->rect().adjusted(kRevealMargin, kRevealMargin, -kRevealMargin, -kRevealMargin);
    const QRect r(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    // Where a control is larger than the area, its top and left edges win.
    int dx = 0;
    if (r.right() > area.right())
        dx = r.right() - area.right();
    if (r.left() - dx < area.left())
        dx = r.left() - area.left();
    int dy = 0;
    if (r.bottom() > area.bottom())
        dy = r.bottom() - area.bottom();
    if (r.top() - dy < area.top())
        dy = r.top() - area.top();
    if (dx)
        m_mdi->horizontalScrollBar()->setValue(m_mdi->horizontalScrollBar()->value() + dx);
    if (dy)
        m_mdi->verticalScrollBar()->setValue(m_mdi->verticalScrollBar()->value() + dy);
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
    // Tab goes from a screen's last control on to the next control, not to
    // the window frame (which would only hand the focus on again).
    sub->setFocusPolicy(Qt::ClickFocus);
    sub->resize(twipsToPxX(form->designWidthTwips()), twipsToPxY(form->designHeightTwips()));
    // Screens are placed against the area unscrolled.
    m_mdi->horizontalScrollBar()->setValue(m_mdi->horizontalScrollBar()->minimum());
    m_mdi->verticalScrollBar()->setValue(m_mdi->verticalScrollBar()->minimum());
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
    for (LinkLabel *label : {m_lblPractiseLatest, m_lblRetake})
        if (label)
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
