// SPDX-License-Identifier: GPL-3.0-or-later
#include "astrology/astrologyreading.h"

#include "chakras/catalogue.h"

#include <QCoreApplication>

namespace padmora::astrology {

namespace {

constexpr int kFebruary = 1;
// April, June, September, November.
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10};

} // namespace

bool isLeapYear(int year)
{
    // Every fourth year, except the centuries that 400 does not divide:
    // 1900 had no 29 February, 2000 had one.
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

Details checkDetails(const QString &name, int monthPosition, int dayPosition, const QString &yearText)
{
    if (name.isEmpty())
        return Details::NameMissing;

    bool isNumber = false;
    const int year = yearText.toInt(&isNumber);
    const bool leap = isNumber && isLeapYear(year);

    if (monthPosition == kFebruary) {
        // Positions 28, 29, 30 are days 29, 30, 31.
        const int firstWrongPosition = leap ? 29 : 28;
        if (dayPosition >= firstWrongPosition && dayPosition <= 30)
            return Details::WrongFebruaryDay;
    }

    for (int month : kThirtyDayMonths)
        if (monthPosition == month && dayPosition == 30)
            return Details::WrongThirtyDayDay;

    return Details::Valid;
}

DetailsMessage detailsMessage(Details verdict)
{
    switch (verdict) {
    case Details::NameMissing:
        return {QCoreApplication::translate("Astrology", "Please enter your name"), MessageIcon::Critical};
    case Details::WrongFebruaryDay:
        //: 29 February outside a leap year, or 30 or 31 February.
        return {QCoreApplication::translate("Astrology", "Please Enter Correct Date Or Month!"),
                MessageIcon::Information};
    case Details::WrongThirtyDayDay:
        //: The 31st of a month of 30 days.
        return {QCoreApplication::translate("Astrology", "Please Enter Correct Date Or Month !"),
                MessageIcon::Information};
    case Details::Valid:
        break;
    }
    return {QString(), MessageIcon::Information};
}

Details Validate_Details(const QString &name, int monthPosition, int dayPosition, const QString &yearText)
{
    const Details verdict = checkDetails(name, monthPosition, dayPosition, yearText);
    if (verdict != Details::Valid) {
        const DetailsMessage m = detailsMessage(verdict);
        desktop().message(m.text, m.icon);
    }
    return verdict;
}

QString sunSign(const QString &monthName, int day)
{
    for (const SunSignBoundary &b : sunSignBoundaries())
        if (b.month == monthName)
            return day >= b.firstDayOfLaterSign ? b.laterSign : b.earlierSign;
    return QString();
}

const SignEntry *signEntry(const QString &sign)
{
    for (const SignEntry &e : signTable())
        if (e.sign == sign)
            return &e;
    return nullptr;
}

int chakraIndexOf(const QString &chakraName)
{
    // By the English names the sign table and the journal use, not by the
    // names shown, which follow the user's language.
    return astroChakraOfName(chakraName);
}

ResultTexts resultTexts(const QString &sign, const QString &rulingPlanet, const AstroChakra &chakra)
{
    return {signText(sign),
            planetText(rulingPlanet),
            //: A chakra's name, then its Sanskrit name.
            QCoreApplication::translate("Astrology", "%1 - %2").arg(chakra.shownName, chakra.sanskritName),
            chakra.description,
            chakra.symbol,
            chakra.sanskritMeaning,
            chakra.keyword,
            chakra.colour,
            chakra.openText,
            chakra.overActiveText,
            chakra.underActiveText};
}

} // namespace padmora::astrology
