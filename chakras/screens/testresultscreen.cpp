// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/testresultscreen.h"

#include "chakras/scoring.h"
#include "chakras/screens/keptreadings.h"
#include "chakras/screens/testresult.h"
#include "journal/keeping.h"
#include "kit/desktop.h"
#include "kit/programhost.h"
#include "kit/programnames.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"
#include "reports/chakrareport.h"
#include "reports/views/linkhandling.h"
#include "reports/views/reportview.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>

namespace padmora {

namespace {

constexpr double kDesignWidth = 6900;
constexpr double kWidenedWidth = 11500;
constexpr double kHeight = 10800;
constexpr double kBarsBottom = 750 + kBarFullHeight;

QString resultTitle()
{
    return TestResultScreen::tr("Results From The Chakra Test");
}

} // namespace

TestResultScreen::TestResultScreen(QWidget *parent)
    : ResultScreen(screens::kTestResult, QStringLiteral("VQ Zazeder Izorudav"), kDesignWidth, kHeight,
                   ChartDesign{750, 2850, 2910}, parent)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuBack"), tr("&Back")),
            &QAction::triggered, this, &TestResultScreen::cmdChakrasBack_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mnuMakeMoney"));

    auto *title = new QLabel(resultTitle(), area);
    title->setObjectName(QStringLiteral("Label1"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setBold(true);
    title->setFont(verdana);
    placeTwips(title, 120, 90, 3225, 240);

    addChakraIntroduction(area, chakraIntroductionFirst() + QStringLiteral("\n\n") + chakraIntroductionSecond(),
                          QRectF(6690, 60, 4620, 3195));

    addReportView(tr("Chakra test report"), QRectF(120, 3360, kWidenedWidth - 420, 4380));

    auto *cmdBack = new QPushButton(tr("&Back"), area);
    cmdBack->setObjectName(QStringLiteral("cmdChakrasBack"));
    placeTwips(cmdBack, 120, 7860, 1200, 420);
    connect(cmdBack, &QPushButton::clicked, this, &TestResultScreen::cmdChakrasBack_Click);
    addPractiseButton(QRectF(1440, 7860, 1800, 420));

    addPromoLabels(area, QStringLiteral("Label61"), 120, 8400, kWidenedWidth - 420);
}

void TestResultScreen::Form_Load()
{
    // Centred, with its top just below the main window's program bar.
    const ProgramHost *host = ProgramHost::current();
    moveWindowTwips(centredLeftTwips(windowGeometryTwips().width()), host ? host->programBarHeightTwips() : 0);
    InstallLinkHandling(RTB(), this);
}

std::optional<PrintableReading> TestResultScreen::printableReading() const
{
    if (!showsReading())
        return std::nullopt;
    //: What the reading is, in lower case as in a sentence: heads the printed reading and names its PDF
    return printedChartAndReport(kTestProgramName, tr("chakra test"), resultTitle());
}

void TestResultScreen::cmdChakrasBack_Click()
{
    unload();
}

void TestResultScreen::Form_Unload()
{
    step([] { RemoveLinkHandling(); });
    showWelcomePanel(true);
}

void ComputeChakraResult(const AnswerSheet &sheet, ChakraScores &scores, TestResultScreen *screen)
{
    scores = scoreAnswers(sheet);
    if (!screen)
        return;
    step([&] { screen->chart().showScores(sheet, scores, kBarsBottom); });
    step([&] { screen->setChakrasToPractise(sheet, scores); });
    step([&] {
        writeIntoView(screen->RTB(), [&](QTextDocument *report) { AppendChakraReport(report, sheet, scores); });
    });
    // The reader starts at the report's top, not where writing left the caret.
    step([&] { screen->RTB()->moveCursor(QTextCursor::Start); });
    step([&] { screen->setWindowWidthTwips(kWidenedWidth); });
    step([&] { screen->setReadingTime(desktop().now()); });
}

void finishChakraTest()
{
    auto *screen = qobject_cast<TestResultScreen *>(openProgramScreen(screens::kTestResult));
    ComputeChakraResult(chakraTestSheet(), chakraTestScores(), screen);
    // The result shown is kept in the journal, with the moment the screen
    // shows, once it has painted.
    step([screen] {
        const QDateTime taken = screen ? screen->readingTime() : desktop().now();
        journal::keepReadingOnceShown(
            journal::chakraReading(journal::Program::ChakraTest, chakraTestSheet(), chakraTestScores(), taken));
    });
}

bool openKeptChakraTest(const journal::Reading &reading)
{
    auto *screen = qobject_cast<TestResultScreen *>(openProgramScreen(screens::kTestResult));
    if (!screen)
        return false;
    // The sheet and scores of that day, apart from the test's own.
    const AnswerSheet sheet = journal::sheetOf(reading);
    ChakraScores scores{};
    ComputeChakraResult(sheet, scores, screen);
    // It prints as the reading of that day.
    step([&] { screen->setReadingTime(reading.localTaken()); });
    screen->setWindowTitle(journal::reopenedCaption(screen->windowTitle(), reading));
    return true;
}

} // namespace padmora
