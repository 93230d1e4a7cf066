// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and PDF: the readings written as PDFs on the offscreen platform
// and read back with poppler's tools (pdftotext, pdfinfo, pdftoppm), the
// print preview and the printer dialog driven through the recording desktop,
// and the paths a PDF cannot be written to.

#include "astrology/screens/astrologyscreen.h"
#include "chakras/catalogue.h"
#include "chakras/screens/program.h"
#include "chakras/screens/testresultscreen.h"
#include "guidance/opening.h"
#include "journal/keeping.h"
#include "kit/language.h"
#include "kit/qtdesktop.h"
#include "kit/screennames.h"
#include "reports/printing/pagination.h"
#include "reports/printing/printcommands.h"
#include "reports/printing/readingprinter.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/screens/tarotresultscreen.h"
#include "tarot/tarotcards.h"
#include "tarot/tarotsheet.h"
#include "support/readingdriver.h"
#include "support/session.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace padmora;
using namespace padmora::testing;

namespace {

const QString kEllipsis = QString(QChar(0x2026));

// What a poppler tool prints; empty when it fails.
QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(kPatience) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The text of one page (from 1), or of the whole PDF.
QString pdfText(const QString &pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return runTool(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

QString pdfInfo(const QString &pdf, const QString &key)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

int pdfPages(const QString &pdf)
{
    return pdfInfo(pdf, QStringLiteral("Pages")).toInt();
}

// One page as poppler paints it, at a resolution in pixels per inch.
QImage pdfPage(const QString &pdf, int page, int dpi)
{
    const QString stem = pdf + QStringLiteral(".page");
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-singlefile"), pdf, stem});
    QImage image(stem + QStringLiteral(".png"));
    QFile::remove(stem + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Words in order, whatever the lines and blanks between them, and whatever
// ligatures the type joined letters into ("ﬁ" for "fi").
QString words(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

// For a failure message: the expected text from where the actual one no
// longer holds it.
QString missingFrom(const QString &actual, const QString &expected)
{
    qsizetype found = 0, missing = expected.size() + 1;
    while (missing - found > 1) {
        const qsizetype middle = (found + missing) / 2;
        (actual.contains(expected.left(middle)) ? found : missing) = middle;
    }
    return QStringLiteral("missing from: ") + expected.mid(std::max<qsizetype>(0, found - 40), 200);
}

bool near(QRgb pixel, const QColor &colour, int tolerance = 40)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
           && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// How many pixels of a region are not white paper.
int inked(const QImage &image, const QRect &region)
{
    int count = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!near(image.pixel(x, y), Qt::white, 12))
                ++count;
    return count;
}

// The pixel rows of a column that hold a colour: first and last, or -1.
std::pair<int, int> rowsOf(const QImage &image, int x, const QColor &colour)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        if (near(image.pixel(x, y), colour, 20)) {
            if (first < 0)
                first = y;
            last = y;
        }
    return {first, last};
}

// The columns that hold a colour anywhere: first and last, or -1.
std::pair<int, int> columnsOf(const QImage &image, const QColor &colour)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (near(image.pixel(x, y), colour, 20)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

// The lines of a report that are bold from end to end: its headings.
QStringList headingsOf(const QTextDocument *document)
{
    QStringList headings;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed().isEmpty())
            continue;
        bool bold = true;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            bold = bold && (it.fragment().text().trimmed().isEmpty()
                            || it.fragment().charFormat().fontWeight() >= QFont::Bold);
        if (bold)
            headings << words(block.text());
    }
    return headings;
}

// Runs the effective user's file checks as somebody who owns nothing here,
// so that a read-only folder is read-only even to a test run as root.
class AsNobody {
public:
    AsNobody() : m_was(geteuid())
    {
        if (m_was == 0 && seteuid(65534) != 0)
            m_was = geteuid();
    }
    ~AsNobody()
    {
        if (m_was == 0 && seteuid(0) != 0)
            qFatal("could not become root again");
    }

private:
    uid_t m_was;
};

// Files larger than a few kilobytes cannot be written while this lives: the
// disk is full, as far as a writer can tell.
class FullDisk {
public:
    FullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_was);
        rlimit small = m_was;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &m_was); }

private:
    rlimit m_was{};
};

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<RecordingDesktop> &fake = session.fake;
    std::unique_ptr<MainWindow> &main = session.main;
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString &name) const { return folder->filePath(name); }

    QAction *item(const char *name) { return child<QAction>(main.get(), QString::fromLatin1(name)); }

    // A chakra test through the screens, every chakra ticked.
    TestResultScreen *fullTest(const TargetScores &scores = {{0, 1}, {1, 4}, {2, 7}, {3, 2}, {4, 5}, {5, 8}, {6, 0}})
    {
        main->setWelcomeVisible(false);
        main->openScreen(chakraTestProgram().startScreen);
        ReadingDriver driver(main.get(), chakraTestProgram());
        if (!driver.run(scores))
            return nullptr;
        return qobject_cast<TestResultScreen *>(main->screen(screens::kTestResult));
    }

    TarotResultScreen *tarotReading(const TargetScores &scores)
    {
        main->setWelcomeVisible(false);
        main->openScreen(chakrasTarotProgram().startScreen);
        ReadingDriver driver(main.get(), chakrasTarotProgram());
        if (!driver.run(scores))
            return nullptr;
        return qobject_cast<TarotResultScreen *>(main->screen(screens::kTarotResult));
    }

    AstrologyScreen *astrologyReading(const QString &name, const QString &month, const QString &day)
    {
        click(child<QPushButton>(main.get(), QStringLiteral("cmdSelectOption"), 0));
        auto *screen = qobject_cast<AstrologyScreen *>(main->screen(screens::kAstrologyMain));
        if (!screen)
            return nullptr;
        child<QLineEdit>(screen, QStringLiteral("txtName"))->setText(name);
        auto choose = [&](const char *list, const QString &text) {
            auto *box = child<QComboBox>(screen, QString::fromLatin1(list));
            box->setCurrentIndex(box->findText(text));
        };
        choose("cboMonth", month);
        choose("cboDate", day);
        choose("cboYear", QStringLiteral("1990"));
        click(child<QPushButton>(screen, QStringLiteral("cmdNext")));
        return screen;
    }

    // Save as PDF from the main window's File menu, answered with a path.
    bool saveAs(const QString &pdf)
    {
        fake->chosenFiles << pdf;
        return trigger(main.get(), QStringLiteral("mnuSavePdf")) && QFileInfo::exists(pdf);
    }

    // The PDF's pages' text, each page's footer taken out, in words.
    QString bodyWords(const QString &pdf)
    {
        const int pages = pdfPages(pdf);
        QString all;
        for (int p = 1; p <= pages; ++p)
            all += pdfText(pdf, p).remove(QStringLiteral("Page %1 of %2").arg(p).arg(pages)) + QLatin1Char(' ');
        return words(all);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                     "poppler-utils is needed (scripts/setup.sh installs it)");
    }

    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QVERIFY(session.start());
        // Every reading of a case is taken at 14:05 on the test's day; the
        // journal, which keeps one reading a moment, is not asked to keep them.
        fake->nowValue = QDateTime(fake->todayValue, QTime(14, 5));
        journal::setKeepingReadings(false);
    }

    void cleanup()
    {
        session.end();
        folder.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        ClearTarotCardNeeded();
    }

    void headingsStayWithTheLineAfterThem()
    {
        // Pages of 100: a heading that would end a page goes over with its line.
        const std::vector<PieceSize> pieces{{60, 0, false, false}, {20, 0, true, false}, {30, 0, false, false},
                                            {10, 0, false, false}};
        const std::vector<PiecePlace> placed = paginate(pieces, 100);
        QCOMPARE(placed[0].page, 0);
        QCOMPARE(placed[1].page, 1);
        QCOMPARE(placed[1].top, 0.0);
        QCOMPARE(placed[2].page, 1);
        QCOMPARE(placed[2].top, 20.0);
        QCOMPARE(pageCount(placed), 2);
        // A heading, an empty line and the text: all three go over together.
        const std::vector<PiecePlace> chained =
            paginate({{70, 0, false, false}, {10, 0, true, false}, {10, 0, true, true}, {15, 0, false, false}}, 100);
        QCOMPARE(chained[1].page, 1);
        QCOMPARE(chained[3].page, 1);
        QCOMPARE(chained[3].top, 20.0);
        // A run taller than a page is cut where the page ends; an empty line
        // and the room above a piece vanish at the top of a page.
        const std::vector<PiecePlace> tall =
            paginate({{10, 0, true, false}, {60, 0, true, false}, {60, 0, false, false}, {10, 0, false, true},
                      {10, 5, false, false}},
                     100);
        QCOMPARE(tall[1].page, 0);
        QCOMPARE(tall[2].page, 1);
        QCOMPARE(tall[3].shown, true);
        QCOMPARE(tall[4].top, 75.0);
        const std::vector<PiecePlace> blank =
            paginate({{95, 0, false, false}, {10, 0, false, true}, {10, 5, false, false}}, 100);
        QCOMPARE(blank[1].page, 1);
        QVERIFY(!blank[1].shown);
        QCOMPARE(blank[2].top, 0.0);
    }

    void aHeadingNeverEndsAPage()
    {
        // Headings and lines by turns, led by none or one plain line: without
        // care one of the two would end a page on a heading.
        for (int lead = 0; lead < 2; ++lead) {
            QTextDocument document;
            QTextCursor cursor(&document);
            QTextCharFormat bold, plain;
            bold.setFontWeight(QFont::Bold);
            plain.setFontWeight(QFont::Normal);
            for (int i = 0; i < lead; ++i)
                cursor.insertText(QStringLiteral("Lead line\n"), plain);
            for (int i = 0; i < 150; ++i) {
                cursor.insertText(QStringLiteral("Heading %1").arg(i), bold);
                cursor.insertBlock();
                cursor.insertText(QStringLiteral("Line under heading %1").arg(i), plain);
                cursor.insertBlock();
            }
            PrintableReading reading(QStringLiteral("Program"), QStringLiteral("headings"), fake->nowValue);
            reading.addDocument(document);
            const QString pdf = path(QStringLiteral("headings %1.pdf").arg(lead));
            QVERIFY(!writeReadingPdf(reading, pdf, readingPageLayout(QPageSize(QPageSize::A4))));
            const int pages = pdfPages(pdf);
            QVERIFY(pages >= 3);
            for (int p = 1; p <= pages; ++p) {
                const QString page = words(pdfText(pdf, p).remove(pageFooter(p, pages)));
                QVERIFY2(!QRegularExpression(QStringLiteral("Heading \\d+$")).match(page).hasMatch(),
                         qPrintable(QStringLiteral("page %1 ends: %2").arg(p).arg(page.right(40))));
                QVERIFY2(!QRegularExpression(QStringLiteral("^Line under")).match(page).hasMatch() || p == 1,
                         qPrintable(QStringLiteral("page %1 starts: %2").arg(p).arg(page.left(40))));
            }
        }
    }

    void aTableRowIsNeverCut()
    {
        QList<PrintedFact> rows;
        for (int i = 0; i < 40; ++i)
            rows.append({QStringLiteral("Caption %1").arg(i),
                         QStringLiteral("Fact %1 begins, ").arg(i)
                             + QStringLiteral("and goes on at some length so that it takes more than one line, ")
                                   .repeated(3)
                             + QStringLiteral("and fact %1 ends.").arg(i)});
        PrintableReading reading(QStringLiteral("Program"), QStringLiteral("facts"), fake->nowValue);
        reading.addFacts(rows, QStringLiteral(":/chakras/0 Crown Chakra.svg"));
        const QString pdf = path(QStringLiteral("facts.pdf"));
        QVERIFY(!writeReadingPdf(reading, pdf, readingPageLayout(QPageSize(QPageSize::A4))));
        const int pages = pdfPages(pdf);
        QVERIFY(pages >= 2);
        int found = 0;
        for (int p = 1; p <= pages; ++p) {
            const QString page = words(pdfText(pdf, p));
            for (int i = 0; i < 40; ++i) {
                const bool caption = page.contains(QStringLiteral("Caption %1 ").arg(i));
                const bool begins = page.contains(QStringLiteral("Fact %1 begins").arg(i));
                const bool ends = page.contains(QStringLiteral("fact %1 ends.").arg(i));
                QVERIFY2(caption == begins && begins == ends, qPrintable(QStringLiteral("row %1, page %2").arg(i).arg(p)));
                found += caption;
            }
        }
        QCOMPARE(found, 40);
    }

    void aGermanReadingIsGermanOnPaper()
    {
        QVERIFY(installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de")));
        struct Leave {
            ~Leave() { removeTranslations(); }
        } leave;
        QVERIFY(fullTest());
        const QString pdf = path(QStringLiteral("deutsch.pdf"));
        QVERIFY(saveAs(pdf));
        QCOMPARE(fake->fileQuestions.size(), 1);
        QCOMPARE(fake->fileQuestions[0].caption, QStringLiteral("Als PDF speichern"));
        QCOMPARE(fake->fileQuestions[0].filter, QStringLiteral("PDF-Dateien (*.pdf)"));
        QVERIFY(fake->fileQuestions[0].proposed.endsWith(
            QStringLiteral("Padmora Chakra-Test %1.pdf").arg(fake->todayValue.toString(Qt::ISODate))));
        const int pages = pdfPages(pdf);
        QVERIFY(pages >= 2);
        QVERIFY(words(pdfText(pdf, 1)).contains(QStringLiteral("Seite 1 von %1").arg(pages)));
        const QString body = bodyWords(pdf);
        for (const QString &expected :
             {QStringLiteral("Chakra-Test,"), QStringLiteral("Ergebnisse des Chakra-Tests"),
              QStringLiteral("Wurzel Sakral Nabel Herz Hals Stirn Krone"), QStringLiteral("1 von 8"),
              QStringLiteral("Ihr Wurzelchakra (Muladhara) ist unteraktiv Angst, Nervosität"),
              QStringLiteral("Ihr Stirnchakra (Ajna) ist überaktiv"), QStringLiteral("Fragen und Antworten")})
            QVERIFY2(body.contains(expected), qPrintable(missingFrom(body, expected)));
    }

    void aPdfThatCannotBeSavedIsToldInGerman()
    {
        QVERIFY(installTranslationFile(QStringLiteral(":/padmora/i18n/padmora_de.qm"), QStringLiteral("de")));
        struct Leave {
            ~Leave() { removeTranslations(); }
        } leave;
        QVERIFY(fullTest({{0, 1}}));
        const QString pdf = path(QStringLiteral("nirgends/deutsch.pdf"));
        fake->chosenFiles << pdf;
        QVERIFY(trigger(main.get(), QStringLiteral("mnuSavePdf")));
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].text,
                 QStringLiteral("Die PDF-Datei konnte nicht als %1 gespeichert werden: der Ordner %2 existiert nicht.")
                     .arg(pdf, path(QStringLiteral("nirgends"))));
    }

    void printItemsFollowTheActiveScreen()
    {
        for (const char *name : {"mnuPrint", "mnuPrintPreview", "mnuSavePdf"})
            QVERIFY2(!item(name)->isEnabled(), name);
        QCOMPARE(item("mnuPrint")->text(), QStringLiteral("&Print") + kEllipsis);
        QCOMPARE(item("mnuPrintPreview")->text(), QStringLiteral("Print Pre&view") + kEllipsis);
        QCOMPARE(item("mnuSavePdf")->text(), QStringLiteral("Save as &PDF") + kEllipsis);
        QCOMPARE(item("mnuPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(item("mnuSavePdf")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        // The start screen and the questionnaire show no reading.
        main->openScreen(chakraTestProgram().startScreen);
        QVERIFY(!item("mnuPrint")->isEnabled());
        QVERIFY(fullTest({{0, 3}}));
        for (const char *name : {"mnuPrint", "mnuPrintPreview", "mnuSavePdf"})
            QVERIFY2(item(name)->isEnabled(), name);
        // The keys work from inside the screen.
        QApplication::setActiveWindow(main.get());
        fake->onModal = [](QDialog &) { return int(QDialog::Rejected); };
        QTest::keyClick(main->screen(screens::kTestResult)->findChild<QTextBrowser *>(QStringLiteral("RTB")),
                        Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fake->fileQuestions.size(), 1);
        QTest::keyClick(main->screen(screens::kTestResult)->findChild<QTextBrowser *>(QStringLiteral("RTB")),
                        Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(fake->modals.size(), 1);
        QCOMPARE(fake->modals[0].objectName, QStringLiteral("dlgPrint"));
        fake->fileQuestions.clear();
        // Back on the welcome panel there is nothing to print again.
        click(child<QPushButton>(main->screen(screens::kTestResult), QStringLiteral("cmdChakrasBack")));
        settle();
        QVERIFY(!item("mnuSavePdf")->isEnabled());
        QVERIFY(!trigger(main.get(), QStringLiteral("mnuSavePdf")));
        QVERIFY(fake->fileQuestions.isEmpty());
    }

    void aWholeTestPrintsInOrderOnA4()
    {
        TestResultScreen *screen = fullTest();
        QVERIFY(screen);
        const QString pdf = path(QStringLiteral("test.pdf"));
        QVERIFY(saveAs(pdf));
        // The name proposed: the program and the day of the reading.
        QCOMPARE(fake->fileQuestions.size(), 1);
        QCOMPARE(fake->fileQuestions[0].caption, QStringLiteral("Save as PDF"));
        QCOMPARE(fake->fileQuestions[0].filter, QStringLiteral("PDF files (*.pdf)"));
        QCOMPARE(QFileInfo(fake->fileQuestions[0].proposed).fileName(),
                 QStringLiteral("Padmora chakra test 2026-12-08.pdf"));
        QVERIFY(fake->messages.isEmpty());

        QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")) == QStringLiteral("595 x 842 pts (A4)"),
                 qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));
        const int pages = pdfPages(pdf);
        QVERIFY2(pages >= 5, qPrintable(QString::number(pages)));  // seven chakras and 56 questions

        // The heading, on the first page only.
        const QString first = words(pdfText(pdf, 1));
        QVERIFY(first.startsWith(QStringLiteral("Zazeder Izorudav")));
        QVERIFY(first.contains(QStringLiteral("Padmora v1.15")));
        QVERIFY(first.contains(QStringLiteral("Chakra test, Tuesday, 8 December 2026, 14:05")));
        QVERIFY(first.contains(QStringLiteral("Results From The Chakra Test")));
        QVERIFY(!words(pdfText(pdf, 2)).contains(QStringLiteral("Padmora v1.15")));
        // Every page ends on its footer.
        for (int p = 1; p <= pages; ++p)
            QVERIFY2(words(pdfText(pdf, p)).endsWith(QStringLiteral("Page %1 of %2").arg(p).arg(pages)),
                     qPrintable(QString::number(p)));

        // The chart's labels and scores, then the whole report in order.
        const QString body = bodyWords(pdf);
        const qsizetype chart = body.indexOf(QStringLiteral("Root Sacral Navel Heart Throat Third Eye Crown"));
        QVERIFY(chart > 0);
        for (const char *score : {"1 of 8", "4 of 8", "7 of 8", "2 of 8", "5 of 8", "8 of 8", "0 of 8"})
            QVERIFY2(body.indexOf(QString::fromLatin1(score)) > 0, score);
        const QString report = words(screen->RTB()->toPlainText());
        QVERIFY(report.contains(QStringLiteral("Questions-Answers")));
        QVERIFY2(body.indexOf(report) > chart, qPrintable(missingFrom(body.mid(chart), report)));

        // The report's own colours: teal headings, the dark red exercise of
        // the under-active Root.
        const QImage look = pdfPage(pdf, 1, 50);
        int teal = 0, darkRed = 0;
        for (int y = 0; y < look.height(); ++y)
            for (int x = 0; x < look.width(); ++x) {
                teal += near(look.pixel(x, y), QColor(0, 128, 128), 30);
                darkRed += near(look.pixel(x, y), QColor(128, 0, 0), 30);
            }
        QVERIFY2(teal > 100 && darkRed > 100, qPrintable(QStringLiteral("%1 %2").arg(teal).arg(darkRed)));

        // make printed-page shows this PDF's first page in the user guide (docs/manual.md).
        if (const QString keep = qEnvironmentVariable("PADMORA_KEEP_PDF"); !keep.isEmpty())
            QVERIFY(QFile::copy(pdf, keep));

        // No heading of the report ends a page: it goes over with its line.
        const QStringList headings = headingsOf(screen->RTB()->document());
        QVERIFY(headings.size() > 56);
        for (int p = 1; p < pages; ++p) {
            const QString page =
                words(pdfText(pdf, p).remove(QStringLiteral("Page %1 of %2").arg(p).arg(pages)));
            for (const QString &heading : headings)
                QVERIFY2(!page.endsWith(heading), qPrintable(QStringLiteral("page %1 ends on %2").arg(p).arg(heading)));
        }
    }

    void letterPaperWhereUsMeasuresAreUsed()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(fullTest({{3, 4}}));
        const QString pdf = path(QStringLiteral("letter.pdf"));
        QVERIFY(saveAs(pdf));
        QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")) == QStringLiteral("612 x 792 pts (letter)"),
                 qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));
        QVERIFY(words(pdfText(pdf, 1)).contains(QStringLiteral("Tuesday, December 8, 2026")));
    }

    void theChartIsDrawnToScale()
    {
        // Root 8 of 8 (a full bar), Heart 4 of 8 (half of it).
        QVERIFY(fullTest({{0, 8}, {3, 4}}));
        const QString pdf = path(QStringLiteral("chart.pdf"));
        QVERIFY(saveAs(pdf));
        // At 144 pixels to the inch a pixel is 10 twips: the full bar is 1995
        // twips high, the half one 50 % of that, and both stand on one line.
        const QImage page = pdfPage(pdf, 1, 144);
        QVERIFY(!page.isNull());
        const auto root = columnsOf(page, QColor(255, 0, 0));
        const auto heart = columnsOf(page, QColor(0, 128, 0));
        QVERIFY(root.first > 0 && heart.first > root.second);
        // 345 twips wide, 870 apart.
        QVERIFY2(std::abs(root.second - root.first + 1 - 34.5) <= 2, qPrintable(QString::number(root.second - root.first)));
        QVERIFY(std::abs(heart.first - root.first - 3 * 87) <= 2);
        const auto rootRows = rowsOf(page, (root.first + root.second) / 2, QColor(255, 0, 0));
        const auto heartRows = rowsOf(page, (heart.first + heart.second) / 2, QColor(0, 128, 0));
        QVERIFY2(std::abs(rootRows.second - rootRows.first + 1 - 199.5) <= 2,
                 qPrintable(QString::number(rootRows.second - rootRows.first + 1)));
        QVERIFY2(std::abs(heartRows.second - heartRows.first + 1 - 99.75) <= 2,
                 qPrintable(QString::number(heartRows.second - heartRows.first + 1)));
        QVERIFY(std::abs(rootRows.second - heartRows.second) <= 1);
        // The scores over the bars, the labels under them.
        const QString text = words(pdfText(pdf, 1));
        QVERIFY(text.contains(QStringLiteral("8 of 8")));
        QVERIFY(text.contains(QStringLiteral("4 of 8")));
        QVERIFY(!text.contains(QStringLiteral("0 of 8")));  // only ticked chakras have a score
    }

    void aDarkDesktopStillPrintsBlackOnWhite()
    {
        // A report whose text has no colour of its own takes the paper's ink,
        // not the desktop's light text.
        const QPalette was = QApplication::palette();
        QPalette dark(QColor(30, 30, 30), QColor(20, 20, 20));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        QApplication::setPalette(dark);
        QTextDocument document;
        document.setPlainText(QStringLiteral("Plain words with no colour of their own. ").repeated(150));
        PrintableReading reading(QStringLiteral("Program"), QStringLiteral("dark desktop"), fake->nowValue);
        reading.addDocument(document);
        const QString pdf = path(QStringLiteral("dark.pdf"));
        const bool written = !writeReadingPdf(reading, pdf, readingPageLayout(QPageSize(QPageSize::A4)));
        QApplication::setPalette(was);
        QVERIFY(written);
        const QImage page = pdfPage(pdf, 1, 50);
        QVERIFY(!page.isNull());
        QCOMPARE(QColor(page.pixel(2, 2)), QColor(Qt::white));
        // Below the heading: ink on paper, nothing of the desktop's dark face.
        const QRect text(0, page.height() / 5, page.width(), page.height() / 5);
        int ink = 0, face = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                ink += qGray(page.pixel(x, y)) < 110;
                face += near(page.pixel(x, y), QColor(20, 20, 20), 6);
            }
        QVERIFY2(ink > 1000, qPrintable(QString::number(ink)));
        QVERIFY(face < ink);
    }

    void theTarotPrintsItsChartReportAndCards()
    {
        // Sacral open, Heart over-active: Heart's two cards.
        TarotResultScreen *screen = tarotReading({{1, 4}, {3, 7}});
        QVERIFY(screen);
        const QString pdf = path(QStringLiteral("tarot.pdf"));
        QVERIFY(saveAs(pdf));
        QCOMPARE(QFileInfo(fake->fileQuestions.last().proposed).fileName(),
                 QStringLiteral("Padmora chakras tarot 2026-12-08.pdf"));
        const QString body = bodyWords(pdf);
        QVERIFY(body.startsWith(QStringLiteral("Dovazov Urera")));
        const qsizetype report = body.indexOf(words(screen->RTB()->toPlainText()));
        QVERIFY2(report > 0, qPrintable(missingFrom(body, words(screen->RTB()->toPlainText()))));
        const TarotCard &justice = TarotCardTable()[4];
        const TarotCard &temperance = TarotCardTable()[5];
        const QString cards = words(QStringLiteral("Heart Chakra (Anahata) %1 Description %2 Reverse Description %3 "
                                                   "Heart Chakra (Anahata) %4 Description %5 Reverse Description %6")
                                        .arg(justice.name, justice.reading, justice.reverseReading, temperance.name,
                                             temperance.reading, temperance.reverseReading));
        QVERIFY2(body.indexOf(cards) > report, qPrintable(body.right(1500)));
        QVERIFY(!body.contains(TarotCardTable()[1].name));  // the open Sacral draws no card
    }

    void theCardPagesPrintEveryCardOfTheirReading()
    {
        // Root and Crown not open: Wheel of Fortune and Death.
        TarotResultScreen *result = tarotReading({{0, 1}, {6, 8}});
        QVERIFY(result);
        fake->nowValue = fake->nowValue.addSecs(3600);  // printed later than read
        click(child<QPushButton>(result, QStringLiteral("cmdYogaChakra")));
        settle();
        Form *pages = main->screen(screens::kTarotPages);
        QVERIFY(pages);
        click(child<QPushButton>(pages, QStringLiteral("cmdNext")));  // from the second page too
        const QString pdf = path(QStringLiteral("cards.pdf"));
        QVERIFY(saveAs(pdf));
        QCOMPARE(QFileInfo(fake->fileQuestions.last().proposed).fileName(),
                 QStringLiteral("Padmora tarot cards 2026-12-08.pdf"));
        QCOMPARE(pdfPages(pdf), 1);
        const QString body = bodyWords(pdf);
        // The time of the reading, not of the printing.
        QVERIFY2(body.contains(QStringLiteral("Tarot cards, Tuesday, 8 December 2026, 14:05")), qPrintable(body));
        const qsizetype wheel = body.indexOf(QStringLiteral("Root Chakra (Muladhara) Wheel of Fortune Description"));
        const qsizetype death = body.indexOf(QStringLiteral("Crown Chakra (Sahasrara) Death Description"));
        QVERIFY(wheel > 0 && death > wheel);
        // Each card's picture beside its texts, in the left column below the heading.
        const QImage page = pdfPage(pdf, 1, 72);
        const double mm = 72 / 25.4;
        const QRect pictures(int(15 * mm), int(40 * mm), int(1.5 * 72), page.height() - int(60 * mm));
        QVERIFY2(inked(page, pictures) > pictures.width() * pictures.height() / 4,
                 qPrintable(QString::number(inked(page, pictures))));
    }

    void astrologyPrintsTheElevenFactsAndThePictureButNoName()
    {
        AstrologyScreen *screen = astrologyReading(QStringLiteral("Asha Rahman"), QStringLiteral("July"),
                                                   QStringLiteral("23"));
        QVERIFY(screen);
        QVERIFY(item("mnuSavePdf")->isEnabled());
        const QString pdf = path(QStringLiteral("astrology.pdf"));
        QVERIFY(saveAs(pdf));
        QCOMPARE(QFileInfo(fake->fileQuestions.last().proposed).fileName(),
                 QStringLiteral("Padmora chakras astrology 2026-12-08.pdf"));
        const QString body = bodyWords(pdf);
        QVERIFY(!body.contains(QStringLiteral("Asha")));
        QStringList facts;
        const char *captions[11] = {"Sun Sign", "Ruling Planet", "Chakra Name", "Description", "Symbol",
                                    "Sanskrit Name", "Keyword", "Color", "Open", "Overactive", "Underactive"};
        for (int i = 0; i < 11; ++i)
            facts << QString::fromLatin1(captions[i])
                         << child<QLabel>(screen, QStringLiteral("lblResult"), i)->text();
        QVERIFY(facts.contains(QStringLiteral("Leo")));
        QVERIFY2(body.contains(words(facts.join(QLatin1Char(' ')))), qPrintable(body));
        // The crown's picture at the right of the facts.
        const QImage page = pdfPage(pdf, 1, 72);
        const double mm = 72 / 25.4;
        const QRect picture(page.width() - int(60 * mm), int(35 * mm), int(45 * mm), int(45 * mm));
        QVERIFY2(inked(page, picture) > picture.width() * picture.height() / 5,
                 qPrintable(QString::number(inked(page, picture))));
        // Back on the details page there is nothing to print.
        click(child<QPushButton>(screen, QStringLiteral("cmdBack")));
        QVERIFY(!item("mnuSavePdf")->isEnabled());
    }

    void theAstrologyTableIsKeptOnOnePage()
    {
        AstrologyScreen *screen =
            astrologyReading(QStringLiteral("Asha"), QStringLiteral("July"), QStringLiteral("23"));
        QVERIFY(screen);
        const std::optional<PrintableReading> shown = screen->printableReading();
        QVERIFY(shown && shown->blocks().size() == 2);
        const auto *title = std::get_if<PrintedTitle>(&shown->blocks()[0]);
        const auto *facts = std::get_if<PrintedFacts>(&shown->blocks()[1]);
        QVERIFY(title && facts && facts->rows.size() == 11);
        QStringList lines{title->text};  // the title, then each row's caption and text
        for (const PrintedFact &row : facts->rows)
            lines << words(row.caption + QLatin1Char(' ') + row.text);
        const QPageLayout layout = readingPageLayout(QPageSize(QPageSize::A4));
        const double pageTwips = layout.paintRect(QPageLayout::Inch).height() * 1440;
        // A drawing ahead of it brings the table nearer and nearer the end of
        // the first page: it stays whole, on the first page or the second.
        QList<int> pagesOfTable;
        for (int tenths = 1; tenths <= 8; ++tenths) {
            PrintableReading reading(shown->program(), shown->topic(), shown->takenAt());
            reading.addDrawing(QSizeF(1440, pageTwips * tenths / 10), [](QPainter &) {});
            reading.addTitle(title->text);
            reading.addFacts(facts->rows, facts->picture);
            const QString pdf = path(QStringLiteral("astrology %1.pdf").arg(tenths));
            QVERIFY(!writeReadingPdf(reading, pdf, layout));
            for (int p = 1; p <= pdfPages(pdf); ++p) {
                const QString page = words(pdfText(pdf, p));
                const auto here =
                    std::count_if(lines.begin(), lines.end(), [&](const QString &line) { return page.contains(line); });
                QVERIFY2(here == 0 || here == lines.size(),
                         qPrintable(QStringLiteral("%1/10: %2 lines on page %3").arg(tenths).arg(here).arg(p)));
                if (here > 0)
                    pagesOfTable << p;
            }
            QCOMPARE(pagesOfTable.size(), tenths);
        }
        QVERIFY(pagesOfTable.contains(1) && pagesOfTable.contains(2));
    }

    void thePreviewShowsEveryPageAndGoesAway()
    {
        QVERIFY(fullTest());
        const QString pdf = path(QStringLiteral("pages.pdf"));
        QVERIFY(saveAs(pdf));
        const int widgets = int(QApplication::allWidgets().size());
        int previewed = -1;
        fake->onModal = [&](QDialog &dialog) {
            dialog.show();
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
                previewed = preview->pageCount();
            return int(QDialog::Rejected);
        };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuPrintPreview")));
        QCOMPARE(fake->modals.size(), 1);
        QCOMPARE(fake->modals[0].objectName, QStringLiteral("dlgPrintPreview"));
        QCOMPARE(previewed, pdfPages(pdf));
        settle();
        // Nothing of the preview stays behind.
        QCOMPARE(int(QApplication::allWidgets().size()), widgets);
    }

    void thePreviewsPrintButtonGoesOnToThePrinterDialog()
    {
        QVERIFY(fullTest({{2, 6}}));
        const QString pdf = path(QStringLiteral("printed.pdf"));
        fake->onModal = [&](QDialog &dialog) {
            if (dialog.objectName() == QStringLiteral("dlgPrintPreview")) {
                dialog.show();
                for (QAction *action : dialog.findChildren<QAction *>())
                    if (action->text() == QStringLiteral("Print"))
                        action->trigger();
                return dialog.result();
            }
            // The printer dialog: print to a file.
            QPrinter *printer = static_cast<QPrintDialog &>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuPrintPreview")));
        QCOMPARE(fake->modals.size(), 2);
        QCOMPARE(fake->modals[1].objectName, QStringLiteral("dlgPrint"));
        QCOMPARE(pdfPages(pdf), 2);
        QVERIFY(words(pdfText(pdf, 1)).contains(QStringLiteral("Your Navel Chakra (Manipura) is OverActive")));
    }

    void printingGoesThroughThePrinterDialog()
    {
        QVERIFY(fullTest({{4, 3}}));
        // Cancelled: nothing printed.
        fake->onModal = [](QDialog &) { return int(QDialog::Rejected); };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuPrint")));
        QCOMPARE(fake->modals.size(), 1);
        QCOMPARE(fake->modals[0].objectName, QStringLiteral("dlgPrint"));
        const QString pdf = path(QStringLiteral("printer.pdf"));
        QPageLayout offered;
        fake->onModal = [&](QDialog &dialog) {
            QPrinter *printer = static_cast<QPrintDialog &>(dialog).printer();
            offered = printer->pageLayout();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        QVERIFY(trigger(main.get(), QStringLiteral("mnuPrint")));
        // 15 mm all round.
        QCOMPARE(offered.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(words(pdfText(pdf)).contains(QStringLiteral("Your Throat Chakra (Vishuddha) is Open")));
        QVERIFY(fake->messages.isEmpty());
    }

    void cancellingTheFileDialogWritesNothing()
    {
        QVERIFY(fullTest({{0, 3}}));
        QVERIFY(trigger(main.get(), QStringLiteral("mnuSavePdf")));
        QCOMPARE(fake->fileQuestions.size(), 1);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(QDir(folder->path()).isEmpty());
    }

    void aNameWithoutAnExtensionIsSavedAsPdf()
    {
        QVERIFY(fullTest({{0, 3}}));
        QDir here(folder->path());
        // No extension: ".pdf" is added; an extension of its own stays.
        for (const char *name : {"my reading", "my reading.final"}) {
            fake->chosenFiles << path(QString::fromLatin1(name));
            QVERIFY(trigger(main.get(), QStringLiteral("mnuSavePdf")));
        }
        QCOMPARE(here.entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("my reading.final"), QStringLiteral("my reading.pdf")}));
        QCOMPARE(pdfPages(path(QStringLiteral("my reading.pdf"))), 1);
        QVERIFY(fake->messages.isEmpty());
        // A PDF already there under the name with ".pdf" is replaced only when
        // the user says so, after a question that names it.
        const QByteArray kept("what the user keeps");
        QFile old(path(QStringLiteral("kept.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(kept);
        old.close();
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            fake->answers << answer;
            fake->chosenFiles << path(QStringLiteral("kept"));
            QVERIFY(trigger(main.get(), QStringLiteral("mnuSavePdf")));
            QCOMPARE(fake->messages.size(), answer == MessageAnswer::No ? 1 : 2);
            const ShownMessage asked = fake->messages.last();
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
            QVERIFY2(asked.text.contains(path(QStringLiteral("kept.pdf"))), qPrintable(asked.text));
            if (answer == MessageAnswer::No) {
                QVERIFY(old.open(QIODevice::ReadOnly));
                QCOMPARE(old.readAll(), kept);
                old.close();
            } else {
                QCOMPARE(pdfPages(path(QStringLiteral("kept.pdf"))), 1);
            }
        }
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("kept"))));
    }

    void theRealSaveDialogAddsTheExtensionAndLetsATooLongNameThrough()
    {
        QtDesktop real;
        // The dialog as a user answers it: the name it offers replaced by
        // one typed, then Return.
        QString offered;
        auto answered = [&](const QString &typed) {
            QTimer::singleShot(0, this, [typed, &offered] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                auto *name = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
                if (!name)
                    return;
                offered = name->text();
                name->setText(typed);
                QTest::keyClick(name, Qt::Key_Return);
                if (dialog->isVisible())  // it refused the name
                    dialog->reject();
            });
            return real.chooseSaveFile(kSavePdfCaption, path(QStringLiteral("proposed.pdf")), kPdfFilter);
        };
        QCOMPARE(answered(QStringLiteral("my reading")), path(QStringLiteral("my reading.pdf")));
        QCOMPARE(offered, QStringLiteral("proposed.pdf"));
        // A name the file system cannot take goes on to the writer, which says why.
        const QString tooLong = QString(296, QLatin1Char('x')) + QStringLiteral(".pdf");  // 300 bytes
        QCOMPARE(answered(tooLong), path(tooLong));
    }

    void badPathsSayWhereAndLeaveNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("folder missing") << QStringLiteral("missing");
        QTest::addRow("folder read-only") << QStringLiteral("read-only");
        QTest::addRow("disk full") << QStringLiteral("full");
        QTest::addRow("name too long") << QStringLiteral("too long");
    }

    void badPathsSayWhereAndLeaveNothing()
    {
        QFETCH(QString, kind);
        QVERIFY(fullTest());
        QDir here(folder->path());
        QVERIFY(here.mkdir(QStringLiteral("shelf")));
        const QString shelf = here.filePath(QStringLiteral("shelf"));
        QString pdf = QDir(shelf).filePath(QStringLiteral("Padmora chakra test.pdf"));
        // A PDF the user already keeps there stays as it was.
        const QByteArray kept("what the user keeps");
        if (kind == QStringLiteral("missing")) {
            pdf = here.filePath(QStringLiteral("no such folder/reading.pdf"));
        } else if (kind == QStringLiteral("too long")) {
            pdf = QDir(shelf).filePath(QString(296, QLatin1Char('x')) + QStringLiteral(".pdf"));  // a 300-byte name
        } else {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(kept);
            old.close();
        }
        if (kind == QStringLiteral("read-only"))
            QVERIFY(QFile::setPermissions(shelf, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                     | QFile::ExeOther));
        fake->chosenFiles << pdf;
        {
            std::unique_ptr<AsNobody> nobody;
            std::unique_ptr<FullDisk> full;
            if (kind == QStringLiteral("read-only"))
                nobody = std::make_unique<AsNobody>();
            if (kind == QStringLiteral("full"))
                full = std::make_unique<FullDisk>();
            QVERIFY(trigger(main.get(), QStringLiteral("mnuSavePdf")));
        }
        QFile::setPermissions(shelf, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(fake->messages.size(), 1);
        const ShownMessage said = fake->messages[0];
        QCOMPARE(said.icon, MessageIcon::Critical);
        QVERIFY2(said.text.contains(pdf), qPrintable(said.text));
        if (kind == QStringLiteral("missing")) {
            QVERIFY(said.text.contains(QStringLiteral("does not exist")));
            QVERIFY(!QFileInfo::exists(pdf));
            QCOMPARE(here.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("shelf")});
        } else if (kind == QStringLiteral("too long")) {
            const QString reason = QStringLiteral("the name is too long for the file system");
            QCOMPARE(said.text, QStringLiteral("The PDF could not be saved as %1: %2.").arg(pdf, reason));
            QCOMPARE(QDir(shelf).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        } else {
            // Only the old file, whole: no half PDF, no temporary file.
            QCOMPARE(QDir(shelf).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{QFileInfo(pdf).fileName()});
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), kept);
        }
    }
};

PADMORA_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
