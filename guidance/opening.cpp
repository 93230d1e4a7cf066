// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidance/opening.h"

#include "chakras/catalogue.h"

#include <QCoreApplication>

namespace padmora {

namespace {

// As written, in English; translated where it is read out.
struct Opening {
    const char *heading;
    const char *hand;
    const char *concentration;  // null: the hand position holds it
    const char *sound;
    const char *syllable;  // the sound alone, as it is chanted, in every language
};

constexpr Opening kOpenings[kChakraCount] = {
    {QT_TRANSLATE_NOOP("Guidance", "To open Root Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Touch the tips of your thumb and index together. Concentrate on the Root Chakra at the "
                       "spot in between the genitals and the anus."),
     nullptr, QT_TRANSLATE_NOOP("Guidance", "Chant the sound LAM."), "LAM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Sacral Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Put your hands in your lap, palms up, on top of each other and left hand underneath, its "
                       "palm touching the back of the fingers of the right hand. The tips of the thumbs touch "
                       "gently."),
     QT_TRANSLATE_NOOP("Guidance", "Concentrate on the Sacral Chakra at the sacral bone (on the lower back)."),
     QT_TRANSLATE_NOOP("Guidance", "Chant the sound VAM."), "VAM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Navel Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Put your hands before your stomach, slightly below your solar plexus. Let the fingers join "
                       "at the tops, all pointing away from you. Cross the thumbs. It is important to straighten "
                       "the fingers."),
     QT_TRANSLATE_NOOP("Guidance",
                       "Concentrate on the Navel Chakra located on the spine, a bit above the level of the navel."),
     QT_TRANSLATE_NOOP("Guidance", "Chant the sound RAM."), "RAM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Heart Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Position yourself sitting cross-legged. Let the tips of your index finger and thumb touch. "
                       "Put your left hand on your left knee and your right hand in front of the lower part of "
                       "your breast bone (so a bit above the solar plexus)."),
     QT_TRANSLATE_NOOP("Guidance", "Concentrate on the Heart Chakra at the spine, level with the heart."),
     QT_TRANSLATE_NOOP("Guidance",
                       "Chant the sound YAM (as this mudra is particularly powerful, this may not be needed)."),
     "YAM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Throat Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Cross your fingers within your hands, without the thumbs. Let the thumbs touch at the "
                       "tops, and pull them slightly up."),
     QT_TRANSLATE_NOOP("Guidance", "Concentrate on the Throat Chakra at the base of the throat."),
     QT_TRANSLATE_NOOP("Guidance", "Chant the sound HAM."), "HAM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Third Eye Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Put your hands before the lower part of your breast. The middle fingers are straight and "
                       "touch at the tops, pointing forward. The other fingers are bended and touch at the upper "
                       "two phalanges. The thumbs must point towards you and touching at the top."),
     QT_TRANSLATE_NOOP("Guidance",
                       "Concentrate on the Third Eye Chakra slightly above the point between the eyebrows."),
     QT_TRANSLATE_NOOP("Guidance", "Chant the sound OM or AUM."), "OM"},
    {QT_TRANSLATE_NOOP("Guidance", "To open Crown Chakra: "),
     QT_TRANSLATE_NOOP("Guidance",
                       "Put your hands before your stomach. Let the ring fingers point up, touching at their tops. "
                       "Cross the rest of your fingers, with the left thumb underneath the right."),
     QT_TRANSLATE_NOOP("Guidance", "Concentrate on the Crown Chakra at the top of your head."),
     QT_TRANSLATE_NOOP("Guidance", "Chant the sound NG."), "NG"},
};

const Opening *opening(int index)
{
    return chakraInfo(index) ? &kOpenings[index] : nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("Guidance", text);
}

const QString kTwoBreaks = kCrLf + kCrLf;

} // namespace

QString ChakraOpeningHeader(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return QString();
    return QCoreApplication::translate("Guidance", "This Chakra needs to be opened") + kTwoBreaks
           + translated(o->heading) + kTwoBreaks;
}

QString ChakraOpeningSteps(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return QString();
    QString text = translated(o->hand) + kTwoBreaks;
    if (o->concentration)
        text += translated(o->concentration) + kTwoBreaks;
    return text + translated(o->sound) + kTwoBreaks;
}

QStringList ChakraOpeningStepList(int index)
{
    const Opening *o = opening(index);
    if (!o)
        return {};
    QStringList steps{translated(o->hand)};
    if (o->concentration)
        steps << translated(o->concentration);
    return steps << translated(o->sound);
}

QString ChakraSyllable(int index)
{
    const Opening *o = opening(index);
    return o ? QString::fromLatin1(o->syllable) : QString();
}

} // namespace padmora
