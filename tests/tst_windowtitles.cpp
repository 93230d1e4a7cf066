// SPDX-License-Identifier: GPL-3.0-or-later
// On a real X server, each window's title is exactly the program's own, as
// the window manager reads it: nothing is appended to it.

#include "app/mainwindow.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

using namespace padmora;
using namespace padmora::testing;

namespace {

// A window's title as the X server holds it for the window manager (UTF-8 _NET_WM_NAME).
QString titleOnTheServer(const QWidget *w)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return QStringLiteral("(no X server)");
    }
    auto atom = [c](const char *name) {
        xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return a;
    };
    const xcb_atom_t netWmName = atom("_NET_WM_NAME");
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    QString title;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(w->window()->winId()), netWmName, utf8, 0, 1024), nullptr);
    if (reply) {
        title = QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
        free(reply);
    }
    xcb_disconnect(c);
    return title;
}

} // namespace

class WindowTitlesTest : public QObject {
    Q_OBJECT

private slots:
    void titlesAreTheProgramsOwn()
    {
        RecordingDesktop fake;
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTRY_COMPARE(titleOnTheServer(&main), QStringLiteral("Padmora v1.15"));

        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTRY_COMPARE(titleOnTheServer(&about), QStringLiteral("Padmora v1.15"));

        FarewellScreen farewell;
        farewell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&farewell));
        QTRY_COMPARE(titleOnTheServer(&farewell), QStringLiteral("Padmora v1.15"));
    }

    void aMessageBoxIsTitledWithTheProgramsName()
    {
        QString title;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            title = titleOnTheServer(box);
            box->accept();
        });
        QMessageBox box(QMessageBox::Information, kAppTitle, QStringLiteral("Application is already running"));
        box.exec();
        QCOMPARE(title, QStringLiteral("Padmora"));
    }
};

PADMORA_TEST_MAIN(WindowTitlesTest)
#include "tst_windowtitles.moc"
