// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidance/opening.h"

#include "chakras/catalogue.h"

#include <array>

namespace padmora {

namespace {

struct Opening {
    QString heading;
    QString hand;
    QString concentration;  // empty: the hand position holds it
    QString sound;
    QString syllable;  // the sound alone, as it is chanted
};

const std::array<Opening, kChakraCount> &openings()
{
    static const std::array<Opening, kChakraCount> table{{
        {QStringLiteral("To open Root Chakra: "),
         QStringLiteral("Touch the tips of your thumb and index together. Concentrate on the Root Chakra at the "
                        "spot in between the genitals and the anus."),
         QString(), QStringLiteral("Chant the sound LAM."), QStringLiteral("LAM")},
        {QStringLiteral("To open Sacral Chakra: "),
         QStringLiteral("Put your hands in your lap, palms up, on top of each other and left hand underneath, its "
                        "palm touching the back of the fingers of the right hand. The tips of the thumbs touch "
                        "gently."),
         QStringLiteral("Concentrate on the Sacral Chakra at the sacral bone (on the lower back)."),
         QStringLiteral("Chant the sound VAM."), QStringLiteral("VAM")},
        {QStringLiteral("To open Navel Chakra: "),
         QStringLiteral("Put your hands before your stomach, slightly below your solar plexus. Let the fingers "
                        "join at the tops, all pointing away from you. Cross the thumbs. It is important to "
                        "straighten the fingers."),
         QStringLiteral("Concentrate on the Navel Chakra located on the spine, a bit above the level of the navel."),
         QStringLiteral("Chant the sound RAM."), QStringLiteral("RAM")},
        {QStringLiteral("To open Heart Chakra: "),
         QStringLiteral("Position yourself sitting cross-legged. Let the tips of your index finger and thumb "
                        "touch. Put your left hand on your left knee and your right hand in front of the lower "
                        "part of your breast bone (so a bit above the solar plexus)."),
         QStringLiteral("Concentrate on the Heart Chakra at the spine, level with the heart."),
         QStringLiteral("Chant the sound YAM (as this mudra is particularly powerful, this may not be needed)."),
         QStringLiteral("YAM")},
        {QStringLiteral("To open Throat Chakra: "),
         QStringLiteral("Cross your fingers within your hands, without the thumbs. Let the thumbs touch at the "
                        "tops, and pull them slightly up."),
         QStringLiteral("Concentrate on the Throat Chakra at the base of the throat."),
         QStringLiteral("Chant the sound HAM."), QStringLiteral("HAM")},
        {QStringLiteral("To open Third Eye Chakra: "),
         QStringLiteral("Put your hands before the lower part of your breast. The middle fingers are straight and "
                        "touch at the tops, pointing forward. The other fingers are bended and touch at the upper "
                        "two phalanges. The thumbs must point towards you and touching at the top."),
         QStringLiteral("Concentrate on the Third Eye Chakra slightly above the point between the eyebrows."),
         QStringLiteral("Chant the sound OM or AUM."), QStringLiteral("OM")},
        {QStringLiteral("To open Crown Chakra: "),
         QStringLiteral("Put your hands before your stomach. Let the ring fingers point up, touching at their "
                        "tops. Cross the rest of your fingers, with the left thumb underneath the right."),
         QStringLiteral("Concentrate on the Crown Chakra at the top of your head."),
         QStringLiteral("Chant the sound NG."), QStringLiteral("NG")},
    }};
    return table;
}

const Opening *opening(int index)
{
    return chakraInfo(index) ? &openings()[std::size_t(index)] : nullptr;
}

const QString kTwoBreaks = kCrLf + kCrLf;

} // namespace

QString ChakraOpeningHeader(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return QString();
    return QStringLiteral("This Chakra needs to be opened") + kTwoBreaks + o->heading + kTwoBreaks;
}

QString ChakraOpeningSteps(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return QString();
    QString text = o->hand + kTwoBreaks;
    if (!o->concentration.isEmpty())
        text += o->concentration + kTwoBreaks;
    return text + o->sound + kTwoBreaks;
}

QStringList ChakraOpeningStepList(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return {};
    QStringList steps{o->hand};
    if (!o->concentration.isEmpty())
        steps << o->concentration;
    return steps << o->sound;
}

QString ChakraSyllable(int index)
{
    const Opening *o = opening(index);
    return o ? o->syllable : QString();
}

} // namespace padmora
