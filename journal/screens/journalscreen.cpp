// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/screens/journalscreen.h"

#include "chakras/catalogue.h"
#include "journal/exchange.h"
#include "journal/keeping.h"
#include "journal/screens/journalmodels.h"
#include "journal/screens/trendchart.h"
#include "kit/accessibility.h"
#include "kit/controlnames.h"
#include "kit/controls.h"
#include "kit/desktop.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"
#include "practice/sitting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace padmora {

using namespace journal;

namespace {

constexpr double kWidth = 12000;
constexpr double kHeight = 9000;
constexpr double kPageWidth = 11640;
constexpr double kInner = 11280;
constexpr double kRow = kTextRowHeight;

QString entryCount(qsizetype n)
{
    return n == 1 ? QCoreApplication::translate("Journal", "1 reading")
                  : QCoreApplication::translate("Journal", "%n readings", nullptr, int(n));
}

// "3 readings and 2 practice sessions": a journal's entries, each kind
// counted as what it is.
QString entryCount(qsizetype readings, qsizetype practices)
{
    if (practices == 0)
        return entryCount(readings);
    const QString sessions = practices == 1
                                 ? QCoreApplication::translate("Journal", "1 practice session")
                                 : QCoreApplication::translate("Journal", "%n practice sessions", nullptr, int(practices));
    if (readings == 0)
        return sessions;
    //: %1 is a number of readings ("3 readings"), %2 of practice sessions ("2 practice sessions").
    return QCoreApplication::translate("Journal", "%1 and %2").arg(entryCount(readings), sessions);
}

QTableView *addTable(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    // Every row is one line high: ten thousand rows cost no more than a screenful.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

} // namespace

QString journalCaption()
{
    return QCoreApplication::translate("Journal", "My Readings");
}

JournalScreen::JournalScreen(QWidget *parent)
    : Form(screens::kJournal, journalCaption(), kWidth, kHeight, parent), m_store(journalStore())
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuClose"), tr("&Close")), &QAction::triggered, this,
            &JournalScreen::cmdClose_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mnuMakeMoney"));

    m_tabs = new QTabWidget(area);
    m_tabs->setObjectName(QStringLiteral("tabJournal"));
    m_tabs->setAccessibleName(tr("Journal"));
    m_tabs->tabBar()->setAccessibleName(tr("Journal pages"));
    placeTwips(m_tabs, 120, 90, kPageWidth, 6900);

    // The readings.
    auto *readings = new QWidget;
    readings->setObjectName(QStringLiteral("pageReadings"));
    m_tabs->addTab(readings, tr("&Readings"));
    m_cboProgram = new QComboBox(readings);
    m_cboProgram->setObjectName(QStringLiteral("cboProgram"));
    m_cboProgram->setAccessibleName(tr("Show the readings of"));
    m_cboProgram->addItem(tr("Every Program"));
    for (Program p : {Program::ChakraTest, Program::ChakrasTarot, Program::Astrology})
        m_cboProgram->addItem(programTitle(p));
    m_cboProgram->addItem(practiceTitle());
    addCaption(readings, tr("&Show:"), m_cboProgram, 120, 120, 900);
    placeTwips(m_cboProgram, 1080, 120, 3000, kRow + 60);
    connect(m_cboProgram, &QComboBox::currentIndexChanged, this, &JournalScreen::cboProgram_Click);
    m_txtSearch = new QLineEdit(readings);
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_txtSearch->setAccessibleName(tr("Search in notes"));
    m_txtSearch->setClearButtonEnabled(true);
    addCaption(readings, tr("Search in &notes:"), m_txtSearch, 4500, 120, 1800);
    placeTwips(m_txtSearch, 6300, 120, 5100, kRow + 60);
    connect(m_txtSearch, &QLineEdit::textChanged, this, &JournalScreen::txtSearch_Change);

    m_grdReadings = addTable(readings, QStringLiteral("grdReadings"), tr("Readings"));
    m_entries = new EntriesModel(this);
    m_grdReadings->setModel(m_entries);
    m_grdReadings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grdReadings->horizontalHeader()->setStretchLastSection(true);
    m_grdReadings->setColumnWidth(0, twipsToPxX(2100));
    m_grdReadings->setColumnWidth(1, twipsToPxX(1800));
    m_grdReadings->setColumnWidth(2, twipsToPxX(4800));
    placeTwips(m_grdReadings, 120, 600, kInner, 3360);
    // A double click or Return reopens the entry.
    connect(m_grdReadings, &QAbstractItemView::doubleClicked, this, &JournalScreen::grdReadings_DblClick);
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *open = new QShortcut(keys, m_grdReadings);
        open->setContext(Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, &JournalScreen::cmdOpen_Click);
    }
    connect(m_grdReadings->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &JournalScreen::grdReadings_RowColChange);
    auto *del = new QShortcut(QKeySequence(Qt::Key_Delete), m_grdReadings);
    del->setContext(Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &JournalScreen::cmdDelete_Click);

    m_txtNote = new QPlainTextEdit(readings);
    m_txtNote->setObjectName(QStringLiteral("txtNote"));
    m_txtNote->setAccessibleName(tr("Note"));
    m_txtNote->setTabChangesFocus(true);
    m_txtNote->setPlaceholderText(tr("A note of your own on the reading chosen above; it is kept as you type."));
    addCaption(readings, tr("No&te:"), m_txtNote, 120, 4020, 1800);
    placeTwips(m_txtNote, 120, 4380, kInner, 1200);
    connect(m_txtNote, &QPlainTextEdit::textChanged, this, &JournalScreen::txtNote_Change);

    m_cmdPractise = addPushButton(readings, QStringLiteral("cmdPractise"), tr("&Practise\u2026"), 9440, 3975, 1960);
    m_cmdPractise->setFixedHeight(twipsToPxY(390));
    m_cmdPractise->setAccessibleName(tr("Practise the chakras of the chosen entry"));
    connect(m_cmdPractise, &QPushButton::clicked, this, &JournalScreen::cmdPractise_Click);

    const double buttonsTop = 5700;
    auto *cmdOpen = addPushButton(readings, QStringLiteral("cmdOpen"), tr("&Open"), 120, buttonsTop, 1200);
    connect(cmdOpen, &QPushButton::clicked, this, &JournalScreen::cmdOpen_Click);
    auto *cmdDelete = addPushButton(readings, QStringLiteral("cmdDelete"), tr("&Delete"), 1440, buttonsTop, 1200);
    connect(cmdDelete, &QPushButton::clicked, this, &JournalScreen::cmdDelete_Click);
    auto *cmdDeleteAll = addPushButton(readings, QStringLiteral("cmdDeleteAll"), tr("Delete A&ll Readings\u2026"),
                                   2760, buttonsTop, 2400);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &JournalScreen::cmdDeleteAll_Click);
    auto *cmdExportJson = addPushButton(readings, QStringLiteral("cmdExportJson"), tr("Export &JSON\u2026"),
                                    5400, buttonsTop, 1900);
    connect(cmdExportJson, &QPushButton::clicked, this, &JournalScreen::cmdExportJson_Click);
    auto *cmdExportCsv = addPushButton(readings, QStringLiteral("cmdExportCsv"), tr("Export C&SV\u2026"), 7420,
                                   buttonsTop, 1900);
    connect(cmdExportCsv, &QPushButton::clicked, this, &JournalScreen::cmdExportCsv_Click);
    auto *cmdImport = addPushButton(readings, QStringLiteral("cmdImport"), tr("&Import JSON\u2026"), 9440,
                                buttonsTop, 1960);
    connect(cmdImport, &QPushButton::clicked, this, &JournalScreen::cmdImport_Click);
    m_changers = {cmdDelete, cmdDeleteAll, cmdImport};

    // The trends.
    auto *trends = new QWidget;
    trends->setObjectName(QStringLiteral("pageTrends"));
    m_tabs->addTab(trends, tr("&Trends"));
    for (int i = 0; i < kChakraCount; ++i) {
        auto *box = new QCheckBox(chakraShortName(i), trends);
        setArrayName(box, QStringLiteral("chkTrend"), i);
        box->setAccessibleName(chakraTitle(i));
        box->setChecked(true);
        placeTwips(box, 120 + i * 1140, 120, 1100, kRow);
        connect(box, &QCheckBox::toggled, this, [this, i] { chkTrend_Click(i); });
        m_chkTrend[std::size_t(i)] = box;
    }
    m_cboRange = new QComboBox(trends);
    m_cboRange->setObjectName(QStringLiteral("cboRange"));
    m_cboRange->setAccessibleName(tr("Range of time"));
    m_cboRange->addItems({tr("All"), tr("Last Year"), tr("Last 3 Months"),
                          tr("Last Month")});
    addCaption(trends, tr("R&ange:"), m_cboRange, 8220, 90, 900);
    placeTwips(m_cboRange, 9120, 90, 2280, kRow + 60);
    connect(m_cboRange, &QComboBox::currentIndexChanged, this, &JournalScreen::cboRange_Click);

    m_picTrends = new TrendChart(trends);
    m_picTrends->setObjectName(QStringLiteral("picTrends"));
    m_picTrends->setAccessibleName(tr("Trends of the chakra scores"));
    placeTwips(m_picTrends, 120, 600, 5940, 3600);
    m_grdTrends = addTable(trends, QStringLiteral("grdTrends"), tr("Trend scores"));
    m_trendRows = new TrendTableModel(this);
    m_grdTrends->setModel(m_trendRows);
    m_grdTrends->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grdTrends->horizontalHeader()->setStretchLastSection(true);
    // Room for every state's name; the program's name is cut short if need be.
    const double trendColumns[4] = {1200, 1140, 840, 540};
    for (int c = 0; c < 4; ++c)
        m_grdTrends->setColumnWidth(c, twipsToPxX(trendColumns[c]));
    placeTwips(m_grdTrends, 6180, 600, 5220, 3600);

    m_lblTrendSummary = addReadout(trends, QStringLiteral("lblTrendSummary"), tr("Trend of each chakra"));
    placeTwips(m_lblTrendSummary, 120, 4320, kInner, 1500);
    m_lblCards = addReadout(trends, QStringLiteral("lblCards"), tr("Cards that came up most often"));
    placeTwips(m_lblCards, 120, 5880, kInner, 600);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            showTrends();
    });

    // Where the journal is, and what is wrong with it.
    m_lblState = addReadout(area, QStringLiteral("lblState"), tr("The journal file"));
    placeTwips(m_lblState, 120, 7080, 8400, 900);
    m_cmdMoveAside = addPushButton(area, QStringLiteral("cmdMoveAside"), tr("&Move It Aside, Start Anew"), 8640,
                               7080, 3120);
    connect(m_cmdMoveAside, &QPushButton::clicked, this, &JournalScreen::cmdMoveAside_Click);
    auto *cmdClose = addPushButton(area, QStringLiteral("cmdClose"), tr("&Close"), 10560, 7620, 1200);
    connect(cmdClose, &QPushButton::clicked, this, &JournalScreen::cmdClose_Click);
}

JournalScreen::~JournalScreen() = default;

void JournalScreen::Form_Load()
{
    placeCentredAtTop();
    refresh();
    // A reading kept, deleted or imported while the journal is open shows at once.
    connect(&m_store, &Store::changed, this, &JournalScreen::refresh);
}

QWidget *JournalScreen::firstControl() const
{
    return m_grdReadings->model()->rowCount() > 0 ? static_cast<QWidget *>(m_grdReadings) : m_cboProgram;
}

void JournalScreen::refresh()
{
    const qint64 current = currentId();
    m_entries->setEntries(m_store.entries());
    const int row = std::max(0, m_entries->rowOf(current));
    if (m_entries->rowCount() > 0)
        m_grdReadings->setCurrentIndex(m_entries->index(row, 0));
    else
        grdReadings_RowColChange();
    showState();
    m_trendsRead = false;
    if (m_tabs->currentIndex() == 1)
        showTrends();
}

void JournalScreen::showState()
{
    const StoreStatus status = m_store.status();
    m_shownState = status.state;
    QString text = statusText(status, m_store.path());
    if (status.state == StoreState::Ready) {
        //: The number of entries ("12 readings"), then where the journal is kept.
        text = tr("%1. %2").arg(entryCount(m_entries->total() - m_entries->practiceTotal(), m_entries->practiceTotal()),
                                text);
        if (!isKeepingReadings())
            text += QLatin1Char(' ') + tr("New readings are not kept: keeping is switched off.");
    }
    setSpokenText(m_lblState, text);
    m_cmdMoveAside->setVisible(status.state == StoreState::Damaged || status.state == StoreState::Foreign
                               || (status.state == StoreState::Unavailable && QFileInfo(m_store.path()).isDir()));
    const bool writable = status.state == StoreState::Ready;
    for (QPushButton *b : m_changers)
        b->setEnabled(writable);
    m_txtNote->setReadOnly(!writable);
}

const Entry *JournalScreen::currentEntry() const
{
    return m_entries->entryAt(m_grdReadings->currentIndex().row());
}

qint64 JournalScreen::currentId() const
{
    const Entry *e = currentEntry();
    return e ? e->id : 0;
}

QList<const Entry *> JournalScreen::selectedEntries() const
{
    QList<const Entry *> chosen;
    for (const QModelIndex &index : m_grdReadings->selectionModel()->selectedRows())
        if (const Entry *e = m_entries->entryAt(index.row()))
            chosen << e;
    if (chosen.isEmpty() && currentEntry())
        chosen << currentEntry();
    return chosen;
}

void JournalScreen::cboProgram_Click()
{
    m_entries->setFilter(m_cboProgram->currentIndex(), m_txtSearch->text());
    if (m_entries->rowCount() > 0)
        m_grdReadings->setCurrentIndex(m_entries->index(0, 0));
    grdReadings_RowColChange();
}

void JournalScreen::txtSearch_Change()
{
    cboProgram_Click();
}

void JournalScreen::grdReadings_RowColChange()
{
    const Entry *e = m_entries->entryAt(m_grdReadings->currentIndex().row());
    m_noteOf = e ? e->id : 0;
    m_noteKind = e ? e->kind : EntryKind::Reading;
    m_showingNote = true;
    m_txtNote->setPlainText(e ? e->note : QString());
    m_showingNote = false;
    m_txtNote->setEnabled(e != nullptr);
}

void JournalScreen::txtNote_Change()
{
    if (m_showingNote || m_noteOf == 0 || m_txtNote->isReadOnly())
        return;
    QString note = m_txtNote->toPlainText();
    if (note.size() > kNoteLimit) {
        // Past the limit nothing more goes in.
        note = withinNoteLimit(note);
        m_showingNote = true;
        m_txtNote->setPlainText(note);
        m_txtNote->moveCursor(QTextCursor::End);
        m_showingNote = false;
    }
    const bool kept = m_noteKind == EntryKind::Practice ? m_store.setPracticeNote(m_noteOf, note)
                                                        : m_store.setNote(m_noteOf, note);
    if (!kept) {
        desktop().message(tr("The note could not be kept: %1.").arg(m_store.lastError()), MessageIcon::Critical);
        return;
    }
    m_entries->setNote(m_entries->rowOf(m_noteOf, m_noteKind), note);
}

void JournalScreen::grdReadings_DblClick()
{
    cmdOpen_Click();
}

void JournalScreen::cmdPractise_Click()
{
    // A practice is practised again; an astrology reading has no chakra to
    // practise. Like Open, the button does nothing without an entry for it.
    const Entry *e = currentEntry();
    if (!e || (!e->isPractice() && e->program == Program::Astrology))
        return;
    if (e->isPractice()) {
        practice::setSitting({e->chakra});
    } else {
        const std::optional<Reading> reading = m_store.load(e->id);
        if (!reading) {
            desktop().message(tr("This reading cannot be shown again: %1.").arg(m_store.lastError()),
                              MessageIcon::Critical);
            return;
        }
        practice::setSitting(practice::chakrasToPractise(reading->ticked, reading->scores));
    }
    openProgramScreen(QStringLiteral("frmPractice"));
}

void JournalScreen::cmdOpen_Click()
{
    const Entry *e = currentEntry();
    if (!e)
        return;
    // A practice opens as the practice of its chakra.
    if (e->isPractice()) {
        cmdPractise_Click();
        return;
    }
    const qint64 id = e->id;
    std::optional<Reading> reading = m_store.load(id);
    if (!reading || !openKeptReading(*reading))
        desktop().message(reading ? tr("This reading cannot be shown again.")
                                  : tr("This reading cannot be shown again: %1.").arg(m_store.lastError()),
                          MessageIcon::Critical);
}

void JournalScreen::cmdDelete_Click()
{
    QList<qint64> ids, practices;
    for (const Entry *e : selectedEntries())
        (e->isPractice() ? practices : ids) << e->id;
    const qsizetype chosen = ids.size() + practices.size();
    if (chosen == 0 || !m_store.isWritable())
        return;
    const QString question = chosen == 1
                                 ? tr("Delete the chosen reading and its note from your journal?")
                                 : tr("Delete the %n chosen readings and their notes from your journal?", nullptr,
                                      int(chosen));
    if (desktop().message(question, MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if ((!ids.isEmpty() && !m_store.remove(ids)) || (!practices.isEmpty() && !m_store.removePractices(practices)))
        desktop().message(tr("The readings could not be deleted: %1.").arg(m_store.lastError()),
                          MessageIcon::Critical);
}

void JournalScreen::cmdDeleteAll_Click()
{
    if (!m_store.isWritable())
        return;
    const int n = m_store.count();
    if (n == 0)
        return;
    // The store counts readings and practices alike; the list tells them apart.
    const qsizetype practices = std::min<qsizetype>(m_entries->practiceTotal(), n);
    if (desktop().message(tr("Delete all %1 from your journal, with their notes?").arg(entryCount(n - practices, practices)),
                          MessageIcon::Information, MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    if (desktop().message(tr("Are you sure? Every reading and note in your journal will be gone for good."),
                          MessageIcon::Information, MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    if (!m_store.removeAll())
        desktop().message(tr("The readings could not be deleted: %1.").arg(m_store.lastError()),
                          MessageIcon::Critical);
}

bool JournalScreen::exportAs(const QString &caption, const QString &suffix, const QString &filter, bool json)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                 //: The file name proposed for an export: %1 is today's date, %2 "json" or "csv".
                                 .filePath(tr("Padmora journal %1.%2")
                                               .arg(desktop().today().toString(Qt::ISODate), suffix));
    const QString path = desktop().chooseSaveFile(caption, proposed, filter);
    if (path.isEmpty())
        return false;
    const std::optional<QList<Reading>> readings = m_store.allReadings();
    const std::optional<QList<Practice>> practices = readings && json ? m_store.practices() : QList<Practice>();
    QString why;
    if (!readings || !practices)
        why = m_store.lastError();
    else if (writeWhole(path, json ? toJson(*readings, *practices) : toCsv(*readings), &why))
        return true;
    //: %1 is the file chosen, %2 why.
    desktop().message(tr("The journal could not be written to %1: %2. Nothing was written.")
                          .arg(QDir::toNativeSeparators(path), why),
                      MessageIcon::Critical);
    return false;
}

void JournalScreen::cmdExportJson_Click()
{
    exportAs(tr("Export the Journal as JSON"), QStringLiteral("json"), tr("JSON files (*.json)"), true);
}

void JournalScreen::cmdExportCsv_Click()
{
    exportAs(tr("Export the Scores as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"), false);
}

void JournalScreen::cmdImport_Click()
{
    if (!m_store.isWritable())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = desktop().chooseOpenFile(tr("Import a Journal"),
                                                  folder.isEmpty() ? QDir::homePath() : folder,
                                                  tr("JSON files (*.json)"));
    if (path.isEmpty())
        return;
    auto refuse = [&](const QString &why) {
        //: %1 is the file, %2 why (without its full stop).
        desktop().message(tr("%1 cannot be imported: %2. Nothing was imported.")
                              .arg(QDir::toNativeSeparators(path), why),
                          MessageIcon::Critical);
    };
    const ParsedJournal parsed = readJson(path);
    if (!parsed.problem.isEmpty()) {
        refuse(parsed.problem);
        return;
    }
    const std::optional<ImportCount> count = m_store.add(parsed.readings, parsed.practices);
    if (!count) {
        refuse(m_store.lastError());
        return;
    }
    //: After an import: %1 entries added, %2 entries that were in the journal already.
    desktop().message(tr("%1 added, %2 already there.").arg(count->added).arg(count->alreadyThere),
                      MessageIcon::Information);
}

void JournalScreen::cmdMoveAside_Click()
{
    const QDateTime now = desktop().now();
    const QString aside = m_store.path() + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    //: %1 is the journal file, %2 the name it is moved to.
    if (desktop().message(tr("Move %1 aside as %2 and start a new journal? Nothing is deleted.")
                              .arg(QDir::toNativeSeparators(m_store.path()), QDir::toNativeSeparators(aside)),
                          MessageIcon::Information, MessageButtons::YesNo)
        != MessageAnswer::Yes)
        return;
    if (m_store.moveAside(now).isEmpty()) {
        desktop().message(tr("The file could not be moved aside: %1.").arg(m_store.lastError()),
                          MessageIcon::Critical);
        refresh();
    }
}

void JournalScreen::cmdClose_Click()
{
    unload();
}

void JournalScreen::chkTrend_Click(int chakra)
{
    m_picTrends->setChakraShown(chakra, m_chkTrend[std::size_t(chakra)]->isChecked());
}

void JournalScreen::cboRange_Click()
{
    showTrends();
}

void JournalScreen::refreshTrends()
{
    m_trendsRead = false;
    showTrends();
}

void JournalScreen::showTrends()
{
    if (!m_trendsRead) {
        m_points = m_store.scorePoints();
        m_practices = m_store.practices().value_or(QList<Practice>());
        m_trendsRead = true;
        const QString cards = cardsSummary(m_store.cardCounts());
        setSpokenText(m_lblCards, cards.isEmpty() ? tr("No tarot reading has shown a card yet.")
                                                  //: %1 is a list: "Justice 5 times, Temperance 3 times".
                                                  : tr("Cards that came up most often: %1.").arg(cards));
    }
    const auto range = TrendRange(std::clamp(m_cboRange->currentIndex(), 0, 3));
    const QDateTime now = desktop().now().toUTC();
    const TrendSeries series = trendSeries(m_points, range, now);
    const PracticeSeries practised = practiceWeeks(m_practices, range, now);
    m_picTrends->setPractice(practised);
    m_picTrends->setSeries(series, rangeStart(range, now), range == TrendRange::All ? QDateTime() : now);
    QStringList lines;
    QList<ScorePoint> rows;
    QList<PracticeWeek> weeks;
    for (int i = 0; i < kChakraCount; ++i) {
        QString line = trendSummary(i, series[std::size_t(i)]);
        if (const QString minutes = practiceSummary(practised[std::size_t(i)]); !minutes.isEmpty())
            line += QStringLiteral("; ") + minutes;
        lines << line;
        rows += series[std::size_t(i)];
        weeks += practised[std::size_t(i)];
    }
    std::stable_sort(rows.begin(), rows.end(), [](const ScorePoint &a, const ScorePoint &b) { return a.taken > b.taken; });
    std::stable_sort(weeks.begin(), weeks.end(), [](const PracticeWeek &a, const PracticeWeek &b) { return a.monday > b.monday; });
    m_trendRows->setRows(std::move(rows), std::move(weeks));
    setSpokenText(m_lblTrendSummary, lines.join(QLatin1Char('\n')));
    m_picTrends->setAccessibleDescription(lines.join(QStringLiteral("; ")));
}

void JournalScreen::changeEvent(QEvent *event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isUnloaded()
        && m_store.status().state != m_shownState)
        refresh();
}

void JournalScreen::Form_Unload()
{
    // Back on the welcome panel unless another program screen is still open.
    if (!otherScreensOpen())
        showWelcomePanel(true);
}

} // namespace padmora
