// SPDX-License-Identifier: GPL-3.0-or-later
// Every text stays readable on a light and on a dark desktop: where Padmora
// draws text in a colour of its own, the background behind it is its own
// too. Screens are drawn, and each text's colour is measured against the
// pixels it is drawn on (contrast at least 4.5 : 1).

#include "app/form.h"
#include "app/screennames.h"
#include "chakras/program.h"
#include "outreach/aboutbox.h"
#include "outreach/farewell.h"
#include "support/readingdriver.h"
#include "support/recordingdesktop.h"
#include "support/session.h"
#include "tarot/tarotcards.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFragment>
#include <cmath>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(42, 42, 42), text(230, 230, 230), grey(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::PlaceholderText, grey);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

// The colour most of an area is painted in.
QRgb background(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb most = 0;
    int best = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > best)
            best = it.value(), most = it.key();
    return most;
}

// How the text of an area stands out from the background it is painted on:
// the contrast of the text's own colour (the one furthest from the
// background that the glyphs paint more than a few pixels in) against it.
double textContrast(const QImage &image)
{
    const QRgb bg = background(image);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() >= 3)
            best = std::max(best, contrast(it.key(), bg));
    return best;
}

// Every shown label with text in a window, measured where the window draws it.
QStringList unreadableLabels(QWidget *window)
{
    const QImage shot = window->grab().toImage();
    QStringList poor;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().trimmed().isEmpty())
            continue;
        const QRect area = QRect(label->mapTo(window, QPoint(0, 0)), label->size()).intersected(shot.rect());
        if (area.width() < 4 || area.height() < 4)
            continue;
        // Only what is in sight: a label under another screen is not drawn.
        QWidget *top = window->childAt(area.center());
        if (top != label && !label->isAncestorOf(top))
            continue;
        const double ratio = textContrast(shot.copy(area));
        if (ratio < 4.5)
            poor << QStringLiteral("%1 (%2 : 1)").arg(label->objectName()).arg(ratio, 0, 'f', 2);
    }
    return poor;
}

// Each colour the report is written in, against the paper the view paints.
QStringList unreadableRuns(QTextBrowser *view)
{
    const QRgb paper = background(view->viewport()->grab().toImage());
    QStringList poor;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor colour =
                format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                  : view->palette().color(QPalette::Text);
            const double ratio = contrast(colour.rgb(), paper);
            if (ratio < 4.5)
                poor << QStringLiteral("%1 (%2 : 1)").arg(it.fragment().text().left(30)).arg(ratio, 0, 'f', 2);
        }
    poor.removeDuplicates();
    return poor;
}

#define expectReadable(list)                                                                                 \
    do {                                                                                                     \
        const QStringList poor = (list);                                                                     \
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QStringLiteral(", "))));                              \
    } while (false)

} // namespace

class PaletteTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;

    void usePalette(bool dark)
    {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        settle();
    }

    static void palettes()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

private slots:
    void init()
    {
        QVERIFY(session.start());
    }

    void cleanup()
    {
        session.end();
        QApplication::setPalette(QApplication::style()->standardPalette());
        ClearTarotCardNeeded();
    }

    void theMainWindowAndAStartScreen_data() { palettes(); }
    void theMainWindowAndAStartScreen()
    {
        QFETCH(bool, dark);
        usePalette(dark);
        expectReadable(unreadableLabels(main.get()));
        main->setWelcomeVisible(false);
        main->openScreen(screens::kTarotMain);
        expectReadable(unreadableLabels(main.get()));
    }

    void theResultsAndTheirReports_data() { palettes(); }
    void theResultsAndTheirReports()
    {
        QFETCH(bool, dark);
        usePalette(dark);
        main->setWelcomeVisible(false);
        // Dark red, black and teal runs: an under-active, an open and an over-active chakra.
        ReadingDriver test(main.get(), chakraTestProgram());
        main->openScreen(screens::kTestMain);
        QVERIFY(test.run({{0, 1}, {3, 4}, {6, 8}}));
        Form *result = main->screen(screens::kTestResult);
        QVERIFY(result);
        auto *report = child<QTextBrowser>(result, QStringLiteral("RTB"));
        report->append(QStringLiteral("See www.padmora.example for more."));  // a link's colour too
        expectReadable(unreadableRuns(report));
        expectReadable(unreadableLabels(main.get()));

        ReadingDriver tarot(main.get(), chakrasTarotProgram());
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 2));
        QVERIFY(tarot.run({{1, 0}, {4, 7}}));
        Form *tarotResult = main->screen(screens::kTarotResult);
        QVERIFY(tarotResult);
        expectReadable(unreadableRuns(child<QTextBrowser>(tarotResult, QStringLiteral("RTB"))));
        expectReadable(unreadableLabels(main.get()));
    }

    void theCardPages_data() { palettes(); }
    void theCardPages()
    {
        QFETCH(bool, dark);
        usePalette(dark);
        main->setWelcomeVisible(false);
        TarotCardNeeded().fill(-1);
        QVERIFY(AssignTarotCards());
        Form *pages = main->openScreen(screens::kTarotPages);
        QVERIFY(pages);
        for (int page = 0; page < 3; ++page) {
            expectReadable(unreadableLabels(main.get()));
            click(child<QPushButton>(pages, QStringLiteral("cmdNext")));
        }
    }

    void theWindowsOfTheirOwn_data() { palettes(); }
    void theWindowsOfTheirOwn()
    {
        QFETCH(bool, dark);
        usePalette(dark);
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        expectReadable(unreadableLabels(&about));

        FarewellScreen farewell;
        farewell.Form_Load();
        farewell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&farewell));
        expectReadable(unreadableLabels(&farewell));
    }
};

PADMORA_TEST_MAIN(PaletteTest)
#include "tst_palette.moc"
