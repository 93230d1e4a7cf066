// SPDX-License-Identifier: GPL-3.0-or-later
// Every program screen carries the same Help menu, business item and
// promotional labels, and each of them opens its own page.

#include "app/mainwindow.h"
#include "kit/form.h"
#include "kit/links.h"
#include "kit/screennames.h"
#include "outreach/aboutbox.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"

#include <QLabel>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

class SharedLinksTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
    }

    void everyScreenLinksOut_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("visitCaption");
        QTest::addColumn<QString>("businessItem");
        QTest::addColumn<QString>("businessCaption");
        QTest::addColumn<QString>("forumLabel");
        const QString standard = QStringLiteral("Make Money &Online");
        const QString tarot = QStringLiteral("&Make Money Online");
        const QString visit = QStringLiteral("&Visit Us Online");
        QTest::newRow("test start") << screens::kTestMain << visit << "mnuMakeMoney" << standard << "Label61";
        QTest::newRow("test questions") << screens::kTestQuestions << QStringLiteral("&Visit us Online")
                                        << "mnuMakeMoney" << standard << "Label61";
        QTest::newRow("test result") << screens::kTestResult << visit << "mnuMakeMoney" << standard << "Label61";
        QTest::newRow("tarot start") << screens::kTarotMain << visit << "mnuMakeMoney" << standard << "Label61";
        QTest::newRow("tarot questions") << screens::kTarotQuestions << QStringLiteral("&Visit us Online")
                                         << "mnuMakeMoney" << standard << "Label61";
        QTest::newRow("tarot result") << screens::kTarotResult << visit << "mnuMakeMoneyOnline" << tarot << "Label61";
        QTest::newRow("tarot pages") << screens::kTarotPages << visit << "mnuMakeMoneyOnline" << tarot << "Label61";
        QTest::newRow("astrology") << screens::kAstrologyMain << visit << "mnuMakeMoney" << standard << "Label14";
    }

    void everyScreenLinksOut()
    {
        QFETCH(QString, screen);
        QFETCH(QString, visitCaption);
        QFETCH(QString, businessItem);
        QFETCH(QString, businessCaption);
        QFETCH(QString, forumLabel);
        Form *form = main->openScreen(screen);
        QVERIFY2(form, qPrintable(screen));

        QCOMPARE(child<QAction>(form, QStringLiteral("mnuVisit"))->text(), visitCaption);
        const struct {
            const char *item;
            QUrl url;
        } items[] = {{"mnuOnline", helpPageUrl()}, {"mnuVisit", forumUrl()}, {"mnuUpdate", downloadPageUrl()}};
        for (const auto &i : items) {
            fake->opened.clear();
            QVERIFY(trigger(form, QString::fromLatin1(i.item)));
            QCOMPARE(fake->opened, QList<QUrl>{i.url});
        }
        QVERIFY(trigger(form, QStringLiteral("mnuAbout")));
        QCOMPARE(fake->modals.size(), 1);
        QCOMPARE(fake->modals[0].objectName, QStringLiteral("frmAbout"));

        // The business item is there, switched off, and leads to its page.
        QAction *business = child<QAction>(form, businessItem);
        QCOMPARE(business->text(), businessCaption);
        QVERIFY(!business->isEnabled());
        QVERIFY(form->menuBar()->actions().contains(business));
        business->setEnabled(true);
        fake->opened.clear();
        business->trigger();
        QCOMPARE(fake->opened, QList<QUrl>{fullBrandPageUrl()});

        fake->opened.clear();
        click(child<QLabel>(form, QStringLiteral("lblCobrand")));
        click(child<QLabel>(form, QStringLiteral("lblFullBrand")));
        click(child<QLabel>(form, forumLabel));
        QCOMPARE(fake->opened, (QList<QUrl>{coBrandPageUrl(), fullBrandPageUrl(), forumUrl()}));
        QVERIFY(child<QWidget>(form, QStringLiteral("fraFullBrand"))->isAncestorOf(child<QLabel>(form, QStringLiteral("lblCobrand"))));
        // None of it closed the screen or raised a message.
        QCOMPARE(main->screen(screen), form);
        QVERIFY(fake->messages.isEmpty());
    }

    // Padmora is published under the GPL: the About box says so, in full view,
    // and claims no rights the licence gives away.
    void theAboutBoxNamesTheLicence()
    {
        AboutBox box;
        QLabel *text = child<QLabel>(&box, QStringLiteral("Label1"));
        QVERIFY(text->text().endsWith(
            QStringLiteral("Padmora is free software under the GNU General Public License, version 3 or later.")));
        QVERIFY(!text->text().contains(QStringLiteral("rights reserved"), Qt::CaseInsensitive));
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
    }
};

PADMORA_TEST_MAIN(SharedLinksTest)
#include "tst_sharedlinks.moc"
