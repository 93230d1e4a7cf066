// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on every screen: a name for every control and
// picture, links that can be pressed, charts that read out their scores, and
// an answer (or nothing) for whatever it asks, even of a closing window.

#include "app/form.h"
#include "app/linklabel.h"
#include "app/links.h"
#include "app/screennames.h"
#include "chakras/program.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <functional>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

using Visit = std::function<void(QAccessibleInterface *)>;

// Every interface a user can reach below root (hidden parts are skipped).
void walk(QAccessibleInterface *iface, const Visit &visit, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 64 || iface->state().invisible)
        return;
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), visit, depth + 1);
}

QList<QAccessibleInterface *> reachable(QObject *root)
{
    QList<QAccessibleInterface *> all;
    walk(QAccessible::queryAccessibleInterface(root), [&](QAccessibleInterface *i) { all.append(i); });
    return all;
}

bool isInteractive(QAccessibleInterface *i)
{
    switch (i->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Link:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
        return true;
    default:
        return i->state().focusable && i->role() != QAccessible::ScrollBar;
    }
}

QString describe(QAccessibleInterface *i)
{
    QString path;
    for (QObject *o = i->object(); o; o = o->parent())
        if (!o->objectName().isEmpty())
            path.prepend(QLatin1Char('/') + o->objectName());
    return QStringLiteral("%1 (role %2)").arg(path).arg(int(i->role()));
}

// The controls and pictures below root that a screen reader could not name.
QStringList nameless(QObject *root)
{
    QStringList missing;
    for (QAccessibleInterface *i : reachable(root)) {
        if (!isInteractive(i) && i->role() != QAccessible::Graphic)
            continue;
        if (i->text(QAccessible::Name).trimmed().isEmpty())
            missing << describe(i);
    }
    return missing;
}

#define expectAllNamed(root)                                                                              \
    do {                                                                                                  \
        const QStringList missing = nameless(root);                                                       \
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));                      \
    } while (false)

QAccessibleInterface *interfaceOf(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

class AccessibilityTest : public QObject {
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

    void everyControlAndPictureHasAName_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : {screens::kTestMain, screens::kTestQuestions, screens::kTestResult,
                                    screens::kTarotMain, screens::kTarotQuestions, screens::kTarotResult,
                                    screens::kTarotPages, screens::kAstrologyMain})
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyControlAndPictureHasAName()
    {
        QFETCH(QString, screen);
        expectAllNamed(main.get());
        main->setWelcomeVisible(false);
        Form *form = main->openScreen(screen);
        QVERIFY(form);
        expectAllNamed(main.get());
        if (screen == screens::kAstrologyMain) {
            // The reading page too.
            child<QLineEdit>(form, QStringLiteral("txtName"))->setText(QStringLiteral("Asha"));
            click(child<QPushButton>(form, QStringLiteral("cmdNext")));
            QVERIFY(child<QWidget>(form, QStringLiteral("fraStep"), 1)->isVisible());
            expectAllNamed(main.get());
        }
    }

    void theWindowsOfTheirOwnAreNamedToo()
    {
        // The about box, as the Help menu shows it.
        QStringList aboutMissing;
        QString aboutName;
        fake->onModal = [&](QDialog &box) {
            aboutMissing = nameless(&box);
            aboutName = interfaceOf(&box)->text(QAccessible::Name);
            return int(QDialog::Accepted);
        };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuAbout")));
        QCOMPARE(aboutName, QStringLiteral("Padmora v1.15"));
        QVERIFY2(aboutMissing.isEmpty(), qPrintable(aboutMissing.join(QStringLiteral(", "))));
        QVERIFY(interfaceOf(child<QWidget>(main.get(), QStringLiteral("Picture2")))->text(QAccessible::Name)
                == QStringLiteral("Vovuvev Avoverazi"));

        // The farewell screen is a window, and its boxes say what belongs in them.
        FarewellScreen farewell;
        farewell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&farewell));
        QAccessibleInterface *window = interfaceOf(&farewell);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Padmora v1.15"));
        expectAllNamed(&farewell);
        const QStringList boxes{QStringLiteral("txtName"), QStringLiteral("txtEmail"), QStringLiteral("txtMessage"),
                                QStringLiteral("txtFriendName"), QStringLiteral("txtFriendEmail")};
        const QStringList names{QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                                QStringLiteral("Your Message"), QStringLiteral("Friend's Name"),
                                QStringLiteral("Friend's Email Address")};
        for (int i = 0; i < boxes.size(); ++i) {
            QWidget *box = child<QWidget>(&farewell, boxes[i]);
            box->setFocus();  // the placeholder goes, the name stays
            QCOMPARE(interfaceOf(box)->text(QAccessible::Name), names[i]);
        }
        QCOMPARE(interfaceOf(child<QWidget>(&farewell, QStringLiteral("Picture1")))->role(), QAccessible::Graphic);
    }

    void picturesAreNamedAfterWhatTheyShow()
    {
        main->setWelcomeVisible(false);
        Form *start = main->openScreen(screens::kTestMain);
        // Crown first, as the row shows them.
        QAccessibleInterface *crown = interfaceOf(child<QWidget>(start, QStringLiteral("picChakra"), 0));
        QCOMPARE(crown->role(), QAccessible::Graphic);
        QCOMPARE(crown->text(QAccessible::Name), QStringLiteral("Crown Chakra (Sahasrara)"));
        QCOMPARE(interfaceOf(child<QWidget>(start, QStringLiteral("picChakra"), 6))->text(QAccessible::Name),
                 QStringLiteral("Root Chakra (Muladhara)"));

        // The tarot card on show, page by page.
        TarotCardNeeded().fill(0);
        TarotCardNeeded()[3] = -1;  // Heart: Justice, then Temperance
        QVERIFY(AssignTarotCards());
        Form *pages = main->openScreen(screens::kTarotPages);
        QWidget *card = child<QWidget>(pages, QStringLiteral("picYoga"));
        QCOMPARE(interfaceOf(card)->text(QAccessible::Name), QStringLiteral("Justice"));
        click(child<QPushButton>(pages, QStringLiteral("cmdNext")));
        QCOMPARE(interfaceOf(card)->text(QAccessible::Name), QStringLiteral("Temperance"));
        ClearTarotCardNeeded();

        // The astrology reading's chakra.
        Form *astro = main->openScreen(screens::kAstrologyMain);
        child<QLineEdit>(astro, QStringLiteral("txtName"))->setText(QStringLiteral("Ravi"));
        child<QComboBox>(astro, QStringLiteral("cboMonth"))->setCurrentIndex(6);  // July
        child<QComboBox>(astro, QStringLiteral("cboDate"))->setCurrentIndex(22);  // 23: Leo
        click(child<QPushButton>(astro, QStringLiteral("cmdNext")));
        QCOMPARE(interfaceOf(child<QWidget>(astro, QStringLiteral("picChakra")))->text(QAccessible::Name),
                 QStringLiteral("Crown Chakra"));
    }

    void theQuestionViewIsNamedByItsQuestion()
    {
        ReadingDriver run(main.get(), chakraTestProgram());
        QVERIFY(run.openAndStart({4}));
        for (int page = 0; page < 3; ++page) {
            QWidget *view = child<QWidget>(run.questions(), QStringLiteral("txtQuestions"));
            QCOMPARE(interfaceOf(view)->text(QAccessible::Name), run.questionOnScreen());
            run.next();
        }
    }

    void chartsReadOutEveryScore()
    {
        ReadingDriver run(main.get(), chakraTestProgram());
        main->openScreen(screens::kTestMain);
        main->setWelcomeVisible(false);
        QVERIFY(run.run({{0, 5}, {3, 0}}));
        Form *result = main->screen(screens::kTestResult);
        QVERIFY(result);
        QLabel *root = child<QLabel>(result, QStringLiteral("lblCurve"), 0);
        QCOMPARE(interfaceOf(root)->text(QAccessible::Name), QStringLiteral("Root Chakra (Muladhara): 5 of 8, Open"));
        QCOMPARE(root->toolTip(), QStringLiteral("Root Chakra (Muladhara): 5 of 8, Open"));
        // Heart's bar is not shown; its axis label still reads its score out.
        QVERIFY(child<QLabel>(result, QStringLiteral("lblCurve"), 3)->isHidden());
        QLabel *heart = child<QLabel>(result, QStringLiteral("Label5"));
        QCOMPARE(interfaceOf(heart)->text(QAccessible::Description),
                 QStringLiteral("Heart Chakra (Anahata): 0 of 8, UnderActive"));
        QCOMPARE(heart->toolTip(), QStringLiteral("Heart Chakra (Anahata): 0 of 8, UnderActive"));
        QCOMPARE(child<QLabel>(result, QStringLiteral("Label3"))->toolTip(),
                 QStringLiteral("Sacral Chakra (Swadhisthanna): not tested"));
        QCOMPARE(interfaceOf(child<QTextBrowser>(result, QStringLiteral("RTB")))->text(QAccessible::Name),
                 QStringLiteral("Chakra test report"));

        // The tarot's chart alike.
        ReadingDriver tarot(main.get(), chakrasTarotProgram());
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        QVERIFY(tarot.run({{6, 8}}));
        Form *tarotResult = main->screen(screens::kTarotResult);
        QVERIFY(tarotResult);
        QCOMPARE(child<QLabel>(tarotResult, QStringLiteral("lblCurve"), 6)->toolTip(),
                 QStringLiteral("Crown Chakra (Sahasrara): 8 of 8, OverActive"));
        QCOMPARE(interfaceOf(child<QLabel>(tarotResult, QStringLiteral("Label2")))->text(QAccessible::Description),
                 QStringLiteral("Root Chakra (Muladhara): not tested"));
    }

    void linksArePressedAsAClickPressesThem_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("forumLabel");
        QTest::newRow("main window") << QString() << "lblVendrelBanner";
        QTest::newRow("test start") << screens::kTestMain << "Label61";
        QTest::newRow("tarot pages") << screens::kTarotPages << "Label61";
        QTest::newRow("astrology") << screens::kAstrologyMain << "Label14";
    }

    void linksArePressedAsAClickPressesThem()
    {
        QFETCH(QString, screen);
        QFETCH(QString, forumLabel);
        QObject *root = screen.isEmpty() ? static_cast<QObject *>(main.get()) : main->openScreen(screen);
        QStringList names{forumLabel};
        if (screen.isEmpty())
            names << QStringLiteral("Label7");
        else
            names << QStringLiteral("lblCobrand") << QStringLiteral("lblFullBrand");
        for (const QString &name : names) {
            QLabel *label = child<QLabel>(root, name);
            fake->opened.clear();
            click(label);
            const QList<QUrl> clicked = fake->opened;
            QCOMPARE(clicked.size(), 1);

            QAccessibleInterface *link = interfaceOf(label);
            QCOMPARE(link->role(), QAccessible::Link);
            QCOMPARE(link->text(QAccessible::Name), label->text());
            QAccessibleActionInterface *actions = link->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            fake->opened.clear();
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(fake->opened, clicked);
        }
    }

    void theWelcomeHeadingsAreTextAndTheProgramsLinks()
    {
        QCOMPARE(interfaceOf(child<QLabel>(main.get(), QStringLiteral("lblCaption"), 0))->role(),
                 QAccessible::StaticText);
        QAccessibleInterface *astrology = interfaceOf(child<QLabel>(main.get(), QStringLiteral("lblCaption"), 3));
        QCOMPARE(astrology->role(), QAccessible::Link);
        astrology->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(main->screen(screens::kAstrologyMain));
        QVERIFY(!main->isWelcomeVisible());
    }

    void askingOfAClosingWindowNeverCrashes()
    {
        // A screen reader may ask about anything at any moment: here it asks
        // about every part of a screen while the screen is being closed and
        // while its widgets are being destroyed.
        main->setWelcomeVisible(false);
        Form *form = main->openScreen(screens::kTestResult);
        QVERIFY(form);
        int answers = 0;
        auto askAll = [&] {
            for (QAccessibleInterface *i : reachable(main.get())) {
                answers += i->text(QAccessible::Name).size() >= 0 ? 1 : 0;
                i->role();
                i->state();
                i->rect();
                if (QAccessibleActionInterface *a = i->actionInterface())
                    a->actionNames();
            }
        };
        QList<QPointer<QObject>> parts;
        for (QWidget *w : form->findChildren<QWidget *>())
            parts << w;
        for (QWidget *w : form->findChildren<QWidget *>())
            connect(w, &QObject::destroyed, this, [&](QObject *gone) {
                if (QAccessibleInterface *i = QAccessible::queryAccessibleInterface(gone))
                    i->text(QAccessible::Name);
                askAll();
            });
        connect(form, &QObject::destroyed, this, askAll);
        form->unload();
        askAll();
        settle();
        askAll();
        QVERIFY(answers > 0);
        for (const QPointer<QObject> &p : parts)
            QVERIFY(p.isNull());
    }
};

PADMORA_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
