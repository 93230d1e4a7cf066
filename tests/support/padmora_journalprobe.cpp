// SPDX-License-Identifier: GPL-3.0-or-later
// The journal's store in a process of its own, for the tests that kill it
// or run it where the disk is full or the file cannot be written (in a
// mount namespace of its own). One line on standard output per event.
//
//   padmora_journalprobe loop <file> <first ms>
//       saves seven-chakra tests taken 1 ms apart from the first moment on,
//       for ever, printing "saved <time>" once each save has returned.
//   padmora_journalprobe fill <file>
//       saves until a save fails, printing "saved <n>" for each and "failed
//       <why>" for the failure, then "entries <n>" and "integrity <result>"
//       as a fresh store reads the file.
//   padmora_journalprobe room <file> <filler>
//       saves three readings, then fills the disk with the file <filler>
//       and tries a fourth ("failed <why>" with "for room" when the store
//       says room would mend it), prints "entries <n>", removes the filler
//       and tries again ("saved" or "failed <why>"), printing "entries <n>";
//       then fills the disk again and opens the journal anew, as at a start
//       on a full disk: "state <n> entries <n>", a save, the filler gone, a
//       save again, "entries <n>".
//   padmora_journalprobe write <file>
//       prints "state <n>" and "entries <n>", then tries a save ("saved" or
//       "failed <why>"), a note ("noted" or "note failed <why>") and a
//       deletion ("deleted" or "delete failed <why>").

#include "chakras/scoring.h"
#include "journal/store.h"
#include "support/filldisk.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

using namespace padmora;
using namespace padmora::journal;
using padmora::testing::fillDisk;

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

Reading aTest(const QDateTime &moment)
{
    Reading r;
    r.program = Program::ChakraTest;
    r.taken = moment.toUTC();
    r.offsetSeconds = 0;
    r.ticked.fill(true);
    for (int q = 0; q < kQuestionCount; ++q) {
        r.questionOrder << (q * 11) % kQuestionCount;  // 11 and 56 share no factor: every question once
        r.answers << (q % 3 == 0 ? QStringLiteral("Yes") : q % 3 == 1 ? QStringLiteral("No") : QStringLiteral("Not Sure"));
    }
    r.scores = scoreAnswers(sheetOf(r));
    return r;
}

QString integrity(const QString &path)
{
    QString result = QStringLiteral("not read");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                result = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

QString tried(Store &store, const QDateTime &moment)
{
    Reading r = aTest(moment);
    if (store.save(r))
        return QStringLiteral("saved");
    return QStringLiteral("failed ") + store.lastError() + (store.lastFailedForRoom() ? QStringLiteral(" for room") : QString());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString command = args[1];
    const QString path = args[2];
    if (command == QLatin1String("loop") && args.size() > 3) {
        Store store(path);
        QDateTime moment = QDateTime::fromMSecsSinceEpoch(args[3].toLongLong(), Qt::UTC);
        for (;;) {
            Reading r = aTest(moment);
            if (!store.save(r)) {
                say(QStringLiteral("failed ") + store.lastError());
                return 1;
            }
            say(QStringLiteral("saved ") + QString::number(moment.toMSecsSinceEpoch()));
            moment = moment.addMSecs(1);
        }
    }
    if (command == QLatin1String("fill")) {
        int saved = 0;
        {
            Store store(path);
            QDateTime moment = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
            for (;;) {
                Reading r = aTest(moment);
                if (!store.save(r)) {
                    say(QStringLiteral("failed ") + store.lastError());
                    break;
                }
                say(QStringLiteral("saved %1").arg(++saved));
                moment = moment.addSecs(1);
            }
        }
        Store again(path);
        say(QStringLiteral("entries %1").arg(again.count()));
        again.close();
        say(QStringLiteral("integrity ") + integrity(path));
        return 0;
    }
    if (command == QLatin1String("room") && args.size() > 3) {
        const QString filler = args[3];
        QDateTime moment = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
        {
            Store store(path);
            for (int n = 0; n < 3; ++n) {
                Reading r = aTest(moment = moment.addSecs(1));
                store.save(r);
            }
            fillDisk(filler);
            say(tried(store, moment = moment.addSecs(1)));
            say(QStringLiteral("entries %1").arg(store.entries().size()));
            QFile::remove(filler);
            say(tried(store, moment = moment.addSecs(1)));
            say(QStringLiteral("entries %1").arg(store.entries().size()));
        }
        fillDisk(filler);
        Store again(path);
        say(QStringLiteral("state %1 entries %2").arg(int(again.status().state)).arg(again.entries().size()));
        say(tried(again, moment = moment.addSecs(1)));
        QFile::remove(filler);
        say(tried(again, moment = moment.addSecs(1)));
        say(QStringLiteral("entries %1").arg(again.entries().size()));
        return 0;
    }
    if (command == QLatin1String("write")) {
        Store store(path);
        say(QStringLiteral("state %1").arg(int(store.status().state)));
        const QList<Entry> entries = store.entries();
        say(QStringLiteral("entries %1").arg(entries.size()));
        Reading r = aTest(QDateTime::currentDateTimeUtc());
        say(store.save(r) ? QStringLiteral("saved") : QStringLiteral("failed ") + store.lastError());
        const qint64 first = entries.isEmpty() ? 0 : entries.first().id;
        say(store.setNote(first, QStringLiteral("a note")) ? QStringLiteral("noted")
                                                           : QStringLiteral("note failed ") + store.lastError());
        say(store.remove({first}) ? QStringLiteral("deleted") : QStringLiteral("delete failed ") + store.lastError());
        return 0;
    }
    return 2;
}
