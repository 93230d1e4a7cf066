// SPDX-License-Identifier: GPL-3.0-or-later
#include "astrology/astrologytables.h"

#include "chakras/catalogue.h"

#include <QCoreApplication>

namespace padmora::astrology {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Astrology", text);
}

// The chakra names of the sign table, crown first, in English whatever the
// language: the journal keeps them and finds its chakra by them.
constexpr const char *kChakraNames[kChakraCount] = {"Crown Chakra", "Third Eye Chakra", "Throat Chakra",
                                                    "Heart Chakra", "Navel Chakra",     "Sacral Chakra",
                                                    "Root Chakra"};

// What only this screen tells of a chakra, crown first.
struct OwnFacts {
    const char *sanskritMeaning;
    const char *keyword;
    const char *colour;
    const char *symbol;
};

constexpr OwnFacts kOwnFacts[kChakraCount] = {
    {QT_TRANSLATE_NOOP("Astrology", "Sahasrara (thousand-fold)"),
     QT_TRANSLATE_NOOP("Astrology",
                       "Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
                       "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination"),
     QT_TRANSLATE_NOOP("Astrology", "Violet"),
     QT_TRANSLATE_NOOP("Astrology", "Beautiful one Thousand Rainbow Colored Petals.")},
    {QT_TRANSLATE_NOOP("Astrology", "Ajna (perceive, to know)"),
     QT_TRANSLATE_NOOP("Astrology", "Transcending Senses, Experiencing God-In-Self or Atman"),
     QT_TRANSLATE_NOOP("Astrology", "Indigo"),
     QT_TRANSLATE_NOOP("Astrology", "Circle, 2 Luminous Petals in which all the Elements are pooled.")},
    {QT_TRANSLATE_NOOP("Astrology", "Visuddha (purification)"),
     QT_TRANSLATE_NOOP("Astrology", "Ego"),
     QT_TRANSLATE_NOOP("Astrology", "Blue"),
     QT_TRANSLATE_NOOP("Astrology",
                       "White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals.")},
    {QT_TRANSLATE_NOOP("Astrology", "Anahata (unstruck; the fresh, clean sound made without striking two things)"),
     QT_TRANSLATE_NOOP("Astrology", "Impatience"),
     QT_TRANSLATE_NOOP("Astrology", "Green"),
     QT_TRANSLATE_NOOP("Astrology",
                       "Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals.")},
    {QT_TRANSLATE_NOOP("Astrology", "Manipura (lustrous gem)"),
     QT_TRANSLATE_NOOP("Astrology", "Irritation"),
     QT_TRANSLATE_NOOP("Astrology", "Yellow"),
     QT_TRANSLATE_NOOP("Astrology", "Fiery Red Triangle, surrounded by 10 Blue Petals.")},
    {QT_TRANSLATE_NOOP("Astrology", "Svadhisthana (sweetness)"),
     QT_TRANSLATE_NOOP("Astrology", "Purity and Attachments"),
     QT_TRANSLATE_NOOP("Astrology", "Orange"),
     QT_TRANSLATE_NOOP("Astrology",
                       "Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.")},
    {QT_TRANSLATE_NOOP("Astrology", "Muladhara (root)"),
     QT_TRANSLATE_NOOP("Astrology", "Patience and Greediness"),
     QT_TRANSLATE_NOOP("Astrology", "Red"),
     QT_TRANSLATE_NOOP("Astrology",
                       "Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.")},
};

struct SignSource {
    const char *sign;
    const char *chakraName;
    const char *rulingPlanet;
};

constexpr SignSource kSigns[kSignCount] = {
    {QT_TRANSLATE_NOOP("Astrology", "Aries"), "Navel Chakra", QT_TRANSLATE_NOOP("Astrology", "Mars")},
    {QT_TRANSLATE_NOOP("Astrology", "Taurus"), "Heart Chakra", QT_TRANSLATE_NOOP("Astrology", "Venus")},
    {QT_TRANSLATE_NOOP("Astrology", "Gemini"), "Throat Chakra", QT_TRANSLATE_NOOP("Astrology", "Mercury")},
    {QT_TRANSLATE_NOOP("Astrology", "Cancer"), "Third Eye Chakra", QT_TRANSLATE_NOOP("Astrology", "The Moon")},
    {QT_TRANSLATE_NOOP("Astrology", "Leo"), "Crown Chakra", QT_TRANSLATE_NOOP("Astrology", "The Sun")},
    {QT_TRANSLATE_NOOP("Astrology", "Virgo"), "Throat Chakra", QT_TRANSLATE_NOOP("Astrology", "Mercury")},
    {QT_TRANSLATE_NOOP("Astrology", "Libra"), "Heart Chakra", QT_TRANSLATE_NOOP("Astrology", "Venus")},
    {QT_TRANSLATE_NOOP("Astrology", "Scorpio"), "Navel Chakra", QT_TRANSLATE_NOOP("Astrology", "Pluto and Mars")},
    {QT_TRANSLATE_NOOP("Astrology", "Sagittarius"), "Sacral Chakra", QT_TRANSLATE_NOOP("Astrology", "Jupiter")},
    {QT_TRANSLATE_NOOP("Astrology", "Capricorn"), "Root Chakra", QT_TRANSLATE_NOOP("Astrology", "Saturn")},
    {QT_TRANSLATE_NOOP("Astrology", "Aquarius"), "Root Chakra", QT_TRANSLATE_NOOP("Astrology", "Uranus and Saturn")},
    {QT_TRANSLATE_NOOP("Astrology", "Pisces"), "Sacral Chakra", QT_TRANSLATE_NOOP("Astrology", "Neptune and Jupiter")},
};

struct BoundarySource {
    const char *month;
    int firstDayOfLaterSign;
    const char *earlierSign;
    const char *laterSign;
};

constexpr BoundarySource kBoundaries[kMonthCount] = {
    {QT_TRANSLATE_NOOP("Astrology", "January"), 20, "Capricorn", "Aquarius"},
    {QT_TRANSLATE_NOOP("Astrology", "February"), 19, "Aquarius", "Pisces"},
    {QT_TRANSLATE_NOOP("Astrology", "March"), 21, "Pisces", "Aries"},
    {QT_TRANSLATE_NOOP("Astrology", "April"), 21, "Aries", "Taurus"},
    {QT_TRANSLATE_NOOP("Astrology", "May"), 21, "Taurus", "Gemini"},
    {QT_TRANSLATE_NOOP("Astrology", "June"), 21, "Gemini", "Cancer"},
    {QT_TRANSLATE_NOOP("Astrology", "July"), 21, "Cancer", "Leo"},
    {QT_TRANSLATE_NOOP("Astrology", "August"), 21, "Leo", "Virgo"},
    {QT_TRANSLATE_NOOP("Astrology", "September"), 21, "Virgo", "Libra"},
    {QT_TRANSLATE_NOOP("Astrology", "October"), 21, "Libra", "Scorpio"},
    {QT_TRANSLATE_NOOP("Astrology", "November"), 21, "Scorpio", "Sagittarius"},
    {QT_TRANSLATE_NOOP("Astrology", "December"), 21, "Sagittarius", "Capricorn"},
};

// The English text a table's key is written with, when it is one of them.
template <std::size_t N, typename Row>
const char *sourceOf(const QString &key, const Row (&rows)[N], const char *Row::*field)
{
    for (const Row &row : rows)
        if (key == QLatin1String(row.*field))
            return row.*field;
    return nullptr;
}

} // namespace

const std::array<AstroChakra, kChakraCount> &astroChakras()
{
    // Names and readings are the catalogue's, read crown first; the root's
    // over-active reading is shown here without the catalogue's trailing
    // blank. The catalogue and the translations are read on every call, so
    // a language installed later shows at once.
    static std::array<AstroChakra, kChakraCount> chakras;
    for (int i = 0; i < kChakraCount; ++i) {
        const int index = 6 - i;
        const OwnFacts &own = kOwnFacts[i];
        QString overActive = chakraOverActiveText(index);
        while (overActive.endsWith(QLatin1Char(' ')))
            overActive.chop(1);
        chakras[std::size_t(i)] = {chakraName(index),
                                   chakraShownName(index),
                                   chakraSanskritName(index),
                                   translated(own.sanskritMeaning),
                                   translated(own.keyword),
                                   translated(own.colour),
                                   chakraDescription(index),
                                   translated(own.symbol),
                                   chakraOpenText(index),
                                   overActive,
                                   chakraUnderActiveText(index)};
    }
    return chakras;
}

const AstroChakra *astroChakra(int index)
{
    if (index < 0 || index >= kChakraCount)
        return nullptr;
    return &astroChakras()[std::size_t(index)];
}

int astroChakraOfName(const QString &chakraName)
{
    for (int i = 0; i < kChakraCount; ++i)
        if (chakraName == QLatin1String(kChakraNames[i]))
            return i;
    return -1;
}

const std::array<SignEntry, kSignCount> &signTable()
{
    static const std::array<SignEntry, kSignCount> signs = [] {
        std::array<SignEntry, kSignCount> out;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = {QString::fromLatin1(kSigns[i].sign), QString::fromLatin1(kSigns[i].chakraName),
                      QString::fromLatin1(kSigns[i].rulingPlanet)};
        return out;
    }();
    return signs;
}

const std::array<SunSignBoundary, kMonthCount> &sunSignBoundaries()
{
    static const std::array<SunSignBoundary, kMonthCount> boundaries = [] {
        std::array<SunSignBoundary, kMonthCount> out;
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = {QString::fromLatin1(kBoundaries[i].month), kBoundaries[i].firstDayOfLaterSign,
                      QString::fromLatin1(kBoundaries[i].earlierSign), QString::fromLatin1(kBoundaries[i].laterSign)};
        return out;
    }();
    return boundaries;
}

const std::array<QString, kMonthCount> &monthNames()
{
    static const std::array<QString, kMonthCount> names = [] {
        std::array<QString, kMonthCount> out;
        for (std::size_t m = 0; m < out.size(); ++m)
            out[m] = sunSignBoundaries()[m].month;
        return out;
    }();
    return names;
}

QString signText(const QString &sign)
{
    const char *source = sourceOf(sign, kSigns, &SignSource::sign);
    return source ? translated(source) : sign;
}

QString planetText(const QString &rulingPlanet)
{
    const char *source = sourceOf(rulingPlanet, kSigns, &SignSource::rulingPlanet);
    return source ? translated(source) : rulingPlanet;
}

QString monthText(int month)
{
    return month >= 0 && month < kMonthCount ? translated(kBoundaries[month].month) : QString();
}

} // namespace padmora::astrology
