// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/catalogue.h"

#include <QCoreApplication>

#include <array>

namespace padmora {

namespace {

const std::array<ChakraInfo, kChakraCount> &catalogue()
{
    static const std::array<ChakraInfo, kChakraCount> table{{
        {QT_TRANSLATE_NOOP("Chakras", "Root Chakra"), "Muladhara",
         QT_TRANSLATE_NOOP("Chakras", "Root Chakra (Muladhara)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "This chakra is the root center at the bottom part of spine, which makes a person feel "
                           "his physical strength and his survival instincts."),
         QT_TRANSLATE_NOOP("Chakras",
                           "If this root energy is open you will feel grounded, calm, stable and secure. Generally "
                           "you are well behaved do not cause trouble. You have great inner strength and are "
                           "generally a comfortable presence."),
         // This copy ends with a blank after the full stop.
         QT_TRANSLATE_NOOP("Chakras",
                           "In the over-active state you become greedy and obsessed with being secure and avoid "
                           "changes in life. You are materialistic and money minded. You are too physical and "
                           "violent. "),
         QT_TRANSLATE_NOOP("Chakras",
                           "Fear, nervousness, inferiority and shyness are the consequences of an under-active "
                           "energy of root chakra.")},
        {QT_TRANSLATE_NOOP("Chakras", "Sacral Chakra"), "Swadhisthanna",
         QT_TRANSLATE_NOOP("Chakras", "Sacral Chakra (Swadhisthanna)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "This chakra is located just above the root chakra, which controls or stimulates the "
                           "sexual desires, emotions and creativity."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In open state this very center, maintains the level of feelings in a free flow manner, "
                           "not making person very emotional. The individual behaves more lively with cool "
                           "passion."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In case of over-active state you get emotionally attached to your near and dears and "
                           "possess wild sexual desires."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In under-active state of this chakra makes you a pessimist, shy and inferior. You have a "
                           "low sex drive and do not enjoy life. You may become very reserved and moody.")},
        {QT_TRANSLATE_NOOP("Chakras", "Navel Chakra"), "Manipura",
         QT_TRANSLATE_NOOP("Chakras", "Navel Chakra (Manipura)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "The name itself suggests the location of this chakra, which is at the level of the "
                           "navel. It controls the basic character of the person, which includes your energy and "
                           "power."),
         QT_TRANSLATE_NOOP("Chakras",
                           "Open state of this chakra shows a balanced person with good self-esteem and confidence. "
                           "You will be in control but not domineering."),
         QT_TRANSLATE_NOOP("Chakras",
                           "Over-active state of this chakra makes you want to become powerful and you may be a "
                           "dominating and aggressive person."),
         QT_TRANSLATE_NOOP("Chakras",
                           "The under-active makes you inactive and hesitant. Some fear always acts in the mind.")},
        {QT_TRANSLATE_NOOP("Chakras", "Heart Chakra"), "Anahata",
         QT_TRANSLATE_NOOP("Chakras", "Heart Chakra (Anahata)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "World treats heart as the symbol of love and it is in fact, because the heart guides "
                           "humble people. This chakra is all about love, affection and kindness."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In an open state of this chakra you are very friendly, loving, sympathetic and maintain "
                           "compassionate relations with others."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In an over-active state you are highly emotional, act by showing love for your own "
                           "benefit, behave in a selfish manner and may be very moody."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In an under-active state you are reserved and very calm and suppress your feelings.")},
        {QT_TRANSLATE_NOOP("Chakras", "Throat Chakra"), "Vishuddha",
         QT_TRANSLATE_NOOP("Chakras", "Throat Chakra (Vishuddha)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "This chakra is all about expressing oneself and the kind of verbal behavior. This "
                           "describes the growth of a person in terms of expression and communication."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In open you are bold enough to express your feelings. You have a clear mind and a "
                           "compassionate heart."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In an over-active state you tend to speak too much being bad listeners, critical and "
                           "sarcastic in nature."),
         QT_TRANSLATE_NOOP("Chakras",
                           "When this chakra is under-active you may be an introvert and shy and sometimes hide the "
                           "truth.")},
        {QT_TRANSLATE_NOOP("Chakras", "Third Eye Chakra"), "Ajna",
         QT_TRANSLATE_NOOP("Chakras", "Third Eye Chakra (Ajna)"),
         QT_TRANSLATE_NOOP("Chakras", "This state governs the nature of approach and vision of a person."),
         QT_TRANSLATE_NOOP("Chakras",
                           "When it is open you will have a good perception of things and a sound judgment."),
         QT_TRANSLATE_NOOP("Chakras",
                           "In over-active state you may tend to wander in the world fantasies and may be moody."),
         QT_TRANSLATE_NOOP("Chakras",
                           "You get confused and are dependent on others in the under-active state. You may be "
                           "indecisive.")},
        {QT_TRANSLATE_NOOP("Chakras", "Crown Chakra"), "Sahasrara",
         QT_TRANSLATE_NOOP("Chakras", "Crown Chakra (Sahasrara)"),
         QT_TRANSLATE_NOOP("Chakras",
                           "This chakra is all about perception and intelligence and your spiritual nature."),
         QT_TRANSLATE_NOOP("Chakras",
                           "Open state makes you neutral and quite conscious about the real world around you."),
         QT_TRANSLATE_NOOP("Chakras",
                           "Over-active state makes you overconfident and proud of your intelligence. You believe "
                           "spirituality is the only need in life, ignoring their other basic needs of life."),
         QT_TRANSLATE_NOOP("Chakras", "Under-active state builds stubborn thinking in you and makes you unaware of "
                                      "spirituality.")},
    }};
    return table;
}

QString shown(const char *text)
{
    return QCoreApplication::translate("Chakras", text);
}

QString field(int index, const char *ChakraInfo::*member)
{
    const ChakraInfo *info = chakraInfo(index);
    return info ? shown(info->*member) : QString();
}

const char *const kStateNames[] = {
    //: A chakra's state: too little active
    QT_TRANSLATE_NOOP("Chakras", "UnderActive"),
    //: A chakra's state: balanced (not the verb)
    QT_TRANSLATE_NOOP("Chakras", "Open"),
    //: A chakra's state: too active
    QT_TRANSLATE_NOOP("Chakras", "OverActive"),
};

const char *stateSource(ChakraState state)
{
    switch (state) {
    case ChakraState::UnderActive:
        return kStateNames[0];
    case ChakraState::Open:
        return kStateNames[1];
    case ChakraState::OverActive:
        break;
    }
    return kStateNames[2];
}

} // namespace

ChakraState classifyScore(int score)
{
    if (score >= 0 && score <= 2)
        return ChakraState::UnderActive;
    if (score >= 3 && score <= 5)
        return ChakraState::Open;
    return ChakraState::OverActive;
}

const ChakraInfo *chakraInfo(int index)
{
    if (index < 0 || index >= kChakraCount)
        return nullptr;
    return &catalogue()[std::size_t(index)];
}

QString chakraName(int index)
{
    const ChakraInfo *info = chakraInfo(index);
    return info ? QString::fromUtf8(info->name) : QString();
}

QString chakraShownName(int index) { return field(index, &ChakraInfo::name); }

QString chakraShortName(int index)
{
    // A table of its own: a chakra's name in another language need not end
    // in " Chakra" (Wurzelchakra).
    static const char *const shortNames[kChakraCount] = {
        QT_TRANSLATE_NOOP("Chakras", "Root"),   QT_TRANSLATE_NOOP("Chakras", "Sacral"),
        QT_TRANSLATE_NOOP("Chakras", "Navel"),  QT_TRANSLATE_NOOP("Chakras", "Heart"),
        QT_TRANSLATE_NOOP("Chakras", "Throat"), QT_TRANSLATE_NOOP("Chakras", "Third Eye"),
        QT_TRANSLATE_NOOP("Chakras", "Crown")};
    return index >= 0 && index < kChakraCount ? QCoreApplication::translate("Chakras", shortNames[index]) : QString();
}

QString chakraSanskritName(int index)
{
    const ChakraInfo *info = chakraInfo(index);
    return info ? QString::fromUtf8(info->sanskritName) : QString();
}

QString chakraTitle(int index) { return field(index, &ChakraInfo::title); }
QString chakraDescription(int index) { return field(index, &ChakraInfo::description); }
QString chakraOpenText(int index) { return field(index, &ChakraInfo::openText); }
QString chakraOverActiveText(int index) { return field(index, &ChakraInfo::overActiveText); }
QString chakraUnderActiveText(int index) { return field(index, &ChakraInfo::underActiveText); }

QString chakraStateText(int index, ChakraState state)
{
    switch (state) {
    case ChakraState::UnderActive:
        return chakraUnderActiveText(index);
    case ChakraState::Open:
        return chakraOpenText(index);
    case ChakraState::OverActive:
        break;
    }
    return chakraOverActiveText(index);
}

int firstQuestionOf(int index)
{
    return kQuestionsPerChakra * index;
}

int chakraOfQuestion(int question)
{
    if (question < 0 || question >= kQuestionCount)
        return -1;
    return question / kQuestionsPerChakra;
}

int picturePositionOf(int index)
{
    return 6 - index;
}

QString pictureFileName(int position)
{
    const int index = 6 - position;
    if (!chakraInfo(index))
        return QString();
    return QString::number(position) + QLatin1Char(' ') + chakraName(index) + QStringLiteral(".svg");
}

QString picturePath(int position)
{
    const QString file = pictureFileName(position);
    return file.isEmpty() ? QString() : QStringLiteral(":/chakras/") + file;
}

QString stateName(ChakraState state)
{
    return shown(stateSource(state));
}

QString stateKey(ChakraState state)
{
    return QString::fromUtf8(stateSource(state));
}

QString statePhrase(ChakraState state)
{
    //: Follows a chakra's title; %1 is its state ("Open")
    return QCoreApplication::translate("Chakras", " is %1").arg(stateName(state));
}

QString stateSentence(int index, ChakraState state)
{
    //: %1 is a chakra's title ("Root Chakra (Muladhara)"), %2 its state ("Open")
    return QCoreApplication::translate("Chakras", "Your %1 is %2").arg(chakraTitle(index), stateName(state))
           + kCrLf;
}

} // namespace padmora
