// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora's windows on a real X server: every title is exactly the program's
// own, as a window manager reads it; the farewell screen appears above
// everything without taking the focus, and takes the keyboard once the user
// clicks into it. Clicks and keys are real X input (the XTEST extension).

#include "app/leaving.h"
#include "app/mainwindow.h"
#include "app/quitroutine.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

using namespace padmora;
using namespace padmora::testing;

namespace {

xcb_extension_t g_xtest = {"XTEST", 0};

// XTestFakeInput, as the protocol lays it out.
struct FakeInputRequest {
    uint8_t majorOpcode;
    uint8_t minorOpcode;
    uint16_t length;
    uint8_t type;
    uint8_t detail;
    uint16_t pad0;
    uint32_t time;
    uint32_t root;
    uint32_t pad1[2];
    int16_t rootX;
    int16_t rootY;
    uint32_t pad2;
    uint16_t pad3;
    uint8_t pad4;
    uint8_t deviceId;
};
static_assert(sizeof(FakeInputRequest) == 36);

class XInput {
public:
    XInput()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const xcb_query_extension_reply_t *ext = xcb_get_extension_data(m_c, &g_xtest);
        m_ok = ext && ext->present;
    }
    ~XInput() { xcb_disconnect(m_c); }
    bool ok() const { return m_ok; }
    xcb_connection_t *connection() const { return m_c; }

    void click(const QPoint &global)
    {
        fake(XCB_MOTION_NOTIFY, 0, int16_t(global.x()), int16_t(global.y()));
        fake(XCB_BUTTON_PRESS, 1);
        fake(XCB_BUTTON_RELEASE, 1);
        xcb_flush(m_c);
    }

    void type(const QString &text)
    {
        for (const QChar ch : text) {
            const xcb_keycode_t code = keycodeOf(ch.unicode());
            fake(XCB_KEY_PRESS, code);
            fake(XCB_KEY_RELEASE, code);
        }
        xcb_flush(m_c);
    }

    xcb_window_t inputFocus()
    {
        xcb_get_input_focus_reply_t *r = xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr);
        const xcb_window_t focus = r ? r->focus : 0;
        free(r);
        return focus;
    }

    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *r =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    }

    QList<uint32_t> property(xcb_window_t w, xcb_atom_t name, xcb_atom_t type)
    {
        QList<uint32_t> values;
        xcb_get_property_reply_t *r =
            xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, w, name, type, 0, 64), nullptr);
        if (r && r->format == 32) {
            const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(r));
            for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i)
                values << data[i];
        }
        free(r);
        return values;
    }

    // A window's title as its window manager reads it (_NET_WM_NAME, UTF-8).
    QString title(const QWidget *w)
    {
        xcb_get_property_reply_t *r = xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, xcb_window_t(w->winId()), atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 256),
            nullptr);
        const QString text = r ? QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(r)),
                                                   xcb_get_property_value_length(r))
                               : QString();
        free(r);
        return text;
    }

private:
    void fake(uint8_t type, uint8_t detail, int16_t x = 0, int16_t y = 0)
    {
        FakeInputRequest req{};
        req.type = type;
        req.detail = detail;
        req.root = type == XCB_MOTION_NOTIFY ? m_root : 0;
        req.rootX = x;
        req.rootY = y;
        iovec parts[4];
        parts[2].iov_base = &req;
        parts[2].iov_len = sizeof req;
        parts[3].iov_base = nullptr;
        parts[3].iov_len = 0;
        xcb_protocol_request_t request = {2, &g_xtest, 2 /* FakeInput */, 1};
        xcb_send_request(m_c, 0, parts + 2, &request);
    }

    xcb_keycode_t keycodeOf(uint32_t keysym)
    {
        const xcb_setup_t *setup = xcb_get_setup(m_c);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t *r = xcb_get_keyboard_mapping_reply(
            m_c, xcb_get_keyboard_mapping(m_c, setup->min_keycode, uint8_t(count)), nullptr);
        xcb_keycode_t found = 0;
        if (r) {
            const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(r);
            for (int k = 0; k < count && !found; ++k)
                if (syms[k * r->keysyms_per_keycode] == keysym)
                    found = xcb_keycode_t(setup->min_keycode + k);
        }
        free(r);
        return found;
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    bool m_ok = false;
};

QPoint centreOf(QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

} // namespace

class FarewellFocusTest : public QObject {
    Q_OBJECT

    QStringList m_ends;
    ProgramEnd m_previousEnd;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        m_previousEnd = setProgramEnd([this] { m_ends << QStringLiteral("end"); });
    }
    void cleanupTestCase() { setProgramEnd(m_previousEnd); }

    void titlesAreTheProgramsOwn()
    {
        XInput x;
        RecordingDesktop desk;
        MainWindow main;
        AboutBox about;
        FarewellScreen farewell;
        for (QWidget *w : {static_cast<QWidget *>(&main), static_cast<QWidget *>(&about), static_cast<QWidget *>(&farewell)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QTRY_COMPARE(x.title(w), QStringLiteral("Padmora v1.15"));
        }
    }

    void itAppearsAboveWithoutTakingTheFocusThenTakesTheKeyboard()
    {
        XInput x;
        QVERIFY(x.ok());
        RecordingDesktop desk;

        // The user is working in another window when the farewell screen comes.
        QWidget other;
        other.setWindowTitle(QStringLiteral("other"));
        other.setGeometry(40, 40, 300, 200);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        showFarewellScreen();
        QPointer<FarewellScreen> screen = farewellScreen();
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        QTest::qWait(300);
        QVERIFY(other.isActiveWindow());
        QVERIFY(!screen->isActiveWindow());
        QCOMPARE(x.inputFocus(), xcb_window_t(other.winId()));
        // Not yet clicked into: every box still shows its placeholder.
        auto *email = child<QLineEdit>(screen.data(), QStringLiteral("txtEmail"));
        QCOMPARE(child<QLineEdit>(screen.data(), QStringLiteral("txtName"))->text(), QStringLiteral("Your Name"));
        QCOMPARE(email->text(), QStringLiteral("Your Email Address"));

        // What the window tells the X server and its window manager: keep me
        // above, do not focus me on showing, and give me the keyboard when asked.
        const xcb_window_t id = xcb_window_t(screen->winId());
        QVERIFY(x.property(id, x.atom("_NET_WM_STATE"), XCB_ATOM_ATOM).contains(x.atom("_NET_WM_STATE_ABOVE")));
        // A user time of 0 asks a window manager not to focus it on mapping.
        QCOMPARE(x.property(id, x.atom("_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL), QList<uint32_t>{0u});
        const QList<uint32_t> hints = x.property(id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS);
        QVERIFY(hints.size() >= 2);
        QVERIFY(hints[0] & 1u);  // InputHint
        QCOMPARE(hints[1], 1u);  // input: yes

        // A real click into the e-mail box: the screen becomes active, the
        // box takes the focus and drops its placeholder.
        x.click(centreOf(email));
        QTRY_VERIFY(screen->isActiveWindow());
        QTRY_VERIFY(email->hasFocus());
        QCOMPARE(email->text(), QString());
        QCOMPARE(child<QLineEdit>(screen.data(), QStringLiteral("txtName"))->text(), QStringLiteral("Your Name"));
        QTRY_COMPARE(x.inputFocus(), id);

        // Keys typed on the keyboard land in the box; a blank is refused.
        x.type(QStringLiteral("ann"));
        QTRY_COMPARE(email->text(), QStringLiteral("ann"));
        x.type(QStringLiteral(" "));
        QTRY_COMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.lastMessage().text, QStringLiteral("Email Address Cannot Contain Space"));
        x.type(QStringLiteral("a"));
        QTRY_COMPARE(email->text(), QStringLiteral("anna"));
        QVERIFY(email->hasFocus());

        // Clicking into the message box moves the keyboard there.
        auto *message = child<QPlainTextEdit>(screen.data(), QStringLiteral("txtMessage"));
        x.click(centreOf(message));
        QTRY_VERIFY(message->hasFocus());
        x.type(QStringLiteral("hi"));
        QTRY_COMPARE(message->toPlainText(), QStringLiteral("hi"));

        screen->close();
        QCOMPARE(m_ends, QStringList{QStringLiteral("end")});
        settle();
    }
};

PADMORA_TEST_MAIN(FarewellFocusTest)
#include "tst_farewellfocus.moc"
