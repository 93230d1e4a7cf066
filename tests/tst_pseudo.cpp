// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora in its pseudo-translation (tools/pseudotr.cpp: every text marked
// ⟦…⟧, accented and two fifths longer) on a 1366 x 768 laptop screen: the
// catalogue keeps what a translation must keep, every screen, menu, message
// and report shows only marked texts, and no text is cut off or runs under
// another.

#include "chakras/screens/program.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/screennames.h"
#include "kit/textfit.h"
#include "support/readingdriver.h"
#include "support/session.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/tarotcards.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

using namespace padmora;
using namespace padmora::testing;

namespace {

// Every text not marked fails the test (false would only print and count them,
// while a folder's texts are being made translatable).
constexpr bool kUnmarkedTextsFail = true;

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// What may show unmarked: data, not text of Padmora's. The program names
// stay as they are in every language; the reader's name is what the test
// typed; months and week days come from the locale; numbers, dates, scores
// and signs have no letters.
const QStringList kData{QStringLiteral("Zazeder Izorudav"), QStringLiteral("Dovazov Urera"),
                        QStringLiteral("Vovuvev Avoverazi"), QStringLiteral("Padmora"), QStringLiteral("VQ"),
                        QStringLiteral("Lena")};

// The part of a text that is neither marked nor data.
QString unmarkedPart(QString text)
{
    // A marked text may hold another (a count within a sentence): the
    // innermost go first.
    static const QRegularExpression innermost(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    while (text.contains(innermost))
        text.remove(innermost);
    for (const QString &data : kData)
        text.remove(data);
    const QLocale locale;
    for (int m = 1; m <= 12; ++m)
        for (auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            text.remove(locale.monthName(m, format));
    for (int d = 1; d <= 7; ++d)
        text.remove(locale.dayName(d));
    // Addresses and file names are data too.
    text.remove(QRegularExpression(QStringLiteral("\\S*[/@.]\\S*[A-Za-z]\\S*")));
    return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) ? text : QString();
}

QString shownText(const QLabel *label)
{
    return Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                              : label->text();
}

QString withoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

int lineWidth(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

bool isTextControl(const QWidget *w)
{
    auto *label = qobject_cast<const QLabel *>(w);
    auto *button = qobject_cast<const QAbstractButton *>(w);
    return (label && !label->text().trimmed().isEmpty()) || (button && !button->text().trimmed().isEmpty());
}

// Why a shown text control cannot show its text whole, or an empty string.
QString cutOff(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("needs %1 px of height, has %2").arg(label->heightForWidth(label->width())).arg(label->height());
        } else {
            QTextDocument doc;
            doc.setDefaultFont(label->font());
            doc.setDocumentMargin(0);
            doc.setHtml(label->text());
            const QString plain = label->buddy() ? withoutMnemonic(label->text()) : label->text();
            const int wanted = Qt::mightBeRichText(label->text()) ? int(std::ceil(doc.idealWidth()))
                                                                   : lineWidth(label->fontMetrics(), plain);
            const int room = label->contentsRect().width() - 2 * label->margin();
            if (wanted > room)
                return QStringLiteral("needs %1 px of width, has %2").arg(wanted).arg(room);
        }
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        const QStyle *style = button->style();
        int room = button->contentsRect().width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (qobject_cast<QCheckBox *>(button))
            room = button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                   - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        else if (qobject_cast<QRadioButton *>(button))
            room = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                   - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        if (!button->icon().isNull())
            room -= button->iconSize().width();
        const int wanted = lineWidth(button->fontMetrics(), withoutMnemonic(button->text()));
        if (wanted > room)
            return QStringLiteral("needs %1 px of width, has %2").arg(wanted).arg(room);
    }
    QWidget *parent = w->parentWidget();
    // A text in a scroll area scrolls: it runs out of its viewport on purpose.
    auto *scroll = qobject_cast<QAbstractScrollArea *>(parent->parentWidget());
    if (scroll && scroll->viewport() == parent)
        return QString();
    if (!parent->rect().contains(w->geometry()))
        return QStringLiteral("runs out of %1").arg(parent->objectName());
    for (QObject *object : parent->children()) {
        auto *other = qobject_cast<QWidget *>(object);
        if (other && other != w && other->isVisible() && isTextControl(other) && other->geometry().intersects(w->geometry())
            && other->y() > w->y())
            return QStringLiteral("runs under %1").arg(other->objectName());
    }
    return QString();
}

struct Findings {
    QStringList unmarked;  // (a)
    QStringList cut;       // (b)

    void text(const QString &where, const QString &what, const QString &value)
    {
        if (const QString part = unmarkedPart(value); !part.isEmpty())
            unmarked << QStringLiteral("%1 %2 %3: \"%4\"").arg(where, what, part.simplified(), value.left(80).simplified());
    }

    void menu(const QString &where, const QList<QAction *> &actions)
    {
        for (QAction *action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            text(where, action->objectName() + QStringLiteral(" text"), action->text());
            if (action->menu())
                menu(where, action->menu()->actions());
        }
    }

    void widget(const QString &where, QWidget *w)
    {
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (w->isWindow())
            text(where, name + QStringLiteral(" title"), w->windowTitle());
        text(where, name + QStringLiteral(" tooltip"), w->toolTip());
        text(where, name + QStringLiteral(" accessible name"), w->accessibleName());
        text(where, name + QStringLiteral(" accessible description"), w->accessibleDescription());
        if (auto *label = qobject_cast<QLabel *>(w))
            text(where, name, shownText(label));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text(where, name, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            text(where, name, group->title());
        else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                text(where, name + QStringLiteral(" tab"), tabs->tabText(i));
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                text(where, name + QStringLiteral(" item"), combo->itemText(i));
        else if (auto *line = qobject_cast<QLineEdit *>(w))
            text(where, name + QStringLiteral(" placeholder"), line->placeholderText());
        else if (auto *report = qobject_cast<QTextEdit *>(w)) {
            for (QTextBlock b = report->document()->begin(); b.isValid(); b = b.next())
                text(where, name + QStringLiteral(" line"), b.text());
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
            if (plain->isReadOnly())
                text(where, name, plain->toPlainText());
            text(where, name + QStringLiteral(" placeholder"), plain->placeholderText());
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model() && !qobject_cast<QHeaderView *>(w)) {
            QAbstractItemModel *model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                text(where, name + QStringLiteral(" header"), model->headerData(c, Qt::Horizontal).toString());
        }
        if (isTextControl(w) && w->parentWidget())
            if (const QString why = cutOff(w); !why.isEmpty())
                cut << QStringLiteral("%1 %2 \"%3\": %4").arg(where, name, isTextControl(w) ? w->property("text").toString().left(60) : QString(), why);
    }

    // Everything shown in a window, with its menus.
    void screen(const QString &where, QWidget *root)
    {
        if (!root)
            return;
        widget(where, root);
        for (QWidget *w : root->findChildren<QWidget *>())
            if (w->isVisible() && !w->isWindow())
                widget(where, w);
        if (auto *window = qobject_cast<QMainWindow *>(root); window && window->menuWidget())
            if (auto *bar = qobject_cast<QMenuBar *>(window->menuWidget()))
                menu(where, bar->actions());
    }

    void messages(const QString &where, const QList<ShownMessage> &shown)
    {
        for (const ShownMessage &m : shown) {
            text(where, QStringLiteral("message"), m.text);
            text(where, QStringLiteral("message title"), m.title);
        }
    }
};

// The placeholders, mnemonics and markup of a text, in order.
QStringList keptParts(const QString &text)
{
    static const QRegularExpression kept(QStringLiteral("%L?\\d{1,2}|%n|&&|&[#\\w]+;|&\\w|<[^>]+>|\n"));
    QStringList parts;
    for (auto it = kept.globalMatch(text); it.hasNext();)
        parts << it.next().captured();
    return parts;
}

} // namespace

class PseudoTest : public QObject {
    Q_OBJECT

    Session session;
    std::unique_ptr<MainWindow> &main = session.main;
    Findings found;

    Form *open(const QString &name)
    {
        main->setWelcomeVisible(false);
        Form *form = main->openScreen(name);
        settle();
        return form;
    }

    void closeAll()
    {
        for (Form *form : main->mdiArea()->findChildren<Form *>())
            form->unload();
        settle();
    }

private slots:
    void initTestCase() { QVERIFY(installTranslationFile(QStringLiteral(PADMORA_PSEUDO_QM))); }
    void cleanupTestCase()
    {
        removeTranslations();
        found.unmarked.removeDuplicates();
        qInfo("%lld texts not marked:\n%s", qlonglong(found.unmarked.size()), qPrintable(found.unmarked.join(QLatin1Char('\n'))));
        qInfo("%lld texts cut off:\n%s", qlonglong(found.cut.size()), qPrintable(found.cut.join(QLatin1Char('\n'))));
    }
    void init() { QVERIFY(session.start()); }
    void cleanup()
    {
        ClearTarotCardNeeded();
        session.end();
    }

    // Each text comes back marked, longer and accented, with every placeholder,
    // mnemonic, tag and entity, line break and outer blank it had.
    void theCatalogueKeepsWhatATranslationMustKeep()
    {
        QFile file(QStringLiteral(PADMORA_PSEUDO_TS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString source;
        QString comment;
        bool numerus = false;
        int checked = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == QLatin1String("message")) {
                numerus = ts.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
                comment.clear();
            }
            if (ts.name() == QLatin1String("comment"))
                comment = ts.readElementText(QXmlStreamReader::SkipChildElements);
            if (ts.name() == QLatin1String("source"))
                source = ts.readElementText(QXmlStreamReader::SkipChildElements);
            if (ts.name() != QLatin1String("translation") && ts.name() != QLatin1String("numerusform"))
                continue;
            QVERIFY2(!ts.attributes().hasAttribute(QStringLiteral("type")), qPrintable(source));
            if (numerus && ts.name() == QLatin1String("translation"))
                continue;  // its forms follow
            const QString translation = ts.readElementText(QXmlStreamReader::SkipChildElements);
            if (comment == QLatin1String("date format")) {
                // A form for QDate::toString stays as it is, or no date would be one.
                QCOMPARE(translation, source);
                continue;
            }
            const QString core = source.trimmed();
            const qsizetype lead = source.indexOf(core);
            QVERIFY2(translation.startsWith(source.left(lead) + kOpen), qPrintable(translation));
            QVERIFY2(translation.endsWith(kClose + source.mid(lead + core.size())), qPrintable(translation));
            QCOMPARE(keptParts(translation), keptParts(source));
            QVERIFY2(translation.size() >= 2 + core.size() * 13 / 10, qPrintable(translation));
            ++checked;
        }
        QVERIFY(!ts.hasError());
        QVERIFY(checked > 100);
        // Accented, with the mnemonic still on a letter.
        QCOMPARE(QCoreApplication::translate("Desktop", "&Try Again"), QStringLiteral("⟦&Trý~ ÁÁgááíñ~⟧"));
    }

    void theMainWindowAndItsMenus() { found.screen(QStringLiteral("main window"), main.get()); }

    void everyStartScreen()
    {
        TarotCardNeeded().fill(-1);
        AssignTarotCards();
        for (const QString &name : {screens::kAstrologyMain, screens::kTestMain, screens::kTarotMain, screens::kTarotPages,
                                    screens::kJournal, screens::kPractice}) {
            found.screen(name, open(name));
            closeAll();
        }
    }

    void theReadingsAndTheirReports()
    {
        Form *astrology = open(screens::kAstrologyMain);
        child<QLineEdit>(astrology, QStringLiteral("txtName"))->setText(QStringLiteral("Lena"));
        click(child<QPushButton>(astrology, QStringLiteral("cmdNext")));
        found.screen(QStringLiteral("astrology reading"), astrology);
        closeAll();
        for (const ProgramTraits *program : {&chakraTestProgram(), &chakrasTarotProgram()}) {
            ReadingDriver driver(main.get(), *program);
            Form *questions = driver.openAndStart({0, 1, 2, 3, 4, 5, 6});
            QVERIFY(questions);
            found.screen(program->questionsScreen, questions);
            QVERIFY(driver.answerAll(TargetScores{{0, 2}, {1, 5}, {2, 8}, {3, 1}, {4, 3}, {5, 6}, {6, 0}}));
            for (Form *form : main->mdiArea()->findChildren<Form *>())
                if (!form->isUnloaded() && form->isVisible())
                    found.screen(form->objectName(), form);
            closeAll();
        }
        Form *journal = open(screens::kJournal);
        found.screen(QStringLiteral("My Readings"), journal);
        auto *tabs = child<QTabWidget>(journal, QStringLiteral("tabJournal"));
        for (int i = 1; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            settle();
            found.screen(QStringLiteral("My Readings, ") + tabs->tabText(i), journal);
        }
    }

    void theCommonMessages()
    {
        click(child<QPushButton>(open(screens::kTestMain), QStringLiteral("cmdTest")));  // no chakra ticked
        Form *astrology = open(screens::kAstrologyMain);
        child<QLineEdit>(astrology, QStringLiteral("txtName"))->setText(QStringLiteral("Lena"));
        auto *month = child<QComboBox>(astrology, QStringLiteral("cboMonth"));
        auto *day = child<QComboBox>(astrology, QStringLiteral("cboDate"));
        month->setCurrentIndex(1);  // February
        day->setCurrentIndex(day->count() - 1);  // the 31st
        click(child<QPushButton>(astrology, QStringLiteral("cmdNext")));
        closeAll();
        Form *journal = open(screens::kJournal);
        session.fake->answers = {MessageAnswer::Yes, MessageAnswer::No};
        click(child<QPushButton>(journal, QStringLiteral("cmdDeleteAll")));
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("bad.json"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ not json");
        file.close();
        session.fake->chosenFiles = {bad};
        click(child<QPushButton>(journal, QStringLiteral("cmdImport")));
        QVERIFY(session.fake->messages.size() >= 4);
        found.messages(QStringLiteral("messages"), session.fake->messages);
    }

    // A placed text that outgrows its control takes the free room beside it,
    // never a neighbour's, and gives it back when it is short again; a label
    // with no room beside it wraps.
    void aLongerTextTakesFreeRoomAndGivesItBack()
    {
        Form form(QStringLiteral("frmFitting"), QStringLiteral("Fitting"), 6000, 3000);
        auto *button = new QPushButton(QStringLiteral("Go"), form.client());
        auto *neighbour = new QPushButton(QStringLiteral("Stop"), form.client());
        auto *label = new QLabel(QStringLiteral("Name:"), form.client());
        auto *below = new QLabel(QStringLiteral("x"), form.client());
        setDesignGeometry(button, QRect(10, 10, 60, 24));
        setDesignGeometry(neighbour, QRect(200, 10, 60, 24));
        setDesignGeometry(label, QRect(10, 50, 60, 20));
        setDesignGeometry(new QLabel(QStringLiteral("y"), form.client()), QRect(72, 50, 100, 20));
        setDesignGeometry(below, QRect(10, 120, 60, 20));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(designGeometry(button), QRect(10, 10, 60, 24));

        const QString longer = QStringLiteral("Go on with the next step");
        button->setText(longer);
        label->setText(QStringLiteral("Your name as you write it:"));
        settle();
        const QRect grown = designGeometry(button);
        QVERIFY2(grown.width() > button->fontMetrics().horizontalAdvance(longer), qPrintable(QString::number(grown.width())));
        QVERIFY(grown.right() < 200 && grown.left() >= 0);
        QCOMPARE(grown.top(), 10);
        QVERIFY(label->wordWrap());
        QCOMPARE(designGeometry(label).width(), 60);
        QVERIFY(designGeometry(label).bottom() < 120);
        QVERIFY(label->heightForWidth(60) <= label->height());

        button->setText(QStringLiteral("Go"));
        label->setText(QStringLiteral("Name:"));
        settle();
        QCOMPARE(designGeometry(button), QRect(10, 10, 60, 24));
        QCOMPARE(designGeometry(label), QRect(10, 50, 60, 20));
        QVERIFY(!label->wordWrap());
    }

    // A wrapped text with no room around it scrolls in its box, reached by
    // Tab in its place and named after its text; a row of check boxes gives
    // a long text the room its short neighbours do not need. Both go back to
    // their design when the texts are short again.
    void aTextWithNoRoomScrollsAndARowSharesItsWidth()
    {
        Form form(QStringLiteral("frmFitting"), QStringLiteral("Fitting"), 6000, 3000);
        auto *before = new QPushButton(QStringLiteral("Before"), form.client());
        auto *text = new QLabel(QStringLiteral("Short."), form.client());
        text->setWordWrap(true);
        text->setObjectName(QStringLiteral("lblText"));
        setDesignGeometry(before, QRect(10, 10, 60, 24));
        setDesignGeometry(text, QRect(80, 10, 200, 40));
        setDesignGeometry(new QLabel(QStringLiteral("x"), form.client()), QRect(80, 52, 200, 20));
        setDesignGeometry(new QLabel(QStringLiteral("y"), form.client()), QRect(282, 10, 20, 20));
        const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QList<QCheckBox *> boxes;
        for (int i = 0; i < 3; ++i) {
            boxes << new QCheckBox(names[i], form.client());
            setDesignGeometry(boxes[i], QRect(10 + i * 84, 100, 80, 20));
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QString paragraph = QString(QStringLiteral("A sentence that goes on and on. ")).repeated(12);
        text->setText(paragraph);
        const QString longName = QStringLiteral("A name far too long");
        boxes[1]->setText(longName);
        settle();
        auto *scroll = child<QScrollArea>(&form, QStringLiteral("lblTextScroll"));
        QCOMPARE(designGeometry(scroll), QRect(80, 10, 200, 40));
        QCOMPARE(scroll->widget(), text);
        QCOMPARE(scroll->accessibleName(), paragraph.simplified());
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
        form.activateWindow();
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), scroll);
        QTest::keyClick(scroll, Qt::Key_PageDown);
        QVERIFY(scroll->verticalScrollBar()->value() > 0);
        const int room = boxes[1]->width() - boxes[1]->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, boxes[1])
                         - boxes[1]->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, boxes[1]);
        QVERIFY(boxes[1]->fontMetrics().horizontalAdvance(longName) <= room);
        QVERIFY(boxes[0]->geometry().right() < boxes[1]->x() && boxes[1]->geometry().right() < boxes[2]->x());
        QCOMPARE(boxes[0]->x(), 10);
        QCOMPARE(boxes[2]->geometry().right(), 10 + 2 * 84 + 79);

        text->setText(QStringLiteral("Short."));
        boxes[1]->setText(QStringLiteral("B"));
        settle();
        QCOMPARE(text->parentWidget(), form.client());
        QCOMPARE(designGeometry(text), QRect(80, 10, 200, 40));
        QVERIFY(form.findChildren<QScrollArea *>(QStringLiteral("lblTextScroll")).isEmpty()
                || !form.findChild<QScrollArea *>(QStringLiteral("lblTextScroll"))->isVisible());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(designGeometry(boxes[i]), QRect(10 + i * 84, 100, 80, 20));
    }

    // Whatever is cut off shows here; what is not marked is counted above.
    void noTextIsCutOffAndEveryTextIsMarked()
    {
        QVERIFY2(found.cut.isEmpty(), qPrintable(found.cut.join(QLatin1Char('\n'))));
        if (kUnmarkedTextsFail)
            QVERIFY2(found.unmarked.isEmpty(), qPrintable(found.unmarked.join(QLatin1Char('\n'))));
    }
};

PADMORA_TEST_MAIN(PseudoTest)
#include "tst_pseudo.moc"
