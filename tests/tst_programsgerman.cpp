// SPDX-License-Identifier: GPL-3.0-or-later
// The tarot pages and the astrology screen in German: what a user sees once
// the German catalogue is installed, and what the journal keeps of it.

#include "app/mainwindow.h"
#include "astrology/astrologytables.h"
#include "journal/store.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/screennames.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "support/testing.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/tarotcards.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

using namespace padmora;
using namespace padmora::testing;

class ProgramsGermanTest : public QObject {
    Q_OBJECT

    Session session;

    Form *screen(const QString &name) const { return session.main->screen(name); }
    QString text(const QString &screenName, const char *label, int index = -1) const
    {
        QLabel *l = index < 0 ? child<QLabel>(screen(screenName), QString::fromLatin1(label))
                              : child<QLabel>(screen(screenName), QString::fromLatin1(label), index);
        return l ? l->text() : QStringLiteral("<missing>");
    }

    // Picks the entry the user sees as text.
    static void choose(QComboBox *box, const QString &text)
    {
        QVERIFY(box);
        const int i = box->findText(text, Qt::MatchExactly);
        QVERIFY2(i >= 0, qPrintable(text));
        box->setCurrentIndex(i);
    }

private slots:
    void initTestCase()
    {
        // The tables are read first in English, as by a Padmora started
        // without a catalogue; the German installed later must still show.
        QVERIFY(astrology::astroChakra(0));
        QCOMPARE(chakrasTarotProgram().noSelectionMessage, QStringLiteral("Please select at least one chakra"));
    }

    void init()
    {
        journal::forgetJournalStore();
        QDir(QFileInfo(journal::journalFilePath()).absolutePath()).removeRecursively();
        QVERIFY(installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de")));
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        journal::forgetJournalStore();
        removeTranslations();
        ClearTarotCardNeeded();
    }

    void tarotPagesAndReportSpeakGerman()
    {
        // The heart over-active: its cards are Justice and Temperance.
        click(child<QPushButton>(session.main.get(), QStringLiteral("cmdSelectOption"), 2));
        QVERIFY(text(screens::kTarotMain, "Label1")
                    .startsWith(QStringLiteral("VQ Dovazov Urera ist ein einfaches Programm, das Ihre unteraktiven")));
        QVERIFY(ReadingDriver(session.main.get(), chakrasTarotProgram()).run({{3, 7}}));
        Form *result = screen(screens::kTarotResult);
        QVERIFY(result);
        // The report's opening exercise comes from the guidance table.
        const QString report = child<QTextBrowser>(result, QStringLiteral("RTB"))->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("So öffnen Sie das Herzchakra: ")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("Tönen Sie den Laut YAM (da dieses Mudra besonders kraftvoll ist")));
        QCOMPARE(child<QPushButton>(result, QStringLiteral("cmdYogaChakra"))->text(),
                 QStringLiteral("&VQ Dovazov Urera – Deutung der Karten"));

        click(child<QPushButton>(result, QStringLiteral("cmdYogaChakra")));
        settle();
        QVERIFY(screen(screens::kTarotPages));
        QCOMPARE(text(screens::kTarotPages, "lblCaption", 0), QStringLiteral("Die Gerechtigkeit"));
        QVERIFY(text(screens::kTarotPages, "lblCaption", 1)
                    .startsWith(QStringLiteral("Sie werden vielleicht in rechtliche Angelegenheiten verwickelt.")));
        QCOMPARE(text(screens::kTarotPages, "Label1"), QStringLiteral("Beschreibung"));
        QCOMPARE(text(screens::kTarotPages, "Label2"), QStringLiteral("Umgekehrte Beschreibung"));
        QCOMPARE(child<QPushButton>(screen(screens::kTarotPages), QStringLiteral("cmdNext"))->text(),
                 QStringLiteral("&Weiter >>"));
        click(child<QPushButton>(screen(screens::kTarotPages), QStringLiteral("cmdNext")));
        QCOMPARE(text(screens::kTarotPages, "lblCaption", 0), QStringLiteral("Die Mäßigkeit"));

        // The journal keeps the cards' English names, whatever was shown.
        settle();
        const auto kept = journal::journalStore().allReadings();
        QVERIFY(kept && kept->size() == 1);
        QCOMPARE(kept->first().cards.size(), 2);
        QCOMPARE(kept->first().cards.first().card, QStringLiteral("Justice"));
    }

    void astrologyReadingSpeaksGerman()
    {
        click(child<QPushButton>(session.main.get(), QStringLiteral("cmdSelectOption"), 0));
        Form *form = screen(screens::kAstrologyMain);
        QVERIFY(form);
        QCOMPARE(text(screens::kAstrologyMain, "lblLabel", 2), QStringLiteral("Geburtsdatum"));

        // A missing name is refused in German, and nothing is kept.
        click(child<QPushButton>(form, QStringLiteral("cmdNext")));
        QCOMPARE(session.fake->lastMessage().text, QStringLiteral("Bitte geben Sie Ihren Namen ein"));

        // 25 July 1990: Leo, ruled by the Sun, reaches the crown.
        child<QLineEdit>(form, QStringLiteral("txtName"))->setText(QStringLiteral("Mira"));
        choose(child<QComboBox>(form, QStringLiteral("cboMonth")), QStringLiteral("Juli"));
        choose(child<QComboBox>(form, QStringLiteral("cboDate")), QStringLiteral("25"));
        choose(child<QComboBox>(form, QStringLiteral("cboYear")), QStringLiteral("1990"));
        click(child<QPushButton>(form, QStringLiteral("cmdNext")));
        QCOMPARE(session.fake->messages.size(), 1);
        QCOMPARE(text(screens::kAstrologyMain, "lblLabel", 3), QStringLiteral("Sonnenzeichen"));
        QCOMPARE(text(screens::kAstrologyMain, "lblResult", 0), QStringLiteral("Löwe"));
        QCOMPARE(text(screens::kAstrologyMain, "lblResult", 1), QStringLiteral("Die Sonne"));
        QCOMPARE(text(screens::kAstrologyMain, "lblResult", 2), QStringLiteral("Kronenchakra – Sahasrara"));
        QCOMPARE(text(screens::kAstrologyMain, "lblResult", 4),
                 QStringLiteral("Tausend wunderschöne regenbogenfarbene Blütenblätter."));
        QCOMPARE(text(screens::kAstrologyMain, "lblResult", 7), QStringLiteral("Violett"));

        // The journal keeps the tables' English, which its own check accepts.
        settle();
        const auto kept = journal::journalStore().allReadings();
        QVERIFY(kept && kept->size() == 1);
        QCOMPARE(kept->first().sign, QStringLiteral("Leo"));
        QCOMPARE(kept->first().rulingPlanet, QStringLiteral("The Sun"));
        QCOMPARE(kept->first().chakraName, QStringLiteral("Crown Chakra"));
    }
};

PADMORA_TEST_MAIN(ProgramsGermanTest)
#include "tst_programsgerman.moc"
