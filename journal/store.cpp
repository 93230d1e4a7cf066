// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/store.h"

#include "journal/latest.h"
#include "kit/desktop.h"
#include "kit/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>

namespace padmora::journal {

Store::Store(const QString &path, QObject *parent) : QObject(parent), m_path(path) {}

Store::~Store() = default;

StoreBackend *Store::backend()
{
    // Every operation starts here: a refusal is the last error only until
    // the next one.
    m_refused.clear();
    if (!m_backend && m_missing.isEmpty()) {
        QString why;
        if (auto *module = loadModule<StoreModule>(kStoreModuleName, &why))
            m_backend = module->open(m_path);
        else
            m_missing = QCoreApplication::translate("Journal", "its SQLite module is missing: %1").arg(why);
    }
    return m_backend.get();
}

StoreStatus Store::status()
{
    if (StoreBackend *b = backend())
        return b->status();
    return {StoreState::Unavailable, m_missing, 0};
}

bool Store::isWritable()
{
    StoreBackend *b = backend();
    return b && b->isWritable();
}

qint64 Store::save(Reading &reading)
{
    StoreBackend *b = backend();
    if (b && b->isWritable()) {
        // Nothing impossible is kept: the program's own tables decide.
        if (const QString problem = problemOf(reading); !problem.isEmpty()) {
            m_refused = problem;
            return 0;
        }
    }
    const qint64 id = b ? b->save(reading) : 0;
    if (id)
        emit changed();
    return id;
}

std::optional<Reading> Store::load(qint64 id)
{
    StoreBackend *b = backend();
    return b ? b->load(id) : std::nullopt;
}

QList<Entry> Store::entries()
{
    StoreBackend *b = backend();
    return b ? b->entries() : QList<Entry>();
}

bool Store::setNote(qint64 id, const QString &note)
{
    StoreBackend *b = backend();
    return b && b->setNote(id, note);
}

bool Store::remove(const QList<qint64> &ids)
{
    StoreBackend *b = backend();
    const bool removed = b && b->remove(ids);
    if (removed)
        emit changed();
    return removed;
}

bool Store::removeAll()
{
    StoreBackend *b = backend();
    const bool removed = b && b->removeAll();
    if (removed)
        emit changed();
    return removed;
}

QList<ScorePoint> Store::scorePoints()
{
    StoreBackend *b = backend();
    return b ? b->scorePoints() : QList<ScorePoint>();
}

QList<CardCount> Store::cardCounts()
{
    StoreBackend *b = backend();
    return b ? b->cardCounts() : QList<CardCount>();
}

std::optional<QList<Reading>> Store::allReadings()
{
    StoreBackend *b = backend();
    return b ? b->allReadings() : std::nullopt;
}

std::optional<ImportCount> Store::add(const QList<Reading> &readings, const QList<Practice> &practices)
{
    StoreBackend *b = backend();
    const std::optional<ImportCount> count = b ? b->add(readings, practices) : std::nullopt;
    if (count && count->added > 0)
        emit changed();
    return count;
}

qint64 Store::savePractice(Practice &practice)
{
    StoreBackend *b = backend();
    if (b && b->isWritable()) {
        if (const QString problem = problemOf(practice, desktop().now()); !problem.isEmpty()) {
            m_refused = problem;
            return 0;
        }
    }
    const qint64 id = b ? b->savePractice(practice) : 0;
    if (id)
        emit changed();
    return id;
}

std::optional<QList<Practice>> Store::practices()
{
    StoreBackend *b = backend();
    return b ? b->practices() : std::nullopt;
}

bool Store::setPracticeNote(qint64 id, const QString &note)
{
    StoreBackend *b = backend();
    return b && b->setPracticeNote(id, note);
}

bool Store::removePractices(const QList<qint64> &ids)
{
    StoreBackend *b = backend();
    const bool removed = b && b->removePractices(ids);
    if (removed)
        emit changed();
    return removed;
}

int Store::count()
{
    StoreBackend *b = backend();
    return b ? b->count() : 0;
}

QString Store::lastError() const
{
    if (!m_refused.isEmpty())
        return m_refused;
    return m_backend ? m_backend->lastError() : m_missing;
}

QString Store::moveAside(const QDateTime &moment)
{
    StoreBackend *b = backend();
    const QString aside = b ? b->moveAside(moment) : QString();
    if (!aside.isEmpty())
        emit changed();
    return aside;
}

bool Store::lastFailedForRoom() const
{
    return m_refused.isEmpty() && m_backend && m_backend->lastFailedForRoom();
}

void Store::close()
{
    if (m_backend)
        m_backend->close();
}

QString Entry::summary() const
{
    if (!madeSummary.isNull())
        return madeSummary;
    if (isPractice()) {
        Practice shape;
        shape.chakra = chakra;
        shape.plannedMinutes = plannedMinutes;
        shape.practisedSeconds = practisedSeconds;
        shape.completed = completed;
        madeSummary = notNull(summaryOf(shape));
        return madeSummary;
    }
    Reading shape;
    shape.program = program;
    shape.sign = sign;
    shape.rulingPlanet = rulingPlanet;
    shape.chakraName = chakraName;
    const QList<int> pairs = splitOrder(scores);
    for (qsizetype k = 0; k + 1 < pairs.size(); k += 2)
        if (pairs[k] >= 0 && pairs[k] < kChakraCount) {
            shape.ticked[std::size_t(pairs[k])] = true;
            shape.scores[std::size_t(pairs[k])] = qint16(pairs[k + 1]);
        }
    madeSummary = notNull(summaryOf(shape));
    return madeSummary;
}

namespace {
QPointer<Store> g_journal;
}

QString journalFilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(kJournalFileName);
}

Store &journalStore()
{
    if (!g_journal) {
        g_journal = new Store(journalFilePath(), QCoreApplication::instance());
        // Deleted or imported entries may change the latest reading.
        Store *store = g_journal;
        QObject::connect(store, &Store::changed, store, [store] { noteLatestOnChange(*store); });
    }
    return *g_journal;
}

void forgetJournalStore()
{
    delete g_journal.data();
    g_journal.clear();
}

QString statusText(const StoreStatus &status, const QString &path)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (status.state) {
    case StoreState::Ready:
        return QCoreApplication::translate("Journal", "Your journal is kept in %1.").arg(where);
    case StoreState::Newer:
        return QCoreApplication::translate("Journal", "This journal was written by a newer Padmora (its format is version %1; this Padmora "
                                                      "reads up to version %2). It is open for reading only and is never changed: new "
                                                      "readings, notes and deletions are not kept. The file: %3")
            .arg(status.fileVersion)
            .arg(kSchemaVersion)
            .arg(where);
    case StoreState::ReadOnly:
        return QCoreApplication::translate("Journal", "The journal can only be read (%1): new readings, notes and deletions are not kept. "
                                                      "The file: %2")
            .arg(status.problem, where);
    case StoreState::Damaged:
        return QCoreApplication::translate("Journal", "The journal cannot be read: %1. It is not deleted; you can move it aside and start a "
                                                      "new journal. The file: %2")
            .arg(status.problem, where);
    case StoreState::Foreign:
        return QCoreApplication::translate("Journal",
                                           "The journal cannot be used: %1. It is "
                                           "left as it is; you can move it aside and start a new journal. The file: %2")
            .arg(status.problem, where);
    case StoreState::Unavailable:
        break;
    }
    return QCoreApplication::translate("Journal", "The journal cannot be opened: %1. The file: %2").arg(status.problem, where);
}

} // namespace padmora::journal
