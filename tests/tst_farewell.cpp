// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/leaving.h"
#include "app/mainwindow.h"
#include "app/quitroutine.h"
#include "kit/form.h"
#include "kit/links.h"
#include "kit/pictures.h"
#include "outreach/farewell.h"
#include "outreach/tellafriend.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QWindow>

using namespace padmora;
using namespace padmora::testing;
namespace taf = padmora::modTellAFriend;

namespace {

// What the window manager's close box delivers.
void pressCloseBox(QWidget *w)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(w->windowHandle(), &close);
}

// The values of a tell-a-friend address, decoded.
QStringList decodedQuery(const QUrl &address)
{
    QStringList values;
    const QByteArray encoded = address.toEncoded();
    for (const QByteArray &p : encoded.mid(encoded.indexOf('?') + 1).split('&'))
        values << QUrl::fromPercentEncoding(p.mid(p.indexOf('=') + 1));
    return values;
}

// A program screen that notes, when it is unloaded, whether the farewell
// screen is already there.
class NotingForm : public Form {
public:
    explicit NotingForm(QStringList &log) : Form(QStringLiteral("frmNoting"), QStringLiteral("Noting"), 3000, 2000), m_log(log) {}

protected:
    void Form_Unload() override
    {
        m_log << (farewellScreen() ? QStringLiteral("unloaded after the farewell")
                                   : QStringLiteral("unloaded before the farewell"));
    }

private:
    QStringList &m_log;
};

class Stray : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
    }
};

} // namespace

class FarewellTest : public QObject {
    Q_OBJECT

    QStringList m_ends;
    ProgramEnd m_previousEnd;
    RecordingDesktop *m_desk = nullptr;
    QPointer<FarewellScreen> m_screen;

    template <class T>
    T *control(const QString &name)
    {
        return child<T>(m_screen.data(), name);
    }
    QLineEdit *line(const QString &name) { return control<QLineEdit>(name); }
    QPlainTextEdit *message() { return control<QPlainTextEdit>(QStringLiteral("txtMessage")); }

    // The user clicks into the screen: it becomes the active window.
    void activate()
    {
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
    }

    // Clicks into a box as the user would: the form takes the focus.
    void clickInto(QWidget *box)
    {
        if (!m_screen->isActiveWindow())
            activate();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(box->hasFocus());
    }
    void type(QWidget *box, const QString &text)
    {
        clickInto(box);
        QTest::keyClicks(box, text);
    }
    void submit() { click(control<QPushButton>(QStringLiteral("cmdSubmit"))); }

    // A complete, valid form.
    void fillIn()
    {
        type(line(QStringLiteral("txtName")), QStringLiteral("Ann"));
        type(line(QStringLiteral("txtEmail")), QStringLiteral("ann@example.org"));
        type(message(), QStringLiteral("Have a look"));
        type(line(QStringLiteral("txtFriendName")), QStringLiteral("Bob"));
        type(line(QStringLiteral("txtFriendEmail")), QStringLiteral("bob@example.org"));
    }

    QStringList messagesShown() const
    {
        QStringList texts;
        for (const auto &m : m_desk->messages)
            texts << m.text;
        return texts;
    }

private slots:
    void initTestCase() { m_previousEnd = setProgramEnd([this] { m_ends << QStringLiteral("end"); }); }
    void cleanupTestCase() { setProgramEnd(m_previousEnd); }

    void init()
    {
        m_desk = new RecordingDesktop;
        m_desk->scriptedUniform = {0.6};
        showFarewellScreen();
        m_screen = farewellScreen();
        QVERIFY(m_screen);
        QVERIFY(QTest::qWaitForWindowExposed(m_screen));
    }


    void cleanup()
    {
        if (m_screen)
            m_screen->close();
        qDeleteAll(mainWindows());
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->close();
        settle();
        QVERIFY(!farewellScreen());
        m_ends.clear();
        delete m_desk;
        m_desk = nullptr;
    }

    // --- what it shows ------------------------------------------------------

    void itOpensWithItsDesign()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("frmNagScreen2"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("Padmora v1.15"));
        QVERIFY(m_screen->isVisible());
        QCOMPARE(m_screen->windowModality(), Qt::NonModal);
        QCOMPARE(control<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Padmora v1.15"));
        QVERIFY(control<PictureView>(QStringLiteral("Picture1"))->hasPicture());
        // 0.6 of four messages: the third.
        QCOMPARE(control<QLabel>(QStringLiteral("Label2"))->text(), supportMessages()[2]);
        QVERIFY(!control<QLabel>(QStringLiteral("Label3"))->text().isEmpty());

        // Every box starts with its placeholder (seen here on a screen that
        // has not taken the focus: this platform activates what it shows).
        FarewellScreen fresh;
        fresh.Form_Load();
        QCOMPARE(child<QLineEdit>(&fresh, QStringLiteral("txtName"))->text(), QStringLiteral("Your Name"));
        QCOMPARE(child<QLineEdit>(&fresh, QStringLiteral("txtEmail"))->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(child<QPlainTextEdit>(&fresh, QStringLiteral("txtMessage"))->toPlainText(),
                 QStringLiteral("Your Message\n"));
        QCOMPARE(child<QLineEdit>(&fresh, QStringLiteral("txtFriendName"))->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(child<QLineEdit>(&fresh, QStringLiteral("txtFriendEmail"))->text(),
                 QStringLiteral("Friend's Email Address"));
        QCOMPARE(fresh.referral().message, QStringLiteral("Your Message"));
        QCOMPARE(control<QPushButton>(QStringLiteral("cmdSubmit"))->text(), QStringLiteral("Refer A Friend &Now"));
        QCOMPARE(control<QPushButton>(QStringLiteral("cmdClose"))->text(), QStringLiteral("E&xit"));
        QVERIFY(!control<QCheckBox>(QStringLiteral("Check1"))->isChecked());

        // The form and its button sit in the "Refer A Friend" frame, the link
        // with the promotion text in the other.
        auto *refer = qobject_cast<QGroupBox *>(line(QStringLiteral("txtName"))->parentWidget());
        QVERIFY(refer);
        QCOMPARE(refer->title(), QStringLiteral("Refer A Friend"));
        for (const char *name : {"txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail", "cmdSubmit"})
            QCOMPARE(control<QWidget>(QString::fromLatin1(name))->parentWidget(), refer);
        QCOMPARE(control<QWidget>(QStringLiteral("lblGoToHome"))->parentWidget(),
                 control<QWidget>(QStringLiteral("Label3"))->parentWidget());

        // Above every window, not activated on showing, yet able to take the keyboard.
        QVERIFY(m_screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_screen->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!m_screen->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    }

    void everyControlLiesInsideTheWindowAndNothingOverlaps()
    {
        // Its designed size in twips, centred on the 19200 x 15360 twip screen.
        QCOMPARE(twipsOf(m_screen).size(), QSize(9000, 7740));
        QCOMPARE(rectToTwips(m_screen->frameGeometry()).topLeft(), QPoint(5100, 3810));
        const QList<QWidget *> all = m_screen->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QList<QWidget *> controls;
        for (QWidget *w : all)
            controls << w;
        for (QGroupBox *frame : m_screen->findChildren<QGroupBox *>())
            controls << frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *w : controls) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (QWidget *other : controls)
                if (other != w && other->parentWidget() == w->parentWidget() && !other->objectName().isEmpty()
                    && !other->objectName().startsWith(QLatin1String("qt_")))
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + QStringLiteral(" / ") + other->objectName()));
        }
        // Each label shows its whole text.
        for (QLabel *label : m_screen->findChildren<QLabel *>())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height() || !label->wordWrap(),
                     qPrintable(label->objectName()));
    }

    void theSupportMessageIsDrawnAtRandom()
    {
        const std::pair<double, int> draws[] = {{0.0, 0}, {0.2499, 0}, {0.25, 1}, {0.5, 2}, {0.74, 2}, {0.75, 3}, {0.9999, 3}};
        for (const auto &[draw, expected] : draws) {
            m_desk->scriptedUniform = {draw};
            FarewellScreen screen;
            screen.Form_Load();
            QCOMPARE(child<QLabel>(&screen, QStringLiteral("Label2"))->text(), supportMessages()[std::size_t(expected)]);
        }
        // Freshly seeded at each opening.
        QCOMPARE(m_desk->seeds, 1 + 7);
        QSet<QString> distinct(supportMessages().begin(), supportMessages().end());
        QCOMPARE(distinct.size(), 4);
    }

    // --- the boxes ----------------------------------------------------------

    void placeholdersGoAndComeBackWithTheFocus()
    {
        QLineEdit *name = line(QStringLiteral("txtName"));
        QLineEdit *email = line(QStringLiteral("txtEmail"));
        clickInto(name);
        QCOMPARE(name->text(), QString());
        clickInto(email);  // left empty: the placeholder comes back
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QCOMPARE(email->text(), QString());

        type(name, QStringLiteral("   "));  // blanks only count as empty
        clickInto(email);
        QCOMPARE(name->text(), QStringLiteral("Your Name"));

        type(name, QStringLiteral("Ann"));
        clickInto(email);
        QCOMPARE(name->text(), QStringLiteral("Ann"));  // kept
        clickInto(name);
        QCOMPARE(name->text(), QStringLiteral("Ann"));

        // The placeholder with blanks around it is still the placeholder.
        name->setText(QStringLiteral("  Your Name "));
        clickInto(email);
        clickInto(name);
        QCOMPARE(name->text(), QString());

        clickInto(message());
        QCOMPARE(message()->toPlainText(), QString());
        clickInto(line(QStringLiteral("txtFriendName")));
        QCOMPARE(message()->toPlainText(), QStringLiteral("Your Message\n"));
        QCOMPARE(line(QStringLiteral("txtFriendName"))->text(), QString());
        clickInto(line(QStringLiteral("txtFriendEmail")));
        QCOMPARE(line(QStringLiteral("txtFriendName"))->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(line(QStringLiteral("txtFriendEmail"))->text(), QString());
    }

    void anotherWindowTakingTheFocusLeavesTheBoxAsItIs()
    {
        QLineEdit *name = line(QStringLiteral("txtName"));
        clickInto(name);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(name->text(), QString());
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        QVERIFY(name->hasFocus());
        QCOMPARE(name->text(), QString());
    }

    void theEmailBoxesRefuseTheBlankKey()
    {
        for (const char *name : {"txtEmail", "txtFriendEmail"}) {
            m_desk->messages.clear();
            QLineEdit *box = line(QString::fromLatin1(name));
            type(box, QStringLiteral("ann @exa mple.org"));
            QCOMPARE(box->text(), QStringLiteral("ann@example.org"));
            QCOMPARE(m_desk->messages.size(), 2);
            for (const auto &m : m_desk->messages) {
                QCOMPARE(m.text, QStringLiteral("Email Address Cannot Contain Space"));
                QCOMPARE(m.icon, MessageIcon::Critical);
                QCOMPARE(m.buttons, MessageButtons::Ok);
                QCOMPARE(m.title, QStringLiteral("Padmora"));
            }
            QVERIFY(box->hasFocus());
        }
        // Elsewhere a blank is just a blank.
        m_desk->messages.clear();
        type(line(QStringLiteral("txtName")), QStringLiteral("Ann Lee"));
        type(message(), QStringLiteral("Hello there"));
        type(line(QStringLiteral("txtFriendName")), QStringLiteral("Bob Lee"));
        QVERIFY(m_desk->messages.isEmpty());
        QCOMPARE(line(QStringLiteral("txtName"))->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(message()->toPlainText(), QStringLiteral("Hello there"));
        QCOMPARE(line(QStringLiteral("txtFriendName"))->text(), QStringLiteral("Bob Lee"));
    }

    // --- Refer A Friend Now ---------------------------------------------------

    void theChecksRunInTheirOrder()
    {
        QLineEdit *email = line(QStringLiteral("txtEmail"));
        QLineEdit *friendEmail = line(QStringLiteral("txtFriendEmail"));
        QLineEdit *name = line(QStringLiteral("txtName"));

        submit();  // untouched: two different addresses without "@"
        type(email, QStringLiteral("ann@example.org"));
        type(friendEmail, QStringLiteral("ann@example.org"));
        submit();
        friendEmail->setText(QStringLiteral("ANN@example.org"));  // case alone differs: on to the name
        submit();
        friendEmail->setText(QStringLiteral("bob@example"));
        submit();
        friendEmail->setText(QStringLiteral("bob@example.org"));
        name->setText(QStringLiteral("   "));  // blanks only: trimmed to nothing
        m_screen->cmdSubmit_Click();
        name->setText(QStringLiteral("Ann"));
        submit();  // the message is still its placeholder
        type(message(), QStringLiteral("Look"));
        submit();  // the friend's name is still its placeholder
        QCOMPARE(messagesShown(), QStringList({taf::kProperEmail, taf::kDistinctEmails, taf::kEnterName, taf::kProperEmail,
                                               taf::kEnterName, taf::kEnterMessage, taf::kEnterFriendName}));
        for (const auto &m : m_desk->messages) {
            QCOMPARE(m.icon, MessageIcon::Critical);
            QCOMPARE(m.title, QStringLiteral("Padmora"));
        }
        QVERIFY(m_desk->opened.isEmpty());
        // The form keeps what was typed after every message.
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        QCOMPARE(email->text(), QStringLiteral("ann@example.org"));
        QCOMPARE(friendEmail->text(), QStringLiteral("bob@example.org"));
    }

    void aValidFormOpensTheAddressAndStaysOpen()
    {
        fillIn();
        clickInto(message());
        QTest::keyClick(message(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(message(), Qt::Key_Return);
        QTest::keyClicks(message(), QStringLiteral("Second line"));
        QTest::keyClick(message(), Qt::Key_Return);
        QTest::keyClicks(message(), QStringLiteral("  Third & last = #1 + more  "));
        submit();
        QVERIFY(m_desk->messages.isEmpty());
        QCOMPARE(m_desk->opened.size(), 1);
        const QUrl sent = m_desk->lastOpened();
        QCOMPARE(sent.scheme(), QStringLiteral("https"));
        QCOMPARE(sent.adjusted(QUrl::RemoveQuery), tellAFriendPageUrl());
        // Trimmed, with the line breaks as CR LF, and nothing else changed.
        QCOMPARE(decodedQuery(sent),
                 QStringList({QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                              QStringLiteral("Have a look\r\nSecond line\r\n  Third & last = #1 + more"),
                              QStringLiteral("Bob"), QStringLiteral("bob@example.org"),
                              productHomePageUrl().toString(QUrl::FullyEncoded)}));
        // Sending leaves the screen and the form as they were; it can send again.
        QVERIFY(m_screen && m_screen->isVisible());
        QCOMPARE(line(QStringLiteral("txtName"))->text(), QStringLiteral("Ann"));
        submit();
        QCOMPARE(m_desk->opened.size(), 2);
        QVERIFY(m_ends.isEmpty());
    }

    void longAndManyLinedValuesAreSentWhole()
    {
        fillIn();
        // 10 000 characters, pasted and then typed on.
        const QString longName = QString(9990, QLatin1Char('a')) + QStringLiteral(" Ann Lee &");
        line(QStringLiteral("txtName"))->selectAll();
        line(QStringLiteral("txtName"))->insert(longName.left(9990));
        QTest::keyClicks(line(QStringLiteral("txtName")), longName.mid(9990));
        // Far past what a line box takes by default.
        const QString huge = QString(40000, QLatin1Char('b'));
        line(QStringLiteral("txtFriendName"))->selectAll();
        line(QStringLiteral("txtFriendName"))->insert(huge);
        QString lines;
        for (int i = 0; i < 500; ++i)
            lines += QStringLiteral("line %1 & #%1 = +%1\n").arg(i);
        message()->setPlainText(lines);
        submit();
        QVERIFY(m_desk->messages.isEmpty());
        QCOMPARE(m_desk->opened.size(), 1);
        QString expectedMessage = lines.trimmed();
        expectedMessage.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        const QStringList values = decodedQuery(m_desk->lastOpened());
        QCOMPARE(values.size(), 6);
        QCOMPARE(values[0], longName);
        QCOMPARE(values[2], expectedMessage);
        QCOMPARE(values[3], huge);
        QCOMPARE(line(QStringLiteral("txtName"))->text(), longName);
        QCOMPARE(line(QStringLiteral("txtFriendName"))->text(), huge);
    }

    // --- the links ------------------------------------------------------------

    void theLinksOpenTheirPages()
    {
        auto *check1 = control<QCheckBox>(QStringLiteral("Check1"));
        click(check1);
        QVERIFY(!check1->isChecked());
        QCOMPARE(m_desk->opened, QList<QUrl>{forumUrl()});
        click(check1);
        QCOMPARE(m_desk->opened.size(), 2);
        // Ticked or unticked by the program: nothing opens.
        check1->setChecked(true);
        check1->setChecked(false);
        QCOMPARE(m_desk->opened.size(), 2);

        click(control<QWidget>(QStringLiteral("lblGoToHome")));
        QCOMPARE(m_desk->lastOpened(), softwaresPageUrl());
        QVERIFY(m_desk->messages.isEmpty());
        QVERIFY(m_ends.isEmpty());
    }

    // --- the way out ------------------------------------------------------------

    void leavingTheFarewellScreenEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void leavingTheFarewellScreenEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        Stray stray;
        stray.show();
        if (closeBox)
            pressCloseBox(m_screen);
        else
            click(control<QPushButton>(QStringLiteral("cmdClose")));
        QCOMPARE(m_ends, QStringList{QStringLiteral("end")});
        QCOMPARE(stray.closes, 1);
        QVERIFY(!stray.isVisible());
        settle();
        QVERIFY(!m_screen);
        QVERIFY(!farewellScreen());
    }

    void closingTheMainWindowEndsOnTheFarewellScreen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit button") << QStringLiteral("cmdMdiExit");
        QTest::newRow("File Exit") << QStringLiteral("mnuExit");
        QTest::newRow("close box") << QStringLiteral("close box");
    }
    void closingTheMainWindowEndsOnTheFarewellScreen()
    {
        QFETCH(QString, way);
        m_screen->close();  // opened by init(); this run starts from the main window
        settle();
        m_ends.clear();
        QVERIFY(!farewellScreen());

        QPointer<MainWindow> main = startPadmora();
        QVERIFY(main);
        click(child<QPushButton>(main.data(), QStringLiteral("cmdSelectOption"), 1));
        QPointer<Form> start = main->screen(QStringLiteral("frmChakrasMain"));
        QVERIFY(start);
        QStringList log;
        auto *noting = new NotingForm(log);
        main->mdiArea()->addSubWindow(noting)->show();

        if (way == QStringLiteral("cmdMdiExit"))
            click(child<QPushButton>(main.data(), way));
        else if (way == QStringLiteral("mnuExit"))
            QVERIFY(trigger(main.data(), way));
        else
            pressCloseBox(main);
        settle();

        // Every program screen went through its unload first ...
        QCOMPARE(log, QStringList{QStringLiteral("unloaded before the farewell")});
        QVERIFY(!start || start->isUnloaded());
        QVERIFY(!main);
        // ... then the farewell screen came, and the program runs on.
        m_screen = farewellScreen();
        QVERIFY(m_screen);
        QVERIFY(m_screen->isVisible());
        QVERIFY(mainWindows().isEmpty());
        QVERIFY(m_ends.isEmpty());
        QVERIFY(!QApplication::quitOnLastWindowClosed());

        click(control<QPushButton>(QStringLiteral("cmdClose")));
        QCOMPARE(m_ends, QStringList{QStringLiteral("end")});
    }

    void theQuitRoutineEndsWithoutAFarewellScreen()
    {
        m_screen->close();
        settle();
        m_ends.clear();
        QPointer<MainWindow> main = startPadmora();
        QVERIFY(main);
        click(child<QPushButton>(main.data(), QStringLiteral("cmdSelectOption"), 2));
        QPointer<Form> start = main->screen(QStringLiteral("frmChakrasTarotMain"));
        QVERIFY(start);
        quitPadmora();
        settle();
        QVERIFY(!main);
        QVERIFY(!start || start->isUnloaded());
        QVERIFY(!farewellScreen());
        QCOMPARE(m_ends, QStringList{QStringLiteral("end")});
    }

    void theFarewellScreenShowsOnce()
    {
        showFarewellScreen();
        int shown = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            shown += (w->objectName() == QStringLiteral("frmNagScreen2") && w->isVisible()) ? 1 : 0;
        QCOMPARE(shown, 1);
        QCOMPARE(farewellScreen(), m_screen.data());
    }
};

PADMORA_TEST_MAIN(FarewellTest)
#include "tst_farewell.moc"
