// SPDX-License-Identifier: GPL-3.0-or-later
#include "astrology/astrologytables.h"

#include "chakras/catalogue.h"

namespace padmora::astrology {

namespace {

// What only this screen tells of a chakra, crown first.
struct OwnFacts {
    QString sanskritMeaning;
    QString keyword;
    QString colour;
    QString symbol;
};

const std::array<OwnFacts, kChakraCount> &ownFacts()
{
    static const std::array<OwnFacts, kChakraCount> facts{{
        {QStringLiteral("Sahasrara (thousand-fold)"),
         QStringLiteral("Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
                        "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination"),
         QStringLiteral("Violet"),
         QStringLiteral("Beautiful one Thousand Rainbow Colored Petals.")},
        {QStringLiteral("Ajna (perceive, to know)"),
         QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"),
         QStringLiteral("Indigo"),
         QStringLiteral("Circle, 2 Luminous Petals in which all the Elements are pooled.")},
        {QStringLiteral("Visuddha (purification)"),
         QStringLiteral("Ego"),
         QStringLiteral("Blue"),
         QStringLiteral("White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals.")},
        {QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two things)"),
         QStringLiteral("Impatience"),
         QStringLiteral("Green"),
         QStringLiteral("Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals.")},
        {QStringLiteral("Manipura (lustrous gem)"),
         QStringLiteral("Irritation"),
         QStringLiteral("Yellow"),
         QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals.")},
        {QStringLiteral("Svadhisthana (sweetness)"),
         QStringLiteral("Purity and Attachments"),
         QStringLiteral("Orange"),
         QStringLiteral("Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.")},
        {QStringLiteral("Muladhara (root)"),
         QStringLiteral("Patience and Greediness"),
         QStringLiteral("Red"),
         QStringLiteral("Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.")},
    }};
    return facts;
}

} // namespace

const std::array<AstroChakra, kChakraCount> &astroChakras()
{
    // Names and readings are the catalogue's, read crown first; the root's
    // over-active reading is shown here without the catalogue's trailing blank.
    static const std::array<AstroChakra, kChakraCount> chakras = [] {
        std::array<AstroChakra, kChakraCount> out;
        for (int i = 0; i < kChakraCount; ++i) {
            const int index = 6 - i;
            const OwnFacts &own = ownFacts()[std::size_t(i)];
            QString overActive = chakraOverActiveText(index);
            while (overActive.endsWith(QLatin1Char(' ')))
                overActive.chop(1);
            out[std::size_t(i)] = {chakraName(index), chakraSanskritName(index), own.sanskritMeaning,
                                   own.keyword,       own.colour,                chakraDescription(index),
                                   own.symbol,        chakraOpenText(index),     overActive,
                                   chakraUnderActiveText(index)};
        }
        return out;
    }();
    return chakras;
}

const AstroChakra *astroChakra(int index)
{
    if (index < 0 || index >= kChakraCount)
        return nullptr;
    return &astroChakras()[std::size_t(index)];
}

const std::array<SignEntry, kSignCount> &signTable()
{
    static const std::array<SignEntry, kSignCount> signs{{
        {QStringLiteral("Aries"), QStringLiteral("Navel Chakra"), QStringLiteral("Mars")},
        {QStringLiteral("Taurus"), QStringLiteral("Heart Chakra"), QStringLiteral("Venus")},
        {QStringLiteral("Gemini"), QStringLiteral("Throat Chakra"), QStringLiteral("Mercury")},
        {QStringLiteral("Cancer"), QStringLiteral("Third Eye Chakra"), QStringLiteral("The Moon")},
        {QStringLiteral("Leo"), QStringLiteral("Crown Chakra"), QStringLiteral("The Sun")},
        {QStringLiteral("Virgo"), QStringLiteral("Throat Chakra"), QStringLiteral("Mercury")},
        {QStringLiteral("Libra"), QStringLiteral("Heart Chakra"), QStringLiteral("Venus")},
        {QStringLiteral("Scorpio"), QStringLiteral("Navel Chakra"), QStringLiteral("Pluto and Mars")},
        {QStringLiteral("Sagittarius"), QStringLiteral("Sacral Chakra"), QStringLiteral("Jupiter")},
        {QStringLiteral("Capricorn"), QStringLiteral("Root Chakra"), QStringLiteral("Saturn")},
        {QStringLiteral("Aquarius"), QStringLiteral("Root Chakra"), QStringLiteral("Uranus and Saturn")},
        {QStringLiteral("Pisces"), QStringLiteral("Sacral Chakra"), QStringLiteral("Neptune and Jupiter")},
    }};
    return signs;
}

const std::array<SunSignBoundary, kMonthCount> &sunSignBoundaries()
{
    static const std::array<SunSignBoundary, kMonthCount> boundaries{{
        {QStringLiteral("January"), 20, QStringLiteral("Capricorn"), QStringLiteral("Aquarius")},
        {QStringLiteral("February"), 19, QStringLiteral("Aquarius"), QStringLiteral("Pisces")},
        {QStringLiteral("March"), 21, QStringLiteral("Pisces"), QStringLiteral("Aries")},
        {QStringLiteral("April"), 21, QStringLiteral("Aries"), QStringLiteral("Taurus")},
        {QStringLiteral("May"), 21, QStringLiteral("Taurus"), QStringLiteral("Gemini")},
        {QStringLiteral("June"), 21, QStringLiteral("Gemini"), QStringLiteral("Cancer")},
        {QStringLiteral("July"), 21, QStringLiteral("Cancer"), QStringLiteral("Leo")},
        {QStringLiteral("August"), 21, QStringLiteral("Leo"), QStringLiteral("Virgo")},
        {QStringLiteral("September"), 21, QStringLiteral("Virgo"), QStringLiteral("Libra")},
        {QStringLiteral("October"), 21, QStringLiteral("Libra"), QStringLiteral("Scorpio")},
        {QStringLiteral("November"), 21, QStringLiteral("Scorpio"), QStringLiteral("Sagittarius")},
        {QStringLiteral("December"), 21, QStringLiteral("Sagittarius"), QStringLiteral("Capricorn")},
    }};
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

} // namespace padmora::astrology
