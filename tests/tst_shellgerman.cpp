// SPDX-License-Identifier: GPL-3.0-or-later
// The shell in German: the main window's menus, welcome panel and program
// buttons, the practice screen's choices and phase words, once the German
// catalogue is installed after start; and padmora --help in the desktop's
// language, from a process of its own.

#include "kit/controlnames.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/linklabel.h"
#include "kit/screennames.h"
#include "practice/sitting.h"
#include "support/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

using namespace padmora;
using namespace padmora::testing;

class ShellGermanTest : public QObject {
    Q_OBJECT

    Session session;

    static QStringList itemsOf(const QComboBox *box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    // What the probe answers to the arguments with LANGUAGE set to language.
    static QString answer(const QStringList &arguments, const QString &language)
    {
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANGUAGE"), language);
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(PADMORA_PROBE), arguments);
        if (!probe.waitForFinished(int(kPatience)))
            return QStringLiteral("no end");
        return QString::fromUtf8(probe.readAllStandardOutput());
    }

private slots:
    void init()
    {
        QVERIFY(installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de")));
        QVERIFY(session.start());
    }

    void cleanup()
    {
        practice::setSitting({});
        session.end();
        removeTranslations();
    }

    void theMainWindowSpeaksGerman()
    {
        MainWindow *main = session.main.get();
        QCOMPARE(captionsOf(main->menuBar()->actions()),
                 QStringList({QStringLiteral("&Datei"), QStringLiteral("&Hilfe"), QStringLiteral("Geld &online verdienen")}));
        auto *file = child<QMenu>(main, QStringLiteral("mnuFile"));
        QCOMPARE(child<QAction>(file, QStringLiteral("mnuMyReadings"))->text(), QStringLiteral("Meine &Deutungen…"));
        QCOMPARE(child<QAction>(file, QStringLiteral("mnuPrint"))->text(), QStringLiteral("Dr&ucken…"));
        QCOMPARE(child<QAction>(file, QStringLiteral("mnuExit"))->text(), QStringLiteral("&Beenden"));
        // A sentence with the number of days in it.
        QCOMPARE(child<QAction>(main, QStringLiteral("mnuRetakeDays"), 1)->text(), QStringLiteral("Nach 7 Tagen"));
        QCOMPARE(child<QAction>(main, QStringLiteral("mnuRetakeDays"), 0)->text(), QStringLiteral("&Aus"));

        // The welcome lines come from a table; the program names stay as they are.
        QCOMPARE(child<LinkLabel>(main, QStringLiteral("lblCaption"), 0)->text(), QStringLiteral("Willkommen bei Padmora"));
        QCOMPARE(child<LinkLabel>(main, QStringLiteral("lblCaption"), 4)->text(), QStringLiteral("Zazeder Izorudav"));
        QCOMPARE(child<QPushButton>(main, QStringLiteral("cmdSelectOption"), 2)->text(), QStringLiteral("Dovazov Urera"));
        QVERIFY(child<LinkLabel>(main, QStringLiteral("lblVendrelBanner"))
                    ->text()
                    .startsWith(QStringLiteral("Chakren, Tarot und Astrologie erklärt: Besuchen Sie das Padmora-Forum unter ")));
        QCOMPARE(child<QPushButton>(main, QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Beenden"));
    }

    void thePracticeScreenSpeaksGerman()
    {
        practice::setSitting({3});
        Form *screen = session.main->openScreen(screens::kPractice);
        QVERIFY(screen);
        auto *length = child<QComboBox>(screen, QStringLiteral("cboLength"));
        QCOMPARE(itemsOf(length), QStringList({QStringLiteral("3 Minuten"), QStringLiteral("5 Minuten"),
                                               QStringLiteral("10 Minuten"), QStringLiteral("15 Minuten"),
                                               QStringLiteral("20 Minuten"), QStringLiteral("Andere"),
                                               QStringLiteral("Ohne Ende")}));
        QCOMPARE(child<QComboBox>(screen, QStringLiteral("cboInterval"))->itemText(4), QStringLiteral("Alle 5 Minuten"));
        auto *preparation = child<QComboBox>(screen, QStringLiteral("cboPreparation"));
        QCOMPARE(itemsOf(preparation), QStringList({QStringLiteral("Keine"), QStringLiteral("10 Sekunden"),
                                                    QStringLiteral("30 Sekunden"), QStringLiteral("1 Minute")}));
        QCOMPARE(child<QComboBox>(screen, QStringLiteral("cboPace"))->itemText(0), QStringLiteral("4 s einatmen, 6 s tönen"));
        QCOMPARE(child<QLabel>(screen, QStringLiteral("lblPhase"))->text(), QStringLiteral("Bereit zum Start"));
        auto *start = child<QPushButton>(screen, QStringLiteral("cmdStart"));
        QCOMPARE(start->text(), QStringLiteral("&Starten"));

        // Started at once, with the count in words: the first breath in.
        preparation->setCurrentIndex(0);
        child<QComboBox>(screen, QStringLiteral("cboPace"))->setCurrentIndex(0);
        child<QCheckBox>(screen, QStringLiteral("chkLessMotion"))->setChecked(true);
        start->click();
        QCOMPARE(child<QLabel>(screen, QStringLiteral("lblPhase"))->text(), QStringLiteral("Einatmen\n4 Sekunden"));
        QCOMPARE(child<QLabel>(screen, QStringLiteral("lblPhase"))->accessibleName(),
                 QStringLiteral("Übungseinheit: Einatmen"));
    }

    void helpComesInTheDesktopsLanguage()
    {
        const QString german = answer({QStringLiteral("--help")}, QStringLiteral("de"));
        QVERIFY2(german.contains(QStringLiteral("-h, --help     Zeigt diese Hilfe und beendet das Programm.")),
                 qPrintable(german));
        QVERIFY2(german.contains(QStringLiteral("Selbsteinschätzung der sieben Chakren")), qPrintable(german));
        QVERIFY2(german.contains(QStringLiteral("Optionen:")), qPrintable(german));

        const QString english = answer({QStringLiteral("-h")}, QStringLiteral("en"));
        QVERIFY2(english.contains(QStringLiteral("-v, --version  Shows the version and ends.")), qPrintable(english));
        QVERIFY2(english.contains(QStringLiteral("Options:")), qPrintable(english));
        QCOMPARE(answer({QStringLiteral("--version")}, QStringLiteral("de")), QStringLiteral("Padmora v1.15\n"));
        // Anything else is left to the program, as before.
        QCOMPARE(answer({QStringLiteral("--unknown"), QStringLiteral("file.txt")}, QStringLiteral("de")),
                 QStringLiteral("not answered\n"));
    }
};

PADMORA_TEST_MAIN(ShellGermanTest)
#include "tst_shellgerman.moc"
