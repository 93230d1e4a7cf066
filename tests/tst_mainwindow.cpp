// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: captions, menus, the program selector
// and the welcome links, which screens they close and where screens open.

#include "app/mainwindow.h"
#include "kit/form.h"
#include "kit/linklabel.h"
#include "kit/links.h"
#include "kit/screennames.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

static QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

class MainWindowTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    QPushButton *selector(int i) { return child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), i); }
    LinkLabel *caption(int i) { return child<LinkLabel>(main.get(), QStringLiteral("lblCaption"), i); }
    QWidget *welcome() { return child<QWidget>(main.get(), QStringLiteral("picMain")); }
    bool isOpen(const QString &name) { return main->screen(name) != nullptr; }

    QStringList openScreens()
    {
        QStringList names;
        for (Form *f : main->mdiArea()->findChildren<Form *>())
            if (!f->isUnloaded())
                names << f->objectName();
        names.sort();
        return names;
    }

    // Opens every screen the selector can close, and the tarot pages, without
    // going through the selector.
    void openAllTestScreens()
    {
        for (const QString &name : {screens::kTestMain, screens::kTestQuestions, screens::kTarotMain,
                                    screens::kTarotQuestions, screens::kTestResult})
            main->openScreen(name);
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
    }

    void captionsAndPanels()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral("Padmora v1.15"));
        QCOMPARE(selector(0)->text(), QStringLiteral("Vovuvev Avoverazi"));
        QCOMPARE(selector(1)->text(), QStringLiteral("Zazeder Izorudav"));
        QCOMPARE(selector(2)->text(), QStringLiteral("Dovazov Urera"));
        QCOMPARE(caption(0)->text(), QStringLiteral("Welcome to Padmora"));
        QCOMPARE(caption(1)->text(),
                 QStringLiteral("Welcome to the Padmora! Know more about your Vovuvev Avoverazi & Tarot and "
                                "understand yourself better. Just enter the required details and get an instant "
                                "reading."));
        QCOMPARE(caption(2)->text(), QStringLiteral("Padmora includes the following programs"));
        QCOMPARE(caption(3)->text(), QStringLiteral("Vovuvev Avoverazi"));
        QCOMPARE(caption(4)->text(), QStringLiteral("Zazeder Izorudav"));
        QCOMPARE(caption(5)->text(), QStringLiteral("Dovazov Urera"));
        QCOMPARE(child<QPushButton>(main.get(), QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Exit"));
        QCOMPARE(child<QLabel>(main.get(), QStringLiteral("Label7"))->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                "online. Get this software fully branded for your website. Click here for more "
                                "details."));
        QVERIFY(welcome()->isVisible());
        // The docked panels keep their designed heights.
        QCOMPARE(twipsOf(child<QWidget>(main.get(), QStringLiteral("Picture6"))).height(), 555);  // 560 -> 37 px
        QCOMPARE(twipsOf(child<QWidget>(main.get(), QStringLiteral("Picture1"))).height(), 900);
        QCOMPARE(twipsOf(welcome()).height(), 8640);
        QCOMPARE(twipsOf(child<QWidget>(main.get(), QStringLiteral("PicCoBrand"))).height(), 735);
        // Only the three program links show a hand.
        for (int i = 0; i < 6; ++i)
            QCOMPARE(caption(i)->cursor().shape(), i >= 3 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

    void oneIconRenderedFromItsDrawing()
    {
        // The main window and the program screens show the application's own
        // icon, not copies of it.
        const QIcon icon = QGuiApplication::windowIcon();
        QCOMPARE(main->windowIcon().cacheKey(), icon.cacheKey());
        main->openScreen(screens::kTestMain);
        QMdiSubWindow *sub = main->mdiArea()->subWindowList().value(0);
        QVERIFY(sub);
        QCOMPARE(sub->windowIcon().cacheKey(), icon.cacheKey());

        // Raster pictures at the sizes a window shows, each the drawing of icon.svg.
        const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
        QCOMPARE(icon.availableSizes(), sizes);
        QSvgRenderer drawing(QFINDTESTDATA("../resources/brand/icon.svg"));
        QVERIFY(drawing.isValid());
        for (const QSize &size : sizes) {
            QImage expected(size, QImage::Format_ARGB32_Premultiplied);
            expected.fill(Qt::transparent);
            QPainter painter(&expected);
            drawing.render(&painter, QRectF(QPointF(0, 0), size));
            painter.end();
            expected = expected.convertToFormat(QImage::Format_ARGB32).convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            const QImage shown = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(shown.size(), size);
            int differing = 0, opaque = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
                    opaque += qAlpha(a) == 255;
                    differing += std::abs(qRed(a) - qRed(b)) > 2 || std::abs(qGreen(a) - qGreen(b)) > 2
                                 || std::abs(qBlue(a) - qBlue(b)) > 2 || std::abs(qAlpha(a) - qAlpha(b)) > 2;
                }
            QCOMPARE(differing, 0);
            QVERIFY(opaque > size.width() * size.height() / 4);
        }
    }

    void layoutCentresOnTheScreen()
    {
        const double sw = screenWidthTwips();
        auto centred = [&](QWidget *w) {
            const QRect r = twipsOf(w);
            return std::abs(r.x() - (sw - r.width()) / 2) <= 15;
        };
        QVERIFY(centred(child<QWidget>(main.get(), QStringLiteral("lblVendrelBanner"))));
        QVERIFY(centred(child<QWidget>(main.get(), QStringLiteral("picButtonContainer"))));
        for (int i = 0; i < 6; ++i)
            QVERIFY2(centred(caption(i)), qPrintable(QString::number(i)));
        const QRect exit = twipsOf(child<QWidget>(main.get(), QStringLiteral("cmdMdiExit")));
        QVERIFY(std::abs(exit.x() - (sw - (exit.width() + 120))) <= 15);
    }

    void menuBarAsDesigned()
    {
        QMenuBar *bar = main->menuBar();
        QCOMPARE(captionsOf(bar->actions()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("Make Money &Online")}));
        // Printing and PDF act on the active screen, above Exit.
        QCOMPARE(captionsOf(child<QMenu>(bar, QStringLiteral("mnuFile"))->actions()),
                 (QStringList{QStringLiteral("My &Readings\u2026"), QStringLiteral("Keep a &Journal of My Readings"),
                              QStringLiteral("-"), QStringLiteral("Practise a &Chakra"),
                              QStringLiteral("Re&mind Me to Retake the Test"), QStringLiteral("-"),
                              QString::fromUtf8("&Print\u2026"), QString::fromUtf8("Print Pre&view\u2026"),
                              QString::fromUtf8("Save as &PDF\u2026"), QStringLiteral("-"), QStringLiteral("E&xit")}));
        QCOMPARE(captionsOf(child<QMenu>(bar, QStringLiteral("mnuHelp"))->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                              QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                              QStringLiteral("&About Software")}));
        QAction *makeMoney = child<QAction>(bar, QStringLiteral("mkmoney"));
        QVERIFY(makeMoney->isVisible());
        QVERIFY(!makeMoney->isEnabled());
        // With no reading on show there is nothing to print: those items
        // are greyed. Every other item is on.
        const QStringList printing{QStringLiteral("mnuPrint"), QStringLiteral("mnuPrintPreview"),
                                   QStringLiteral("mnuSavePdf")};
        for (QAction *a : bar->findChildren<QAction *>())
            if (a != makeMoney && !a->isSeparator())
                QVERIFY2(a->isEnabled() != printing.contains(a->objectName()), qPrintable(a->text()));
    }

    void helpItemsOpenTheirPagesAndNothingElse()
    {
        const struct {
            const char *item;
            QUrl url;
        } cases[] = {{"mnuOnline", helpPageUrl()}, {"mnuVisit", forumUrl()}, {"mnuUpdate", downloadPageUrl()}};
        for (const auto &c : cases) {
            fake->opened.clear();
            QVERIFY(trigger(main.get(), QString::fromLatin1(c.item)));
            QCOMPARE(fake->opened, QList<QUrl>{c.url});
            QVERIFY(welcome()->isVisible());
            QVERIFY(openScreens().isEmpty());
            QVERIFY(fake->messages.isEmpty());
        }
        QCOMPARE(helpPageUrl().toString(), QStringLiteral("https://forum.padmora.example/padmora/padmora-help.html"));
        QCOMPARE(downloadPageUrl().toString(),
                 QStringLiteral("https://forum.padmora.example/padmora/download-padmora.html"));
        QCOMPARE(fullBrandPageUrl().toString(), QStringLiteral("https://help.padmora.example/fully-branded.html"));
        QCOMPARE(coBrandPageUrl().toString(), QStringLiteral("https://help.padmora.example/co-brand.html"));
    }

    void bannerAndBrandLabelsAreLinks()
    {
        click(child<QWidget>(main.get(), QStringLiteral("lblVendrelBanner")));
        click(child<QWidget>(main.get(), QStringLiteral("Label7")));
        QTest::mouseClick(child<QWidget>(main.get(), QStringLiteral("Picture6")), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(fake->opened, (QList<QUrl>{forumUrl(), fullBrandPageUrl(), forumUrl()}));
    }

    void aboutBoxIsShownModally()
    {
        QString seen;
        fake->onModal = [&](QDialog &d) {
            seen = child<QLabel>(&d, QStringLiteral("Label2"))->text();
            click(child<QWidget>(&d, QStringLiteral("lblHomePage")));
            return 1;
        };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuAbout")));
        QCOMPARE(fake->modals.size(), 1);
        QCOMPARE(fake->modals[0].objectName, QStringLiteral("frmAbout"));
        QCOMPARE(fake->modals[0].title, QStringLiteral("Padmora v1.15"));
        QVERIFY(fake->modals[0].modal);
        QCOMPARE(seen, QStringLiteral("Padmora v1.15"));
        QCOMPARE(fake->opened, QList<QUrl>{forumUrl()});
    }

    void selectorOpensAFreshCentredStartScreen_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("screen");
        QTest::newRow("test") << 1 << screens::kTestMain;
        QTest::newRow("tarot") << 2 << screens::kTarotMain;
    }

    void selectorOpensAFreshCentredStartScreen()
    {
        QFETCH(int, index);
        QFETCH(QString, screen);
        click(selector(index));
        Form *first = main->screen(screen);
        QVERIFY(first);
        QVERIFY(!welcome()->isVisible());
        QVERIFY(first->isVisible());
        const QRect r = first->windowGeometryTwips();
        // Equal room left and right against the screen width, top edge at 0.
        QVERIFY2(std::abs(r.x() - (screenWidthTwips() - r.width()) / 2) <= 15, qPrintable(QString::number(r.x())));
        QCOMPARE(r.y(), 0);

        // Pressing the same program again gives a fresh screen, nothing ticked.
        child<QCheckBox>(first, QStringLiteral("chkChakras"), 2)->setChecked(true);
        QPointer<Form> old(first);
        click(selector(index));
        settle();
        QVERIFY(old.isNull());
        Form *second = main->screen(screen);
        QVERIFY(second);
        QVERIFY(!child<QCheckBox>(second, QStringLiteral("chkChakras"), 2)->isChecked());
        QVERIFY(!welcome()->isVisible());
        QCOMPARE(openScreens(), QStringList{screen});
    }

    void selectorClosesEveryProgramScreenButThePages()
    {
        openAllTestScreens();
        click(selector(1));
        settle();
        QCOMPARE(openScreens(), QStringList{screens::kTestMain});
        QVERIFY(!welcome()->isVisible());
    }

    void welcomeLinksLeaveTheQuestionnairesOpen()
    {
        openAllTestScreens();
        click(caption(5));
        settle();
        QCOMPARE(openScreens(),
                 sorted(QStringList{screens::kTarotMain, screens::kTestQuestions, screens::kTarotQuestions}));
        QVERIFY(!welcome()->isVisible());
    }

    void plainWelcomeLabelsStillCloseScreens()
    {
        // With nothing open the heading changes nothing visible.
        click(caption(0));
        settle();
        QVERIFY(openScreens().isEmpty());
        QVERIFY(welcome()->isVisible());
        QVERIFY(fake->opened.isEmpty());

        // With a start screen open, a plain label closes it like any link;
        // its unload brings the welcome panel back.
        click(selector(1));
        click(caption(1));
        settle();
        QVERIFY(openScreens().isEmpty());
        QVERIFY(welcome()->isVisible());
    }

    void welcomeLinksOpenTheirPrograms()
    {
        click(caption(4));
        QCOMPARE(openScreens(), QStringList{screens::kTestMain});
        QVERIFY(!welcome()->isVisible());
        const QRect r = main->screen(screens::kTestMain)->windowGeometryTwips();
        QCOMPARE(r.y(), 0);
    }

    void linkLabelsUnderlineOnHover()
    {
        for (int i = 0; i < 6; ++i)
            QVERIFY(!caption(i)->isUnderlined());
        hover(caption(4));
        QVERIFY(caption(4)->isUnderlined());
        QVERIFY(!caption(3)->isUnderlined());
        hover(caption(1));  // a plain label does not underline
        QVERIFY(!caption(1)->isUnderlined());
        hover(caption(3));
        QVERIFY(caption(3)->isUnderlined());
        QVERIFY(caption(4)->isUnderlined());  // still, until the bare panel is crossed
        hover(welcome(), QPoint(5, 5));
        for (int i = 0; i < 6; ++i)
            QVERIFY(!caption(i)->isUnderlined());
    }

    void exitClosesProgramScreensFirst()
    {
        click(selector(1));
        QPointer<Form> start(main->screen(screens::kTestMain));
        click(child<QPushButton>(main.get(), QStringLiteral("cmdMdiExit")));
        QVERIFY(start.isNull() || start->isUnloaded());
        QVERIFY(!main->isVisible());
    }
};

PADMORA_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
