// SPDX-License-Identifier: GPL-3.0-or-later
// The journal keeps the same in every language and shows the one in use: a
// reading kept in English is listed and reopened in German, and an export
// made in German imports in English with nothing lost.

#include "chakras/questionbank.h"
#include "journal/exchange.h"
#include "journal/store.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/screennames.h"
#include "support/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace padmora;
using namespace padmora::testing;

namespace {

const QDateTime kDay(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC);

// A reading of Root (score 4) and Heart, as the programs make it.
journal::Reading rootAndHeart(journal::Program program, int heart, const QDateTime &taken)
{
    journal::Reading r;
    r.program = program;
    r.taken = taken;
    r.ticked[0] = r.ticked[3] = true;
    for (int j = 0; j < 16; ++j) {
        const int q = j < 8 ? 24 + j : j - 8;
        r.questionOrder << q;
        r.answers << (j < heart || (j >= 8 && j < 12) ? answerKey(q) : kNotSure);
    }
    r.scores = {4, 0, 0, qint16(heart)};
    if (program == journal::Program::ChakrasTarot)
        r.cards = journal::shownCards(journal::sheetOf(r), r.scores);
    return r;
}

} // namespace

class JournalLanguageTest : public QObject {
    Q_OBJECT

    Session session;

    journal::Store &store() { return journal::journalStore(); }

    Form *openJournal()
    {
        QTest::keyClick(session.main.get(), Qt::Key_J, Qt::ControlModifier);
        settle();
        return session.main->screen(screens::kJournal);
    }

    static QString cell(QTableView *view, int row, int column) { return view->model()->index(row, column).data().toString(); }

    // Padmora speaking German on a German desktop.
    static bool german()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de"));
    }

    // Kept with English installed: a test, a tarot reading and an astrology reading.
    bool keepThreeInEnglish()
    {
        journal::Reading test = rootAndHeart(journal::Program::ChakraTest, 2, kDay);
        journal::Reading tarot = rootAndHeart(journal::Program::ChakrasTarot, 7, kDay.addDays(1));
        journal::Reading stars = journal::astrologyReading(QDate(1980, 7, 23), kDay.addDays(2));
        return store().save(test) && store().save(tarot) && store().save(stars);
    }

private slots:
    void init()
    {
        journal::forgetJournalStore();
        QDir(QFileInfo(journal::journalFilePath()).absolutePath()).removeRecursively();
        QVERIFY(session.start());
    }

    void cleanup()
    {
        removeTranslations();
        QLocale::setDefault(QLocale::system());
        session.end();
        journal::forgetJournalStore();
    }

    void keptInEnglishIsListedSummedUpAndReopenedInGerman()
    {
        QVERIFY2(keepThreeInEnglish(), qPrintable(store().lastError()));
        // What is kept are the tables' names, whatever the language shown.
        QCOMPARE(store().load(store().entries().first().id)->sign, QStringLiteral("Leo"));
        QVERIFY(german());
        Form *journal = openJournal();
        QVERIFY(journal);
        QCOMPARE(journal->windowTitle(), QStringLiteral("Meine Deutungen"));
        auto *grid = child<QTableView>(journal, QStringLiteral("grdReadings"));
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Zeitpunkt"));
        QVERIFY2(cell(grid, 0, 2).startsWith(QStringLiteral("Löwe \u00b7 Sonne \u00b7 ")), qPrintable(cell(grid, 0, 2)));
        QCOMPARE(cell(grid, 1, 2), QStringLiteral("Wurzel 4 offen \u00b7 Herz 7 überaktiv"));
        QCOMPARE(cell(grid, 2, 2), QStringLiteral("Wurzel 4 offen \u00b7 Herz 2 unteraktiv"));
        QCOMPARE(child<QComboBox>(journal, QStringLiteral("cboProgram"))->itemText(0), QStringLiteral("Alle Programme"));
        QCOMPARE(child<QPushButton>(journal, QStringLiteral("cmdOpen"))->text(), QStringLiteral("Ö&ffnen"));
        QVERIFY(child<QLabel>(journal, QStringLiteral("lblState"))->text().startsWith(
            QStringLiteral("3 Deutungen. Ihr Tagebuch liegt in ")));

        child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(1);
        QCOMPARE(child<QCheckBox>(journal, QStringLiteral("chkTrend"), 5)->text(), QStringLiteral("Stirn"));
        const QStringList lines = child<QLabel>(journal, QStringLiteral("lblTrendSummary"))->text().split(u'\n');
        QCOMPARE(lines.size(), 7);
        QVERIFY2(lines[3].endsWith(QStringLiteral(": 2, unteraktiv am 3. Mai 2026 \u2192 7, überaktiv am 4. Mai 2026 "
                                                  "(2 Deutungen)")),
                 qPrintable(lines[3]));
        auto *rows = child<QTableView>(journal, QStringLiteral("grdTrends"));
        QCOMPARE(cell(rows, 1, 2), QStringLiteral("Herz"));
        QCOMPARE(cell(rows, 1, 4), QStringLiteral("überaktiv"));
        QCOMPARE(child<QLabel>(journal, QStringLiteral("lblCards"))->text(),
                 QStringLiteral("Am häufigsten gezogene Karten: Die Gerechtigkeit 1-mal, Die Mäßigkeit 1-mal."));

        // Each opens again as its own program showed it.
        child<QTabWidget>(journal, QStringLiteral("tabJournal"))->setCurrentIndex(0);
        for (int row = 0; row < 3; ++row) {
            grid->setCurrentIndex(grid->model()->index(row, 0));
            click(child<QPushButton>(journal, QStringLiteral("cmdOpen")));
        }
        QCOMPARE(session.fake->messages.size(), 0);
        QVERIFY(session.main->screen(screens::kAstrologyMain));
        QVERIFY(session.main->screen(screens::kTestResult));
        QVERIFY(session.main->screen(screens::kTarotResult));
    }

    void anExportMadeInGermanImportsInEnglishWithNothingLost()
    {
        QVERIFY2(keepThreeInEnglish(), qPrintable(store().lastError()));
        const std::optional<QList<journal::Reading>> kept = store().allReadings();
        QVERIFY(kept && kept->size() == 3);
        QVERIFY(german());
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("de.json"));
        const QString csv = dir.filePath(QStringLiteral("de.csv"));
        Form *journal = openJournal();
        session.fake->chosenFiles = {json, csv};
        click(child<QPushButton>(journal, QStringLiteral("cmdExportJson")));
        click(child<QPushButton>(journal, QStringLiteral("cmdExportCsv")));
        QCOMPARE(session.fake->fileQuestions[0].filter, QStringLiteral("JSON-Dateien (*.json)"));
        // The CSV is read by other programs: its header and values are the same in every language.
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()).split(QStringLiteral("\r\n")).mid(0, 3),
                 (QStringList{QStringLiteral("date,program,chakra,score,state"),
                              QStringLiteral("2026-05-03T09:00:00Z,Zazeder Izorudav,Root Chakra (Muladhara),4,Open"),
                              QStringLiteral("2026-05-03T09:00:00Z,Zazeder Izorudav,Heart Chakra (Anahata),2,UnderActive")}));

        // Back in English, into an empty journal.
        session.fake->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        QCOMPARE(session.fake->messages[0].text,
                 QStringLiteral("Alle 3 Deutungen samt ihren Notizen aus Ihrem Tagebuch löschen?"));
        QCOMPARE(store().count(), 0);
        removeTranslations();
        QLocale::setDefault(QLocale::system());
        session.fake->chosenFiles = {json};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QCOMPARE(session.fake->lastMessage().text, QStringLiteral("3 added, 0 already there."));
        const std::optional<QList<journal::Reading>> back = store().allReadings();
        QVERIFY(back && back->size() == 3);
        for (qsizetype k = 0; k < 3; ++k) {
            QVERIFY((*back)[k].sameReading((*kept)[k]));
            QCOMPARE((*back)[k].uuid, (*kept)[k].uuid);
        }
    }
};

PADMORA_TEST_MAIN(JournalLanguageTest)
#include "tst_journallanguage.moc"
