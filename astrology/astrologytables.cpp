#include "astrology/astrologytables.h"

namespace padmora::astrology {

const std::array<AstroChakra, kChakraCount> &astroChakras()
{
    static const std::array<AstroChakra, kChakraCount> chakras{{
        {QStringLiteral("Crown Chakra"), QStringLiteral("Sahasrara"), QStringLiteral("Sahasrara (thousand-fold)"),
         QStringLiteral("Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
                        "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination"),
         QStringLiteral("Violet"),
         QStringLiteral("This chakra is all about perception and intelligence and your spiritual nature."),
         QStringLiteral("Beautiful one Thousand Rainbow Colored Petals."),
         QStringLiteral("Open state makes you neutral and quite conscious about the real world around you."),
         QStringLiteral("Over-active state makes you overconfident and proud of your intelligence. You believe "
                        "spirituality is the only need in life, ignoring their other basic needs of life."),
         QStringLiteral("Under-active state builds stubborn thinking in you and makes you unaware of "
                        "spirituality.")},

        {QStringLiteral("Third Eye Chakra"), QStringLiteral("Ajna"), QStringLiteral("Ajna (perceive, to know)"),
         QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"), QStringLiteral("Indigo"),
         QStringLiteral("This state governs the nature of approach and vision of a person."),
         QStringLiteral("Circle, 2 Luminous Petals in which all the Elements are pooled."),
         QStringLiteral("When it is open you will have a good perception of things and a sound judgment."),
         QStringLiteral("In over-active state you may tend to wander in the world fantasies and may be moody."),
         QStringLiteral("You get confused and are dependent on others in the under-active state. You may be "
                        "indecisive.")},

        {QStringLiteral("Throat Chakra"), QStringLiteral("Vishuddha"), QStringLiteral("Visuddha (purification)"),
         QStringLiteral("Ego"), QStringLiteral("Blue"),
         QStringLiteral("This chakra is all about expressing oneself and the kind of verbal behavior. This "
                        "describes the growth of a person in terms of expression and communication."),
         QStringLiteral("White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals."),
         QStringLiteral("In open you are bold enough to express your feelings. You have a clear mind and a "
                        "compassionate heart."),
         QStringLiteral("In an over-active state you tend to speak too much being bad listeners, critical and "
                        "sarcastic in nature."),
         QStringLiteral("When this chakra is under-active you may be an introvert and shy and sometimes hide "
                        "the truth.")},

        {QStringLiteral("Heart Chakra"), QStringLiteral("Anahata"),
         QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two things)"),
         QStringLiteral("Impatience"), QStringLiteral("Green"),
         QStringLiteral("World treats heart as the symbol of love and it is in fact, because the heart guides "
                        "humble people. This chakra is all about love, affection and kindness."),
         QStringLiteral("Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals."),
         QStringLiteral("In an open state of this chakra you are very friendly, loving, sympathetic and maintain "
                        "compassionate relations with others."),
         QStringLiteral("In an over-active state you are highly emotional, act by showing love for your own "
                        "benefit, behave in a selfish manner and may be very moody."),
         QStringLiteral("In an under-active state you are reserved and very calm and suppress your feelings.")},

        {QStringLiteral("Navel Chakra"), QStringLiteral("Manipura"), QStringLiteral("Manipura (lustrous gem)"),
         QStringLiteral("Irritation"), QStringLiteral("Yellow"),
         QStringLiteral("The name itself suggests the location of this chakra, which is at the level of the "
                        "navel. It controls the basic character of the person, which includes your energy and "
                        "power."),
         QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals."),
         QStringLiteral("Open state of this chakra shows a balanced person with good self-esteem and confidence. "
                        "You will be in control but not domineering."),
         QStringLiteral("Over-active state of this chakra makes you want to become powerful and you may be a "
                        "dominating and aggressive person."),
         QStringLiteral("The under-active makes you inactive and hesitant. Some fear always acts in the mind.")},

        {QStringLiteral("Sacral Chakra"), QStringLiteral("Swadhisthanna"), QStringLiteral("Svadhisthana (sweetness)"),
         QStringLiteral("Purity and Attachments"), QStringLiteral("Orange"),
         QStringLiteral("This chakra is located just above the root chakra, which controls or stimulates the "
                        "sexual desires, emotions and creativity."),
         QStringLiteral("Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water."),
         QStringLiteral("In open state this very center, maintains the level of feelings in a free flow manner, "
                        "not making person very emotional. The individual behaves more lively with cool "
                        "passion."),
         QStringLiteral("In case of over-active state you get emotionally attached to your near and dears and "
                        "possess wild sexual desires."),
         QStringLiteral("In under-active state of this chakra makes you a pessimist, shy and inferior. You have a "
                        "low sex drive and do not enjoy life. You may become very reserved and moody.")},

        {QStringLiteral("Root Chakra"), QStringLiteral("Muladhara"), QStringLiteral("Muladhara (root)"),
         QStringLiteral("Patience and Greediness"), QStringLiteral("Red"),
         QStringLiteral("This chakra is the root center at the bottom part of spine, which makes a person feel "
                        "his physical strength and his survival instincts."),
         QStringLiteral("Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of "
                        "Earth."),
         QStringLiteral("If this root energy is open you will feel grounded, calm, stable and secure. Generally "
                        "you are well behaved do not cause trouble. You have great inner strength and are "
                        "generally a comfortable presence."),
         // This screen's copy ends at the full stop, without a trailing blank.
         QStringLiteral("In the over-active state you become greedy and obsessed with being secure and avoid "
                        "changes in life. You are materialistic and money minded. You are too physical and "
                        "violent."),
         QStringLiteral("Fear, nervousness, inferiority and shyness are the consequences of an under-active "
                        "energy of root chakra.")},
    }};
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
