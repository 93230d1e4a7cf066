// SPDX-License-Identifier: GPL-3.0-or-later
#include "tarot/screens/tarotresult.h"

#include "chakras/scoring.h"
#include "journal/keeping.h"
#include "kit/desktop.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "reports/tarotreport.h"
#include "reports/views/reportview.h"
#include "tarot/screens/tarotresultscreen.h"
#include "tarot/tarotsheet.h"

#include <QTextBrowser>

namespace padmora {

namespace {
// On the tarot result screen every bar ends at the full bar height.
constexpr double kBarsBottom = kBarFullHeight;
} // namespace

TarotResultScreen *ComputeTarotResult(const TarotAnswerSheet &sheet, ChakraScores &scores, TarotFlags &needed)
{
    scores.fill(0);
    step([&] { scores = scoreAnswers(sheet); });

    TarotResultScreen *screen = nullptr;
    step([&] { screen = qobject_cast<TarotResultScreen *>(openProgramScreen(screens::kTarotResult, false)); });
    if (!screen)
        return nullptr;
    step([&] { screen->chart().showScores(sheet, scores, kBarsBottom); });
    step([&] { screen->setChakrasToPractise(sheet, scores); });
    step([&] {
        writeIntoView(screen->RTB(),
                      [&](QTextDocument *report) { AppendTarotReport(report, sheet, scores, needed); });
    });
    // The view's own cursor was carried along to the end of the report;
    // the reader starts at its top.
    step([&] { screen->RTB()->moveCursor(QTextCursor::Start); });
    step([&] { screen->setReadingTime(desktop().now()); });
    step([&] { screen->showWindow(); });
    return screen;
}

void finishTarot()
{
    const TarotResultScreen *screen = ComputeTarotResult(tarotSheet(), tarotScores(), TarotCardNeeded());
    // The result shown is kept in the journal, with the cards it shows and
    // the moment the screen shows, once it has painted.
    step([screen] {
        const QDateTime taken = screen ? screen->readingTime() : desktop().now();
        journal::keepReadingOnceShown(journal::chakraReading(journal::Program::ChakrasTarot, tarotSheet(), tarotScores(), taken));
    });
}

bool openKeptTarot(const journal::Reading &reading)
{
    // The sheet and scores of that day, apart from the tarot's own; the card
    // flags are this reading's, so its interpretation shows its cards.
    const TarotAnswerSheet sheet = journal::sheetOf(reading);
    ChakraScores scores{};
    TarotResultScreen *screen = ComputeTarotResult(sheet, scores, TarotCardNeeded());
    if (!screen)
        return false;
    // It prints as the reading of that day.
    step([&] { screen->setReadingTime(reading.localTaken()); });
    screen->setWindowTitle(journal::reopenedCaption(screen->windowTitle(), reading));
    return true;
}

} // namespace padmora
