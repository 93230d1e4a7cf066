// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's SQLite store, a module of its own: only a run that uses the
// journal loads Qt SQL.
#include "journal/sqlite/sqlitestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace padmora::journal {

namespace {

// SQLite's result codes that the store tells apart.
constexpr int kSqliteFull = 13;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteIoError = 10;

// Less room than this on the journal's disk is no room at all.
constexpr qint64 kFullBelow = 64 * 1024;

// SQLite's primary result code of an error. Errors of a commit carry no
// code of their own, only SQLite's text for it.
int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (ok && code != 0)
        return code & 0xff;
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    const std::pair<const char *, int> known[] = {{"database or disk is full", kSqliteFull},
                                                  {"readonly database", kSqliteReadOnly},
                                                  {"file is not a database", kSqliteNotADatabase},
                                                  {"malformed", kSqliteCorrupt}};
    for (const auto &[words, known_code] : known)
        if (text.contains(QLatin1String(words)))
            return known_code;
    return -1;
}

// Why a write failed for want of room; the store asks for it by this text.
QString diskFullText()
{
    return QCoreApplication::translate("Journal", "the disk is full");
}

QString describeError(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case kSqliteFull:
        return diskFullText();
    case kSqliteReadOnly:
        return QCoreApplication::translate("Journal", "the file can only be read");
    case kSqliteNotADatabase:
        return QCoreApplication::translate("Journal", "the file is not a database");
    case kSqliteCorrupt:
        return QCoreApplication::translate("Journal", "the file is damaged");
    default:
        break;
    }
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QCoreApplication::translate("Journal", "an unknown error") : text;
}

// A random UUID (version 4) as text, made by SQLite: "3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c".
#define PADMORA_NEW_UUID                                                                                            \
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-' ||"     \
    " substr('89ab', 1 + (random() & 3), 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"

// The migration steps: step v takes a file of version v - 1 to version v.
const QStringList &migrationStep(int version)
{
    static const QStringList none;
    static const QStringList two{
        // Every entry gets an id of its own that stays with it wherever it
        // goes, so that two journals can be merged without doubles.
        QStringLiteral("ALTER TABLE reading ADD COLUMN uuid TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("UPDATE reading SET uuid = " PADMORA_NEW_UUID),
        QStringLiteral("CREATE UNIQUE INDEX reading_by_uuid ON reading (uuid)"),
        // A practice of a chakra's exercise: when it started, how long it
        // was planned (0: open-ended) and practised, whether it ran to its
        // end, and the pace of breathing in and chanting out.
        QStringLiteral("CREATE TABLE practice ("
                       " id INTEGER PRIMARY KEY,"
                       " uuid TEXT NOT NULL UNIQUE,"
                       " chakra INTEGER NOT NULL CHECK (chakra BETWEEN 0 AND 6),"
                       " taken TEXT NOT NULL UNIQUE,"
                       " offset_seconds INTEGER NOT NULL,"
                       " planned_minutes INTEGER NOT NULL CHECK (planned_minutes >= 0),"
                       " practised_seconds INTEGER NOT NULL CHECK (practised_seconds >= 0),"
                       " completed INTEGER NOT NULL CHECK (completed IN (0, 1)),"
                       " inhale_seconds INTEGER NOT NULL,"
                       " chant_seconds INTEGER NOT NULL,"
                       " note TEXT NOT NULL DEFAULT '')"),
    };
    if (version == 2)
        return two;
    static const QStringList one{
        // One row per entry, small, so that the whole journal is listed at
        // once; "scores" repeats the entry's chakra_score rows as "chakra
        // score" pairs ("0 5 3 2") for the list and the trends.
        QStringLiteral("CREATE TABLE reading ("
                       " id INTEGER PRIMARY KEY,"
                       " taken TEXT NOT NULL,"
                       " offset_seconds INTEGER NOT NULL,"
                       " program TEXT NOT NULL CHECK (program IN ('test', 'tarot', 'astrology')),"
                       " scores TEXT NOT NULL DEFAULT '',"
                       " note TEXT NOT NULL DEFAULT '',"
                       " UNIQUE (program, taken))"),
        QStringLiteral("CREATE INDEX reading_by_time ON reading (taken)"),
        // The questions in asked order ("24 3 ...") and the answers ("Yes|No|Not Sure|...").
        QStringLiteral("CREATE TABLE answer_sheet ("
                       " reading_id INTEGER PRIMARY KEY REFERENCES reading (id) ON DELETE CASCADE,"
                       " question_order TEXT NOT NULL,"
                       " answers TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE chakra_score ("
                       " reading_id INTEGER NOT NULL REFERENCES reading (id) ON DELETE CASCADE,"
                       " chakra INTEGER NOT NULL CHECK (chakra BETWEEN 0 AND 6),"
                       " score INTEGER NOT NULL CHECK (score BETWEEN 0 AND 8),"
                       " PRIMARY KEY (reading_id, chakra)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE tarot_card ("
                       " reading_id INTEGER NOT NULL REFERENCES reading (id) ON DELETE CASCADE,"
                       " slot INTEGER NOT NULL CHECK (slot BETWEEN 0 AND 8),"
                       " chakra INTEGER NOT NULL CHECK (chakra BETWEEN 0 AND 6),"
                       " card TEXT NOT NULL,"
                       " PRIMARY KEY (reading_id, slot)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE astrology_reading ("
                       " reading_id INTEGER PRIMARY KEY REFERENCES reading (id) ON DELETE CASCADE,"
                       " birth_date TEXT NOT NULL,"
                       " sign TEXT NOT NULL,"
                       " ruling_planet TEXT NOT NULL,"
                       " chakra TEXT NOT NULL)"),
    };
    return version == 1 ? one : none;
}

// The tables of a journal of each version, with their columns: a file
// that lacks one is no journal of that version.
using TableColumns = std::vector<std::pair<QString, QStringList>>;
const TableColumns &journalTables(int version)
{
    static const TableColumns one{
        {QStringLiteral("reading"),
         {QStringLiteral("id"), QStringLiteral("taken"), QStringLiteral("offset_seconds"), QStringLiteral("program"),
          QStringLiteral("scores"), QStringLiteral("note")}},
        {QStringLiteral("answer_sheet"),
         {QStringLiteral("reading_id"), QStringLiteral("question_order"), QStringLiteral("answers")}},
        {QStringLiteral("chakra_score"), {QStringLiteral("reading_id"), QStringLiteral("chakra"), QStringLiteral("score")}},
        {QStringLiteral("tarot_card"),
         {QStringLiteral("reading_id"), QStringLiteral("slot"), QStringLiteral("chakra"), QStringLiteral("card")}},
        {QStringLiteral("astrology_reading"),
         {QStringLiteral("reading_id"), QStringLiteral("birth_date"), QStringLiteral("sign"),
          QStringLiteral("ruling_planet"), QStringLiteral("chakra")}},
    };
    static const TableColumns two = [] {
        TableColumns tables = one;
        tables.front().second << QStringLiteral("uuid");
        tables.push_back({QStringLiteral("practice"),
                          {QStringLiteral("id"), QStringLiteral("uuid"), QStringLiteral("chakra"), QStringLiteral("taken"),
                           QStringLiteral("offset_seconds"), QStringLiteral("planned_minutes"),
                           QStringLiteral("practised_seconds"), QStringLiteral("completed"),
                           QStringLiteral("inhale_seconds"), QStringLiteral("chant_seconds"), QStringLiteral("note")}});
        return tables;
    }();
    static const TableColumns none;
    return version == 1 ? one : version == 2 ? two : none;
}

// The mode bits of a file or folder; nullopt when it is not there.
std::optional<mode_t> modeOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return st.st_mode;
}

// Takes away what the group and others may do; never adds a permission.
void keepToOwner(const QString &path)
{
    if (const std::optional<mode_t> mode = modeOf(path); mode && (*mode & 077))
        ::chmod(QFile::encodeName(path).constData(), *mode & 07700);
}

// True when the user lets Padmora write the file or folder: its owner may
// write it (a mode the user set is a wish even where root could write
// anyway), and the system lets this process do so.
bool userLetsWrite(const QString &path)
{
    const std::optional<mode_t> mode = modeOf(path);
    return mode && (*mode & S_IWUSR) && ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

struct SqliteStore::Connection {
    QString name;
    QSqlDatabase db;
    std::optional<QSqlQuery> insertReading, insertSheet, insertScore, insertCard, insertAstrology, insertPractice;

    explicit Connection(const QString &n) : name(n), db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), n)) {}
    ~Connection()
    {
        insertReading.reset();
        insertSheet.reset();
        insertScore.reset();
        insertCard.reset();
        insertAstrology.reset();
        insertPractice.reset();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    // Runs a statement; its query, positioned before the first row.
    std::optional<QSqlQuery> run(const QString &sql, QSqlError *error = nullptr)
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(sql)) {
            if (error)
                *error = q.lastError();
            return std::nullopt;
        }
        return q;
    }

    std::optional<QVariant> value(const QString &sql, QSqlError *error = nullptr)
    {
        auto q = run(sql, error);
        if (!q)
            return std::nullopt;
        if (!q->next()) {
            if (error)
                *error = q->lastError();
            return q->lastError().isValid() ? std::nullopt : std::optional<QVariant>(QVariant());
        }
        return q->value(0);
    }

    QSqlQuery &prepared(std::optional<QSqlQuery> &slot, const QString &sql)
    {
        if (!slot) {
            slot.emplace(db);
            slot->prepare(sql);
        }
        return *slot;
    }
};

SqliteStore::SqliteStore(const QString &path) : m_path(path) {}

SqliteStore::~SqliteStore() = default;

void SqliteStore::close()
{
    m_db.reset();
    m_status.reset();
}

bool SqliteStore::fail(const QString &what)
{
    m_lastError = what;
    return false;
}

bool SqliteStore::lastFailedForRoom() const
{
    return m_lastError == diskFullText();
}

bool SqliteStore::isFull(const QSqlError &error) const
{
    const int code = primaryCode(error);
    // A write that finds no room comes back as an I/O error as often as a
    // full disk: the log or its index could not grow.
    return code == kSqliteFull || (code == kSqliteIoError && diskIsFull());
}

QString SqliteStore::describe(const QSqlError &error) const
{
    return isFull(error) ? diskFullText() : describeError(error);
}

bool SqliteStore::diskIsFull() const
{
    QStorageInfo disk(QFileInfo(m_path).absolutePath());
    disk.refresh();
    return disk.isValid() && disk.bytesAvailable() < kFullBelow;
}

// Opens a connection to the file; read-only ones never write it, nor make
// its companions when it has no log to read.
bool SqliteStore::connect(Access access)
{
    static int connections = 0;
    m_db = std::make_unique<Connection>(QStringLiteral("padmora-journal-%1").arg(++connections));
    QStringList options{QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000")};
    if (access != Access::ReadWrite)
        options << QStringLiteral("QSQLITE_OPEN_READONLY");
    if (access == Access::AsItStands) {
        // The file is read as it stands, with no -wal or -shm made beside it.
        QUrl uri = QUrl::fromLocalFile(m_path);
        uri.setScheme(QStringLiteral("file"));
        m_db->db.setDatabaseName(uri.toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
        options << QStringLiteral("QSQLITE_OPEN_URI");
    } else {
        m_db->db.setDatabaseName(m_path);
    }
    m_db->db.setConnectOptions(options.join(QLatin1Char(';')));
    return m_db->db.open();
}

// What the file holds, read without writing it: its version, and whether
// it is a journal. Without a log the file is the whole database and is read
// as it stands, making nothing beside it; a log is read with it.
SqliteStore::Look SqliteStore::look(bool folderWritable)
{
    Look seen;
    QSqlError error;
    std::optional<QVariant> version;
    const bool hasLog = QFileInfo(m_path + QStringLiteral("-wal")).size() > 0;
    const Access first = hasLog && folderWritable ? Access::ReadOnly : Access::AsItStands;
    if (connect(first))
        version = m_db->value(QStringLiteral("PRAGMA user_version"), &error);
    else
        error = m_db->db.lastError();
    if (!version && first == Access::ReadOnly && primaryCode(error) != kSqliteNotADatabase) {
        m_db.reset();
        if (connect(Access::AsItStands))
            version = m_db->value(QStringLiteral("PRAGMA user_version"), &error);
        else
            error = m_db->db.lastError();
    }
    if (!version) {
        const int code = primaryCode(error);
        seen.state = code == kSqliteNotADatabase || code == kSqliteCorrupt ? StoreState::Damaged : StoreState::Unavailable;
        seen.problem = describe(error);
        return seen;
    }
    seen.version = version->toInt();
    if (seen.version > kSchemaVersion) {
        seen.state = StoreState::Newer;
        return seen;
    }
    QStringList tables;
    if (auto q = m_db->run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"), &error))
        while (q->next())
            tables << q->value(0).toString();
    else
        return {StoreState::Damaged, describe(error), seen.version};
    if (seen.version == 0) {
        // A new, empty database becomes a journal; one with tables of its
        // own belongs to another program.
        if (!tables.isEmpty())
            return {StoreState::Foreign,
                    QCoreApplication::translate("Journal", "it is a database of another program (it holds the table \"%1\")")
                        .arg(tables.first()),
                    0};
        seen.state = StoreState::Ready;
        return seen;
    }
    if (seen.version < 0)
        return {StoreState::Foreign,
                QCoreApplication::translate("Journal", "it is a database of another program (its version is %1)").arg(seen.version),
                seen.version};
    for (const auto &[table, columns] : journalTables(seen.version)) {
        if (!tables.contains(table))
            return {StoreState::Foreign,
                    QCoreApplication::translate("Journal", "it is no Padmora journal: it says it is of version %1, but "
                                                           "it has no table \"%2\"")
                        .arg(seen.version)
                        .arg(table),
                    seen.version};
        QStringList found;
        if (auto q = m_db->run(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
            while (q->next())
                found << q->value(0).toString();
        for (const QString &column : columns)
            if (!found.contains(column))
                return {StoreState::Foreign,
                        QCoreApplication::translate("Journal", "it is no Padmora journal: its table \"%1\" has no column "
                                                               "\"%2\"")
                            .arg(table, column),
                        seen.version};
    }
    const std::optional<QVariant> check = m_db->value(QStringLiteral("PRAGMA quick_check"), &error);
    if (!check || check->toString() != QLatin1String("ok"))
        return {StoreState::Damaged,
                check ? QCoreApplication::translate("Journal", "the file is damaged (%1)").arg(check->toString())
                      : describe(error),
                seen.version};
    seen.state = StoreState::Ready;
    return seen;
}

bool SqliteStore::ensureOpen(bool tryAgainNow)
{
    if (m_status && !(m_tryAgain && tryAgainNow))
        return m_db != nullptr;
    m_tryAgain = false;
    m_db.reset();
    m_status = StoreStatus();
    auto unavailable = [this](StoreState state, const QString &problem) {
        m_status->state = state;
        m_status->problem = problem;
        m_lastError = problem;
        m_db.reset();
        return false;
    };

    const QFileInfo file(m_path);
    const QString folder = file.absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder))
            return unavailable(StoreState::Unavailable,
                               QCoreApplication::translate("Journal", "its folder %1 cannot be made").arg(folder));
        // The journal is the user's alone.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        keepToOwner(folder);
    }
    if (file.isDir())
        return unavailable(StoreState::Unavailable, QCoreApplication::translate("Journal", "a folder is in the place of the journal file"));
    const bool folderWritable = userLetsWrite(folder);
    if (!file.exists()) {
        const int fd = folderWritable ? ::open(QFile::encodeName(m_path).constData(),
                                               O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600)
                                      : -1;
        if (fd < 0 && !QFileInfo::exists(m_path)) {
            if (folderWritable && diskIsFull()) {
                m_tryAgain = true;
                return unavailable(StoreState::Unavailable, diskFullText());
            }
            return unavailable(StoreState::ReadOnly, QCoreApplication::translate("Journal", "the journal file cannot be made in %1").arg(folder));
        }
        if (fd >= 0)
            ::close(fd);
    }
    const bool writable = folderWritable && userLetsWrite(m_path);

    // What the file is, decided before anything is written: a newer
    // journal and another program's database are never changed.
    const Look seen = look(folderWritable);
    m_status->fileVersion = seen.version;
    // Read, never written: the look's connection stays for reading.
    auto readOnly = [&](StoreState state, const QString &problem) {
        m_status->state = state;
        m_status->problem = problem;
        m_db->run(QStringLiteral("PRAGMA foreign_keys = ON"));
        return true;
    };
    switch (seen.state) {
    case StoreState::Ready:
        break;
    case StoreState::Newer:
        return readOnly(StoreState::Newer, QCoreApplication::translate("Journal", "it was written by a newer Padmora"));
    default:
        return unavailable(seen.state, seen.problem);
    }
    if (!writable)
        return readOnly(StoreState::ReadOnly, QCoreApplication::translate("Journal", "the file can only be read"));

    // A journal of Padmora's, to be written: the look goes, and the file is
    // kept to its owner.
    m_db.reset();
    keepToOwner(m_path);
    // A log left by a run that did not end cleanly holds what it last wrote,
    // deleted readings too: it goes into the file at once.
    const bool uncleanEnd = QFileInfo(m_path + QStringLiteral("-wal")).size() > 0;
    QSqlError error;
    auto cannotWrite = [&](const QString &problem, bool full) {
        // Room may come back: until then the journal is read as it stands.
        if (full && connectForReading()) {
            m_tryAgain = true;
            m_status->state = StoreState::ReadOnly;
            m_status->problem = problem;
            return true;
        }
        m_tryAgain = full;
        return unavailable(StoreState::Unavailable, problem);
    };
    auto cannotWriteFor = [&](const QSqlError &why) { return cannotWrite(describe(why), isFull(why)); };
    if (!connect(Access::ReadWrite))
        return cannotWriteFor(m_db->db.lastError());
    const std::optional<QVariant> mode = m_db->value(QStringLiteral("PRAGMA journal_mode = WAL"), &error);
    if (!mode)
        return cannotWriteFor(error);
    if (mode->toString() != QLatin1String("wal"))
        return cannotWrite(QCoreApplication::translate("Journal", "it cannot be written ahead (%1)").arg(mode->toString()), false);
    m_db->run(QStringLiteral("PRAGMA foreign_keys = ON"));
    // Every commit reaches the disk before it is reported done.
    m_db->run(QStringLiteral("PRAGMA synchronous = FULL"));
    // What is deleted is overwritten, not only forgotten.
    m_db->run(QStringLiteral("PRAGMA secure_delete = ON"));
    if (uncleanEnd)
        checkpoint();
    // The log may hold a later version than the file alone showed.
    if (const std::optional<QVariant> v = m_db->value(QStringLiteral("PRAGMA user_version")))
        m_status->fileVersion = v->toInt();
    if (m_status->fileVersion > kSchemaVersion) {
        m_status->state = StoreState::Newer;
        m_status->problem = QCoreApplication::translate("Journal", "it was written by a newer Padmora");
        return true;
    }

    for (int v = m_status->fileVersion + 1; v <= kSchemaVersion; ++v) {
        if (!m_db->db.transaction())
            return cannotWriteFor(m_db->db.lastError());
        bool ok = true;
        for (const QString &sql : migrationStep(v))
            ok = ok && m_db->run(sql, &error).has_value();
        ok = ok && m_db->run(QStringLiteral("PRAGMA user_version = %1").arg(v), &error).has_value();
        if (!ok || !m_db->db.commit()) {
            if (ok)
                error = m_db->db.lastError();
            m_db->db.rollback();
            if (primaryCode(error) == kSqliteReadOnly)
                return unavailable(StoreState::ReadOnly, describe(error));
            return cannotWriteFor(error);
        }
        m_status->fileVersion = v;
    }
    m_status->state = StoreState::Ready;
    return true;
}

bool SqliteStore::connectForReading()
{
    for (const Access access : {Access::ReadOnly, Access::AsItStands}) {
        m_db.reset();
        if (connect(access) && m_db->value(QStringLiteral("PRAGMA user_version")))
            return true;
    }
    return false;
}

void SqliteStore::checkpoint()
{
    // The log is copied into the file and cut to nothing, so that what it
    // held is in no file but the journal itself.
    m_db->run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

StoreStatus SqliteStore::status()
{
    ensureOpen(true);
    return *m_status;
}

bool SqliteStore::isWritable()
{
    return ensureOpen(true) && m_status->state == StoreState::Ready;
}

qint64 SqliteStore::save(Reading &reading)
{
    if (!isWritable()) {
        fail(m_status->problem);
        return 0;
    }
    const std::optional<ImportCount> added = add({reading}, {});
    if (!added || added->added != 1) {
        if (added)
            fail(QCoreApplication::translate("Journal", "an entry of that moment is already there"));
        return 0;
    }
    QSqlQuery q(m_db->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, uuid FROM reading WHERE program = ? AND taken = ?"));
    q.bindValue(0, programKey(reading.program));
    q.bindValue(1, takenText(reading.taken));
    const bool found = q.exec() && q.next();
    reading.id = found ? q.value(0).toLongLong() : 0;
    if (found)
        reading.uuid = q.value(1).toString();
    return reading.id;
}

qint64 SqliteStore::savePractice(Practice &practice)
{
    if (!isWritable()) {
        fail(m_status->problem);
        return 0;
    }
    const std::optional<ImportCount> added = add({}, {practice});
    if (!added || added->added != 1) {
        if (added)
            fail(QCoreApplication::translate("Journal", "an entry of that moment is already there"));
        return 0;
    }
    QSqlQuery q(m_db->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, uuid FROM practice WHERE taken = ?"));
    q.bindValue(0, takenText(practice.taken));
    const bool found = q.exec() && q.next();
    practice.id = found ? q.value(0).toLongLong() : 0;
    if (found)
        practice.uuid = q.value(1).toString();
    return practice.id;
}

std::optional<ImportCount> SqliteStore::add(const QList<Reading> &readings, const QList<Practice> &practices)
{
    if (!isWritable()) {
        fail(m_status->problem);
        return std::nullopt;
    }
    Connection &c = *m_db;
    if (!c.db.transaction()) {
        fail(describe(c.db.lastError()));
        return std::nullopt;
    }
    QSqlQuery &insertReading = c.prepared(
        c.insertReading, QStringLiteral("INSERT INTO reading (taken, offset_seconds, program, scores, note, uuid) "
                                        "VALUES (?, ?, ?, ?, ?, coalesce(?, " PADMORA_NEW_UUID ")) ON CONFLICT DO NOTHING"));
    QSqlQuery &insertPractice = c.prepared(
        c.insertPractice,
        QStringLiteral("INSERT INTO practice (taken, offset_seconds, chakra, planned_minutes, practised_seconds, completed,"
                       " inhale_seconds, chant_seconds, note, uuid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, coalesce(?, "
                       PADMORA_NEW_UUID ")) ON CONFLICT DO NOTHING"));
    QSqlQuery &insertSheet = c.prepared(
        c.insertSheet, QStringLiteral("INSERT INTO answer_sheet (reading_id, question_order, answers) VALUES (?, ?, ?)"));
    QSqlQuery &insertScore =
        c.prepared(c.insertScore, QStringLiteral("INSERT INTO chakra_score (reading_id, chakra, score) VALUES (?, ?, ?)"));
    QSqlQuery &insertCard = c.prepared(
        c.insertCard, QStringLiteral("INSERT INTO tarot_card (reading_id, slot, chakra, card) VALUES (?, ?, ?, ?)"));
    QSqlQuery &insertAstrology = c.prepared(
        c.insertAstrology, QStringLiteral("INSERT INTO astrology_reading (reading_id, birth_date, sign, ruling_planet, "
                                          "chakra) VALUES (?, ?, ?, ?, ?)"));
    ImportCount count;
    QSqlError error;
    auto exec = [&](QSqlQuery &q) {
        if (q.exec())
            return true;
        error = q.lastError();
        return false;
    };
    bool ok = true;
    for (const Reading &r : readings) {
        insertReading.bindValue(0, takenText(r.taken));
        insertReading.bindValue(1, r.offsetSeconds);
        insertReading.bindValue(2, programKey(r.program));
        QStringList pairs;
        for (int i = 0; i < kChakraCount; ++i)
            if (r.isChakraReading() && r.ticked[std::size_t(i)])
                pairs << QString::number(i) << QString::number(r.scores[std::size_t(i)]);
        insertReading.bindValue(3, notNull(pairs.join(QLatin1Char(' '))));
        insertReading.bindValue(4, notNull(r.note));
        insertReading.bindValue(5, r.uuid.isEmpty() ? QVariant() : QVariant(r.uuid));
        if (!(ok = exec(insertReading)))
            break;
        if (insertReading.numRowsAffected() != 1) {
            ++count.alreadyThere;
            continue;
        }
        const qint64 id = insertReading.lastInsertId().toLongLong();
        ++count.added;
        if (r.program == Program::Astrology) {
            insertAstrology.bindValue(0, id);
            insertAstrology.bindValue(1, r.birthDate.toString(Qt::ISODate));
            insertAstrology.bindValue(2, notNull(r.sign));
            insertAstrology.bindValue(3, notNull(r.rulingPlanet));
            insertAstrology.bindValue(4, notNull(r.chakraName));
            if (!(ok = exec(insertAstrology)))
                break;
            continue;
        }
        insertSheet.bindValue(0, id);
        insertSheet.bindValue(1, notNull(joinedOrder(r.questionOrder)));
        insertSheet.bindValue(2, notNull(r.answers.join(QLatin1Char('|'))));
        if (!(ok = exec(insertSheet)))
            break;
        for (int i = 0; i < kChakraCount && ok; ++i) {
            if (!r.ticked[std::size_t(i)])
                continue;
            insertScore.bindValue(0, id);
            insertScore.bindValue(1, i);
            insertScore.bindValue(2, int(r.scores[std::size_t(i)]));
            ok = exec(insertScore);
        }
        for (const ShownCard &card : r.cards) {
            if (!ok)
                break;
            insertCard.bindValue(0, id);
            insertCard.bindValue(1, card.slot);
            insertCard.bindValue(2, card.chakra);
            insertCard.bindValue(3, card.card);
            ok = exec(insertCard);
        }
        if (!ok)
            break;
    }
    for (const Practice &p : practices) {
        if (!ok)
            break;
        insertPractice.bindValue(0, takenText(p.taken));
        insertPractice.bindValue(1, p.offsetSeconds);
        insertPractice.bindValue(2, p.chakra);
        insertPractice.bindValue(3, p.plannedMinutes);
        insertPractice.bindValue(4, p.practisedSeconds);
        insertPractice.bindValue(5, p.completed ? 1 : 0);
        insertPractice.bindValue(6, p.inhaleSeconds);
        insertPractice.bindValue(7, p.chantSeconds);
        insertPractice.bindValue(8, notNull(withinNoteLimit(p.note)));
        insertPractice.bindValue(9, p.uuid.isEmpty() ? QVariant() : QVariant(p.uuid));
        if (!(ok = exec(insertPractice)))
            break;
        if (insertPractice.numRowsAffected() == 1)
            ++count.added;
        else
            ++count.alreadyThere;
    }
    if (ok && !c.db.commit()) {
        error = c.db.lastError();
        ok = false;
    }
    if (!ok) {
        c.db.rollback();
        fail(describe(error));
        return std::nullopt;
    }
    return count;
}

std::optional<Reading> SqliteStore::load(qint64 id)
{
    if (!ensureOpen()) {
        fail(m_status->problem);
        return std::nullopt;
    }
    QSqlQuery q(m_db->db);
    q.setForwardOnly(true);
    // A journal of version 1 that cannot be written stays without ids.
    const QString uuid = m_status->fileVersion >= 2 ? QStringLiteral("r.uuid") : QStringLiteral("''");
    q.prepare(QStringLiteral("SELECT r.taken, r.offset_seconds, r.program, s.question_order, s.answers, r.note, %1"
                             " FROM reading r LEFT JOIN answer_sheet s ON s.reading_id = r.id WHERE r.id = ?")
                  .arg(uuid));
    q.bindValue(0, id);
    if (!q.exec() || !q.next()) {
        fail(q.lastError().isValid() ? describe(q.lastError()) : QCoreApplication::translate("Journal", "there is no entry %1").arg(id));
        return std::nullopt;
    }
    Reading r;
    r.id = id;
    r.taken = takenFromText(q.value(0).toString());
    r.offsetSeconds = q.value(1).toInt();
    programFromKey(q.value(2).toString(), &r.program);
    r.questionOrder = splitOrder(q.value(3).toString());
    const QString answers = q.value(4).toString();
    r.answers = answers.isEmpty() ? QStringList() : answers.split(QLatin1Char('|'));
    r.note = q.value(5).toString();
    r.uuid = q.value(6).toString();
    if (r.program == Program::Astrology) {
        q.prepare(QStringLiteral("SELECT birth_date, sign, ruling_planet, chakra FROM astrology_reading "
                                 "WHERE reading_id = ?"));
        q.bindValue(0, id);
        if (q.exec() && q.next()) {
            r.birthDate = QDate::fromString(q.value(0).toString(), Qt::ISODate);
            r.sign = q.value(1).toString();
            r.rulingPlanet = q.value(2).toString();
            r.chakraName = q.value(3).toString();
        }
        return r;
    }
    q.prepare(QStringLiteral("SELECT chakra, score FROM chakra_score WHERE reading_id = ?"));
    q.bindValue(0, id);
    if (q.exec())
        while (q.next()) {
            const int chakra = q.value(0).toInt();
            if (chakra < 0 || chakra >= kChakraCount)
                continue;
            r.ticked[std::size_t(chakra)] = true;
            r.scores[std::size_t(chakra)] = qint16(q.value(1).toInt());
        }
    q.prepare(QStringLiteral("SELECT chakra, slot, card FROM tarot_card WHERE reading_id = ? ORDER BY slot"));
    q.bindValue(0, id);
    if (q.exec())
        while (q.next())
            r.cards.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString()});
    return r;
}

QList<Entry> SqliteStore::entries()
{
    QList<Entry> out;
    if (!ensureOpen())
        return out;
    auto q = m_db->run(QStringLiteral(
        "SELECT r.id, r.taken, r.offset_seconds, r.program, r.note, r.scores, a.sign, a.ruling_planet, a.chakra"
        " FROM reading r LEFT JOIN astrology_reading a ON a.reading_id = r.id"
        " ORDER BY r.taken DESC, r.id DESC"));
    if (!q)
        return out;
    while (q->next()) {
        Entry e;
        e.id = q->value(0).toLongLong();
        e.taken = takenFromText(q->value(1).toString());
        e.offsetSeconds = q->value(2).toInt();
        programFromKey(q->value(3).toString(), &e.program);
        e.note = q->value(4).toString();
        if (e.program == Program::Astrology) {
            e.sign = q->value(6).toString();
            e.rulingPlanet = q->value(7).toString();
            e.chakraName = q->value(8).toString();
        } else {
            e.scores = q->value(5).toString();
        }
        out.append(std::move(e));
    }
    auto p = m_db->run(QStringLiteral("SELECT id, taken, offset_seconds, note, chakra, planned_minutes, practised_seconds,"
                                      " completed FROM practice ORDER BY taken DESC, id DESC"));
    if (!p)
        return out;
    QList<Entry> practised;
    while (p->next()) {
        Entry e;
        e.kind = EntryKind::Practice;
        e.id = p->value(0).toLongLong();
        e.taken = takenFromText(p->value(1).toString());
        e.offsetSeconds = p->value(2).toInt();
        e.note = p->value(3).toString();
        e.chakra = p->value(4).toInt();
        e.plannedMinutes = p->value(5).toInt();
        e.practisedSeconds = p->value(6).toLongLong();
        e.completed = p->value(7).toInt() != 0;
        practised.append(std::move(e));
    }
    if (practised.isEmpty())
        return out;
    // Both lists run newest first: merged, so do they.
    QList<Entry> merged;
    merged.reserve(out.size() + practised.size());
    std::merge(std::make_move_iterator(out.begin()), std::make_move_iterator(out.end()),
               std::make_move_iterator(practised.begin()), std::make_move_iterator(practised.end()),
               std::back_inserter(merged), [](const Entry &a, const Entry &b) { return a.taken > b.taken; });
    return merged;
}

std::optional<QList<Practice>> SqliteStore::practices()
{
    if (!ensureOpen()) {
        fail(m_status->problem);
        return std::nullopt;
    }
    // A journal of version 1 that cannot be written holds none.
    if (m_status->fileVersion < 2)
        return QList<Practice>();
    auto q = m_db->run(QStringLiteral("SELECT id, uuid, chakra, taken, offset_seconds, planned_minutes, practised_seconds,"
                                      " completed, inhale_seconds, chant_seconds, note FROM practice ORDER BY taken, id"));
    if (!q) {
        fail(QCoreApplication::translate("Journal", "the entries cannot be read"));
        return std::nullopt;
    }
    QList<Practice> out;
    while (q->next()) {
        Practice p;
        p.id = q->value(0).toLongLong();
        p.uuid = q->value(1).toString();
        p.chakra = q->value(2).toInt();
        p.taken = takenFromText(q->value(3).toString());
        p.offsetSeconds = q->value(4).toInt();
        p.plannedMinutes = q->value(5).toInt();
        p.practisedSeconds = q->value(6).toLongLong();
        p.completed = q->value(7).toInt() != 0;
        p.inhaleSeconds = q->value(8).toInt();
        p.chantSeconds = q->value(9).toInt();
        p.note = q->value(10).toString();
        out.append(std::move(p));
    }
    return out;
}

bool SqliteStore::setPracticeNote(qint64 id, const QString &note)
{
    return setNoteIn(QStringLiteral("practice"), id, note);
}

bool SqliteStore::removePractices(const QList<qint64> &ids)
{
    return removeFrom(QStringLiteral("practice"), ids);
}

bool SqliteStore::setNote(qint64 id, const QString &note)
{
    return setNoteIn(QStringLiteral("reading"), id, note);
}

bool SqliteStore::setNoteIn(const QString &table, qint64 id, const QString &note)
{
    if (!isWritable())
        return fail(m_status->problem);
    QSqlQuery q(m_db->db);
    // The table is one of the store's own names, never the user's.
    q.prepare(QStringLiteral("UPDATE %1 SET note = ? WHERE id = ?").arg(table));
    q.bindValue(0, notNull(withinNoteLimit(note)));
    q.bindValue(1, id);
    if (!q.exec())
        return fail(describe(q.lastError()));
    return true;
}

bool SqliteStore::remove(const QList<qint64> &ids)
{
    return removeFrom(QStringLiteral("reading"), ids);
}

bool SqliteStore::removeFrom(const QString &table, const QList<qint64> &ids)
{
    if (!isWritable())
        return fail(m_status->problem);
    if (!m_db->db.transaction())
        return fail(describe(m_db->db.lastError()));
    QSqlQuery q(m_db->db);
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(table));
    for (qint64 id : ids) {
        q.bindValue(0, id);
        if (!q.exec()) {
            const QSqlError error = q.lastError();
            m_db->db.rollback();
            return fail(describe(error));
        }
    }
    if (!m_db->db.commit()) {
        const QSqlError error = m_db->db.lastError();
        m_db->db.rollback();
        return fail(describe(error));
    }
    checkpoint();
    return true;
}

bool SqliteStore::removeAll()
{
    if (!isWritable())
        return fail(m_status->problem);
    QSqlError error;
    if (!m_db->db.transaction())
        return fail(describe(m_db->db.lastError()));
    if (!m_db->run(QStringLiteral("DELETE FROM reading"), &error) || !m_db->run(QStringLiteral("DELETE FROM practice"), &error)
        || !m_db->db.commit()) {
        if (!error.isValid())
            error = m_db->db.lastError();
        m_db->db.rollback();
        return fail(describe(error));
    }
    checkpoint();
    return true;
}

QList<ScorePoint> SqliteStore::scorePoints()
{
    QList<ScorePoint> out;
    if (!ensureOpen())
        return out;
    auto q = m_db->run(QStringLiteral("SELECT taken, offset_seconds, program, scores FROM reading"
                                      " WHERE program IN ('test', 'tarot') ORDER BY taken, id"));
    if (!q)
        return out;
    while (q->next()) {
        ScorePoint p;
        p.taken = takenFromText(q->value(0).toString());
        p.offsetSeconds = q->value(1).toInt();
        programFromKey(q->value(2).toString(), &p.program);
        const QList<int> pairs = splitOrder(q->value(3).toString());
        for (qsizetype k = 0; k + 1 < pairs.size(); k += 2) {
            p.chakra = pairs[k];
            p.score = pairs[k + 1];
            out.append(p);
        }
    }
    return out;
}

QList<CardCount> SqliteStore::cardCounts()
{
    QList<CardCount> out;
    if (!ensureOpen())
        return out;
    auto q = m_db->run(QStringLiteral("SELECT card, count(*) AS n FROM tarot_card GROUP BY card ORDER BY n DESC, card"));
    if (!q)
        return out;
    while (q->next())
        out.append({q->value(0).toString(), q->value(1).toInt()});
    return out;
}

std::optional<QList<Reading>> SqliteStore::allReadings()
{
    if (!ensureOpen()) {
        fail(m_status->problem);
        return std::nullopt;
    }
    auto q = m_db->run(QStringLiteral("SELECT id FROM reading ORDER BY taken, id"));
    if (!q) {
        fail(QCoreApplication::translate("Journal", "the entries cannot be read"));
        return std::nullopt;
    }
    QList<qint64> ids;
    while (q->next())
        ids << q->value(0).toLongLong();
    QList<Reading> out;
    out.reserve(ids.size());
    for (qint64 id : ids) {
        std::optional<Reading> r = load(id);
        if (!r)
            return std::nullopt;
        out.append(std::move(*r));
    }
    return out;
}

int SqliteStore::count()
{
    if (!ensureOpen())
        return 0;
    const std::optional<QVariant> n =
        m_db->value(QStringLiteral("SELECT (SELECT count(*) FROM reading) + (SELECT count(*) FROM practice)"));
    return n ? n->toInt() : 0;
}

QString SqliteStore::moveAside(const QDateTime &moment)
{
    close();
    const QString aside = m_path + QStringLiteral(".damaged-") + moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFileInfo::exists(aside) || !QFile::rename(m_path, aside)) {
        // QFile does not rename folders; a folder in the way goes aside too.
        if (QFileInfo::exists(aside) || !QDir().rename(m_path, aside)) {
            m_lastError = QCoreApplication::translate("Journal", "%1 cannot be renamed").arg(m_path);
            return QString();
        }
    }
    for (const QString &companion : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(m_path + companion))
            QFile::rename(m_path + companion, aside + companion);
    return aside;
}

} // namespace padmora::journal
