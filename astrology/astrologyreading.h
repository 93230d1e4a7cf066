// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The astrology reading as plain logic: the check of the personal details,
// the sun sign of a birth day, the chakra and planets of a sign, and the
// eleven facts shown about that chakra.

#include "astrology/astrologytables.h"
#include "kit/desktop.h"

#include <QString>
#include <array>

namespace padmora::astrology {

// The outcome of the details check; anything but Valid stops the reading.
enum class Details {
    Valid,
    NameMissing,        // the name text is empty
    WrongFebruaryDay,   // 30 or 31 February, or 29 February outside a leap year
    WrongThirtyDayDay,  // the 31st of April, June, September or November
};

// The message a refused entry shows, with its icon.
struct DetailsMessage {
    QString text;
    MessageIcon icon;
};

// Gregorian: every fourth year, but not the centuries unless divisible by 400.
bool isLeapYear(int year);

// The checks in their fixed order, stopping at the first that fails. The
// month and day are list positions (0 = January, 0 = day 1); the name is
// taken as typed, so a name of blanks passes. A year text that is not a
// number counts as a common year.
Details checkDetails(const QString &name, int monthPosition, int dayPosition, const QString &yearText);

// The message for a refused entry, in the user's language; empty text for Valid.
DetailsMessage detailsMessage(Details verdict);

// checkDetails, showing the one message of a refused entry through the
// desktop. The caller puts the focus back into the name box for NameMissing.
Details Validate_Details(const QString &name, int monthPosition, int dayPosition, const QString &yearText);

// The sun sign of a month name (exact, case-sensitive) and a day number;
// empty for a month name that is not one of the twelve.
QString sunSign(const QString &monthName, int day);

// The sign table's entry for a sign; nullptr for an unknown sign.
const SignEntry *signEntry(const QString &sign);

// The first index of the chakra table whose name equals chakraName
// exactly; -1 when none does.
int chakraIndexOf(const QString &chakraName);

// The number of result labels and the texts they show, in label order:
// sign, ruling planet, name " - " Sanskrit name, description, symbol,
// Sanskrit meaning, keyword, colour, open, over-active, under-active. The
// sign and the planet are given as the tables write them, and come out in
// the user's language, as the chakra's texts are.
inline constexpr int kResultCount = 11;
using ResultTexts = std::array<QString, kResultCount>;
ResultTexts resultTexts(const QString &sign, const QString &rulingPlanet, const AstroChakra &chakra);

} // namespace padmora::astrology
