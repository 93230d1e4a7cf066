// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal as a file of its own: JSON for keeping and moving it (read
// back losslessly), CSV for spreadsheets. Both are written whole or not at
// all; an import is taken whole or refused whole.
//
// The JSON format, version 2 (docs/manual.md describes it):
//   { "format": "Padmora journal", "version": 2, "entries": [ entry, ... ],
//     "practices": [ practice, ... ] }
// where an entry of the chakra test or the chakras tarot is
//   { "id": "3f2b8c1e-9a4d-4e7f-b0c2-5d6e7f8a9b0c",
//     "taken": "2026-12-08T09:30:00.000Z", "offset": 3600,
//     "program": "test" | "tarot",
//     "questions": [24, 3, ...], "answers": ["Yes", "No", "Not Sure", ...],
//     "scores": [{"chakra": 0, "score": 5}, ...],
//     "cards": [{"chakra": 3, "slot": 4, "card": "Justice"}, ...],   (tarot only)
//     "note": "..." }
// and an astrology entry is
//   { "taken": ..., "offset": ..., "program": "astrology",
//     "birthDate": "1980-07-23", "sign": "Leo", "rulingPlanet": "The Sun",
//     "chakra": "Crown Chakra", "note": "..." }
// and a practice is
//   { "id": ..., "taken": ..., "offset": ..., "chakra": 3,
//     "plannedMinutes": 10 (0: open-ended), "practisedSeconds": 600,
//     "completed": true, "inhaleSeconds": 4, "chantSeconds": 6, "note": "..." }
// Version 1 is the same without ids and practices; its entries are given
// ids as they are imported. An entry's id is written only once it has one.

#include "journal/reading.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace padmora::journal {

inline const QString kExchangeFormat = QStringLiteral("Padmora journal");
inline constexpr int kExchangeVersion = 2;

QByteArray toJson(const QList<Reading> &readings, const QList<Practice> &practices = {});

// The readings of a JSON journal, or, in problem, what is wrong and where
// ("entry 12, \"scores\": the score of the Heart Chakra is 9; a score is 0 to 8").
struct ParsedJournal {
    QList<Reading> readings;
    QList<Practice> practices;
    QString problem;
};
ParsedJournal fromJson(const QByteArray &json);

// The largest file an import reads: some fifteen thousand readings of all
// seven chakras.
inline constexpr qint64 kImportLimit = 64 * 1024 * 1024;

// The readings of a JSON journal file. A file larger than kImportLimit is
// refused before anything of it is read; one that cannot be read says why.
ParsedJournal readJson(const QString &path);

// One row per chakra score: date, program, chakra, score, state.
QByteArray toCsv(const QList<Reading> &readings);

// Writes a file whole or not at all (QSaveFile), readable and writable by
// its owner alone (0600) as the journal is, whatever stood there before;
// false with the reason.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *why);

} // namespace padmora::journal
