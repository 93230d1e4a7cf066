// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/screens/journalmodels.h"

#include "chakras/catalogue.h"
#include "journal/keeping.h"
#include "journal/reading.h"

#include <algorithm>
#include <QCoreApplication>
#include <QLocale>

namespace padmora {

using namespace journal;

namespace {

QString firstLine(const QString &note)
{
    const qsizetype end = note.indexOf(QLatin1Char('\n'));
    return (end < 0 ? note : note.left(end)).trimmed();
}

} // namespace

void EntriesModel::setEntries(QList<Entry> entries)
{
    beginResetModel();
    m_all = std::move(entries);
    refilter();
    endResetModel();
}

namespace {

// A table's column title, in the language in use.
template <std::size_t N>
QVariant columnTitle(const char *const (&titles)[N], int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || std::size_t(section) >= N)
        return {};
    return QCoreApplication::translate("Journal", titles[section]);
}

} // namespace

qsizetype EntriesModel::practiceTotal() const
{
    return std::count_if(m_all.cbegin(), m_all.cend(), [](const journal::Entry &e) { return e.isPractice(); });
}

void EntriesModel::setFilter(int program, const QString &search)
{
    beginResetModel();
    m_program = program;
    m_search = search;
    refilter();
    endResetModel();
}

int EntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int EntriesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant EntriesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const Entry &e = m_all[m_shown[index.row()]];
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case 0:
        return momentText(e.localTaken());
    case 1:
        return e.isPractice() ? practiceTitle() : programTitle(e.program);
    case 2:
        return e.summary();
    default: {
        const QString line = firstLine(e.note);
        if (line.isEmpty() && role == Qt::AccessibleTextRole)
            return QCoreApplication::translate("Journal", "no note");
        return line;
    }
    }
}

QVariant EntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {
        //: A column's title: when the entry was taken.
        QT_TRANSLATE_NOOP("Journal", "Taken"), QT_TRANSLATE_NOOP("Journal", "Program"),
        QT_TRANSLATE_NOOP("Journal", "Summary"), QT_TRANSLATE_NOOP("Journal", "Note")};
    return columnTitle(titles, section, orientation, role);
}

const Entry *EntriesModel::entryAt(int row) const
{
    return row >= 0 && row < m_shown.size() ? &m_all[m_shown[row]] : nullptr;
}

int EntriesModel::rowOf(qint64 id, EntryKind kind) const
{
    for (qsizetype r = 0; r < m_shown.size(); ++r)
        if (m_all[m_shown[r]].id == id && m_all[m_shown[r]].kind == kind)
            return int(r);
    return -1;
}

void EntriesModel::setNote(int row, const QString &note)
{
    if (row < 0 || row >= m_shown.size())
        return;
    m_all[m_shown[row]].note = note;
    emit dataChanged(index(row, 3), index(row, 3));
}

void EntriesModel::refilter()
{
    m_shown.clear();
    m_shown.reserve(m_all.size());
    for (qsizetype i = 0; i < m_all.size(); ++i) {
        const Entry &e = m_all[i];
        if (m_program > kProgramCount ? !e.isPractice()
                                      : m_program > 0 && (e.isPractice() || int(e.program) != m_program - 1))
            continue;
        if (!m_search.isEmpty() && !e.note.contains(m_search, Qt::CaseInsensitive))
            continue;
        m_shown.append(i);
    }
}

void TrendTableModel::setRows(QList<ScorePoint> rows, QList<PracticeWeek> weeks)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_weeks = std::move(weeks);
    endResetModel();
}

int TrendTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size() + m_weeks.size());
}

int TrendTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant TrendTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (index.row() >= m_rows.size()) {
        // The weeks of practice follow the scores.
        const PracticeWeek &w = m_weeks[index.row() - m_rows.size()];
        switch (index.column()) {
        case 0:
            return QLocale().toString(w.monday, QLocale::ShortFormat);
        case 1:
            return practiceTitle();
        case 2:
            return role == Qt::DisplayRole ? chakraShortName(w.chakra) : chakraTitle(w.chakra);
        case 3:
            return QCoreApplication::translate("Journal", "%1 min").arg(w.seconds / 60);
        default:
            return QCoreApplication::translate("Journal", "in the week");
        }
    }
    const ScorePoint &p = m_rows[index.row()];
    switch (index.column()) {
    case 0:
        return QLocale().toString(p.taken.toOffsetFromUtc(p.offsetSeconds).date(), QLocale::ShortFormat);
    case 1:
        return programTitle(p.program);
    case 2:
        // Short on screen, in full to a screen reader.
        return role == Qt::DisplayRole ? chakraShortName(p.chakra) : chakraTitle(p.chakra);
    case 3:
        return p.score;
    default:
        return stateText(classifyScore(p.score));
    }
}

QVariant TrendTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {
        QT_TRANSLATE_NOOP("Journal", "Taken"), QT_TRANSLATE_NOOP("Journal", "Program"),
        QT_TRANSLATE_NOOP("Journal", "Chakra"), QT_TRANSLATE_NOOP("Journal", "Score"),
        //: A column's title: the chakra's state (Open, UnderActive, OverActive).
        QT_TRANSLATE_NOOP("Journal", "State")};
    return columnTitle(titles, section, orientation, role);
}

} // namespace padmora
