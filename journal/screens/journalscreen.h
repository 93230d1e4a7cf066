// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmMyReadings, "My Readings": the journal of every reading kept, newest
// first, with a note per entry, its trends per chakra, and its export and
// import. An entry opens again as its own program showed it.
//
// Controls: tabJournal with the pages pageReadings and pageTrends;
// cboProgram and txtSearch filter grdReadings (readings and practices);
// txtNote; cmdPractise; cmdOpen, cmdDelete,
// cmdDeleteAll, cmdExportJson, cmdExportCsv, cmdImport; chkTrend(0..6),
// cboRange, picTrends, grdTrends, lblTrendSummary, lblCards; lblState with
// cmdMoveAside; cmdClose.

#include "journal/store.h"
#include "journal/trends.h"
#include "kit/form.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace padmora {

class EntriesModel;
class TrendChart;
class TrendTableModel;

// "My Readings", the screen's caption.
QString journalCaption();

class JournalScreen : public Form {
    Q_OBJECT
public:
    explicit JournalScreen(QWidget *parent = nullptr);
    ~JournalScreen() override;

    void Form_Load() override;
    QWidget *firstControl() const override;

    void cboProgram_Click();
    void txtSearch_Change();
    void grdReadings_RowColChange();
    void grdReadings_DblClick();
    void txtNote_Change();
    void cmdOpen_Click();
    // Takes the chosen reading's chakras that are not open (or the chosen
    // practice's chakra) to the practice screen.
    void cmdPractise_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdExportJson_Click();
    void cmdExportCsv_Click();
    void cmdImport_Click();
    void cmdMoveAside_Click();
    void cmdClose_Click();
    void chkTrend_Click(int chakra);
    void cboRange_Click();

    // Reads the entries from the store again.
    void refresh();
    // Reads the scores for the trends again and draws them.
    void refreshTrends();

    TrendChart *trendChart() const { return m_picTrends; }

protected:
    void Form_Unload() override;
    // Back in the window, the user may have made room on a full disk.
    void changeEvent(QEvent *event) override;

private:
    QList<const journal::Entry *> selectedEntries() const;
    const journal::Entry *currentEntry() const;
    qint64 currentId() const;
    void showState();
    void showTrends();
    bool exportAs(const QString &caption, const QString &suffix, const QString &filter, bool json);

    journal::Store &m_store;
    QTabWidget *m_tabs = nullptr;
    QComboBox *m_cboProgram = nullptr;
    QLineEdit *m_txtSearch = nullptr;
    QTableView *m_grdReadings = nullptr;
    EntriesModel *m_entries = nullptr;
    QPlainTextEdit *m_txtNote = nullptr;
    QPushButton *m_cmdPractise = nullptr;
    QList<QPushButton *> m_changers;  // the buttons that change the journal
    QLabel *m_lblState = nullptr;
    QPushButton *m_cmdMoveAside = nullptr;
    std::array<QCheckBox *, 7> m_chkTrend{};
    QComboBox *m_cboRange = nullptr;
    TrendChart *m_picTrends = nullptr;
    QTableView *m_grdTrends = nullptr;
    TrendTableModel *m_trendRows = nullptr;
    QLabel *m_lblTrendSummary = nullptr;
    QLabel *m_lblCards = nullptr;
    QList<journal::ScorePoint> m_points;
    QList<journal::Practice> m_practices;
    bool m_trendsRead = false;
    journal::StoreState m_shownState = journal::StoreState::Ready;
    qint64 m_noteOf = 0;  // the entry whose note the note box shows
    journal::EntryKind m_noteKind = journal::EntryKind::Reading;
    bool m_showingNote = false;
};

} // namespace padmora
