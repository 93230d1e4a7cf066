// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of "My Readings": its entries, filtered by program and note,
// and the points its trend chart draws.

#include "journal/storebackend.h"
#include "journal/trends.h"

#include <QAbstractTableModel>

namespace padmora {

// The journal's entries as grdReadings shows them, filtered by program and note.
class EntriesModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<journal::Entry> entries);
    // program: 0 for every program, else the program's number + 1; one
    // more than the last program shows the practices alone.
    void setFilter(int program, const QString &search);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const journal::Entry *entryAt(int row) const;
    // -1 when the entry is not shown
    int rowOf(qint64 id, journal::EntryKind kind = journal::EntryKind::Reading) const;
    void setNote(int row, const QString &note);
    qsizetype total() const { return m_all.size(); }
    // How many of them are practices.
    qsizetype practiceTotal() const;

private:
    void refilter();

    QList<journal::Entry> m_all;
    QList<qsizetype> m_shown;
    int m_program = 0;
    QString m_search;
};

// The points the trend chart draws, one row each, newest first; and the
// minutes practised per week, a row each.
class TrendTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<journal::ScorePoint> rows, QList<journal::PracticeWeek> weeks = {});

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<journal::ScorePoint> m_rows;
    QList<journal::PracticeWeek> m_weeks;
};

} // namespace padmora
