// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The astrology screen's own constant tables: the seven chakras in this
// screen's crown-first order (0 Crown ... 6 Root), the twelve signs with the
// chakra and ruling planets each reaches, and the first day of the later sun
// sign in every month. Names and readings come from the chakra catalogue;
// the Sanskrit meanings, keywords, colours and symbols are this screen's own.
//
// Signs, planets, months and the chakra names of the sign table are kept in
// English: the journal keeps and checks them. signText, planetText and
// monthText give them in the user's language.

#include <QString>
#include <array>

namespace padmora::astrology {

inline constexpr int kChakraCount = 7;
inline constexpr int kSignCount = 12;
inline constexpr int kMonthCount = 12;
inline constexpr int kDayCount = 31;
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;

// One chakra as this screen reads it out, in the user's language.
struct AstroChakra {
    QString name;             // "Crown Chakra", as the journal keeps it
    QString shownName;        // the same in the language in use
    QString sanskritName;     // "Sahasrara"
    QString sanskritMeaning;  // "Sahasrara (thousand-fold)"
    QString keyword;
    QString colour;
    QString description;
    QString symbol;
    QString openText;
    QString overActiveText;
    QString underActiveText;
};

// Crown first: index 0 Crown, 1 Third Eye, 2 Throat, 3 Heart, 4 Navel,
// 5 Sacral, 6 Root. The index is also the chakra's picture position.
// Filled afresh on every call in the language installed now; what an
// earlier call returned stays valid and follows along.
const std::array<AstroChakra, kChakraCount> &astroChakras();
// Entry by this screen's index; nullptr outside 0 to 6.
const AstroChakra *astroChakra(int index);
// This screen's index of the chakra the sign table names so ("Crown
// Chakra" is 0), in English whatever the language; -1 for any other text.
int astroChakraOfName(const QString &chakraName);

// A sign, the chakra it reaches (by name, as in the chakra table) and the
// text of its ruling planet or planets.
struct SignEntry {
    QString sign;
    QString chakraName;
    QString rulingPlanet;
};

// Aries to Pisces, in the order the lookup tries them.
const std::array<SignEntry, kSignCount> &signTable();

// In each month a birth day on or after firstDayOfLaterSign gives laterSign,
// an earlier day gives earlierSign.
struct SunSignBoundary {
    QString month;
    int firstDayOfLaterSign;
    QString earlierSign;
    QString laterSign;
};

// January to December.
const std::array<SunSignBoundary, kMonthCount> &sunSignBoundaries();

// "January" to "December", as the journal keeps them.
const std::array<QString, kMonthCount> &monthNames();

// A sign, a ruling planet text or month m (0 = January) of the tables in
// the user's language; a text the tables do not hold comes back as it is.
QString signText(const QString &sign);
QString planetText(const QString &rulingPlanet);
QString monthText(int month);

} // namespace padmora::astrology
