// SPDX-License-Identifier: GPL-3.0-or-later
#include "tarot/screens/tarotresultscreen.h"

#include "chakras/catalogue.h"
#include "chakras/screens/resultchart.h"
#include "guidance/screens/tarotpages.h"
#include "kit/desktop.h"
#include "kit/paragraphlabel.h"
#include "kit/programhost.h"
#include "kit/programnames.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"
#include "reports/views/clipboardguard.h"
#include "reports/views/linkhandling.h"
#include "tarot/tarotcards.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

namespace padmora {

namespace {

constexpr double kWidth = 11500;
constexpr double kHeight = 11700;

constexpr double kIntroLeft = 6690;
constexpr double kIntroTop = 60;
constexpr double kIntroWidth = 4620;
constexpr double kIntroHeight = 3300;
constexpr double kReportTop = kIntroTop + kIntroHeight + 120;
constexpr double kReportHeight = 5160;
constexpr double kButtonsTop = kReportTop + kReportHeight + 120;
constexpr double kButtonHeight = 420;
constexpr double kPromoTop = kButtonsTop + kButtonHeight + 120;

} // namespace

QStringList tarotIntroduction()
{
    return {QString(10, QLatin1Char(' ')) + chakraIntroductionFirst(), chakraIntroductionSecond()};
}

TarotResultScreen::TarotResultScreen(QWidget *parent)
    : ResultScreen(screens::kTarotResult, QStringLiteral("VQ Dovazov Urera"), kWidth, kHeight,
                   ChartDesign{150, 2250, 2310, ChartDesign::Labels::AtBarLeftEdges}, parent)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    //: File menu: back to the tarot's start screen.
    connect(addMenuItem(file, QStringLiteral("mnuBack"), tr("&Back")),
            &QAction::triggered, this, &TarotResultScreen::cmdBack_Click);
    //: File menu: closes the result.
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")),
            &QAction::triggered, this, &TarotResultScreen::cmdExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::TarotPages, QStringLiteral("mnuMakeMoneyOnline"));

    // The run of blanks between the paragraphs stays wider than the label at any font.
    showAsChakraIntroduction(new ParagraphLabel(tarotIntroduction(), area),
                             QRectF(kIntroLeft, kIntroTop, kIntroWidth, kIntroHeight));

    QTextBrowser *report =
        addReportView(tr("Chakras tarot report"), QRectF(120, kReportTop, kWidth - 420, kReportHeight));
    // What is copied out of the report does not stay on the clipboard.
    InstallClipboardGuard(report);

    //: Button to the card pages; "VQ Dovazov Urera" is the program's name and stays as it is.
    auto *cmdYogaChakra = new QPushButton(tr("&VQ Dovazov Urera Interpretation "), area);
    cmdYogaChakra->setObjectName(QStringLiteral("cmdYogaChakra"));
    placeTwips(cmdYogaChakra, 120, kButtonsTop, 3900, kButtonHeight);
    connect(cmdYogaChakra, &QPushButton::clicked, this, &TarotResultScreen::cmdYogaChakra_Click);

    //: Button: back to the tarot's start screen.
    auto *cmdBack = new QPushButton(tr("&Back"), area);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    placeTwips(cmdBack, 4200, kButtonsTop, 1200, kButtonHeight);
    connect(cmdBack, &QPushButton::clicked, this, &TarotResultScreen::cmdBack_Click);

    //: Button: closes the result.
    auto *cmdExit = new QPushButton(tr("E&xit"), area);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    placeTwips(cmdExit, 5520, kButtonsTop, 1200, kButtonHeight);
    connect(cmdExit, &QPushButton::clicked, this, &TarotResultScreen::cmdExit_Click);
    addPractiseButton(QRectF(6840, kButtonsTop, 1800, kButtonHeight));

    addPromoLabels(area, QStringLiteral("Label61"), 120, kPromoTop, kWidth - 420);
}

QString tarotNotApplicableMessage()
{
    //: Message when no chakra needs a card; "Dovazov Urera" is the program's name.
    return QCoreApplication::translate("Tarot", "Dovazov Urera not applicable for Open Chakras");
}

void TarotResultScreen::Form_Load()
{
    placeCentredAtTop();
    InstallLinkHandling(RTB(), this);
}

void TarotResultScreen::cmdYogaChakra_Click()
{
    if (isUnloaded())
        return;
    bool needed = false;
    step([&] { needed = AssignTarotCards(); });
    if (!needed) {
        step([] { desktop().message(tarotNotApplicableMessage(), MessageIcon::Critical); });
        return;
    }
    // The pages read the slots just filled; the flags go when this screen closes.
    step([this] { TarotSlotsTakenAt() = readingTime(); });
    giveWayTo(screens::kTarotPages);
}

std::optional<PrintableReading> TarotResultScreen::printableReading() const
{
    if (!showsReading())
        return std::nullopt;
    //: What is printed, in a few lower-case words: the heading and the proposed PDF name use it.
    PrintableReading reading = printedChartAndReport(kTarotProgramName, tr("chakras tarot"));
    const QList<int> cards = filledTarotSlots(TarotCardNeeded());
    if (!cards.isEmpty())
        reading.addTitle(tr("Your tarot cards"));
    for (int slot : cards)
        reading.addCard(printedTarotCard(slot, chakraTitle(tarotSlotChakra(slot))));
    return reading;
}

void TarotResultScreen::cmdBack_Click()
{
    if (isUnloaded())
        return;
    giveWayTo(screens::kTarotMain);
}

void TarotResultScreen::giveWayTo(const QString &screen)
{
    Form *next = nullptr;
    step([&] { next = openProgramScreen(screen); });
    step([this] { unload(); });
    // The next screen is a program screen of its own: the welcome panel that
    // closing this one brought back stays away while it is open, and the
    // keyboard is on it, not on the program bar the panel took it to.
    step([] { showWelcomePanel(false); });
    step([&] {
        if (next)
            next->showWindow();
    });
}

void TarotResultScreen::cmdExit_Click()
{
    unload();
}

void TarotResultScreen::Form_Unload()
{
    step([] { ClearTarotCardNeeded(); });
    showWelcomePanel(true);
}

} // namespace padmora
