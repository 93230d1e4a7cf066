// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/catalogue.h"

#include <array>

namespace padmora {

namespace {

const std::array<ChakraInfo, kChakraCount> &catalogue()
{
    static const std::array<ChakraInfo, kChakraCount> table{{
        {QStringLiteral("Root Chakra"), QStringLiteral("Muladhara"), QStringLiteral("Root Chakra (Muladhara)"),
         QStringLiteral("This chakra is the root center at the bottom part of spine, which makes a person feel "
                        "his physical strength and his survival instincts."),
         QStringLiteral("If this root energy is open you will feel grounded, calm, stable and secure. Generally "
                        "you are well behaved do not cause trouble. You have great inner strength and are "
                        "generally a comfortable presence."),
         // This copy ends with a blank after the full stop.
         QStringLiteral("In the over-active state you become greedy and obsessed with being secure and avoid "
                        "changes in life. You are materialistic and money minded. You are too physical and "
                        "violent. "),
         QStringLiteral("Fear, nervousness, inferiority and shyness are the consequences of an under-active "
                        "energy of root chakra.")},
        {QStringLiteral("Sacral Chakra"), QStringLiteral("Swadhisthanna"),
         QStringLiteral("Sacral Chakra (Swadhisthanna)"),
         QStringLiteral("This chakra is located just above the root chakra, which controls or stimulates the "
                        "sexual desires, emotions and creativity."),
         QStringLiteral("In open state this very center, maintains the level of feelings in a free flow manner, "
                        "not making person very emotional. The individual behaves more lively with cool "
                        "passion."),
         QStringLiteral("In case of over-active state you get emotionally attached to your near and dears and "
                        "possess wild sexual desires."),
         QStringLiteral("In under-active state of this chakra makes you a pessimist, shy and inferior. You have a "
                        "low sex drive and do not enjoy life. You may become very reserved and moody.")},
        {QStringLiteral("Navel Chakra"), QStringLiteral("Manipura"), QStringLiteral("Navel Chakra (Manipura)"),
         QStringLiteral("The name itself suggests the location of this chakra, which is at the level of the "
                        "navel. It controls the basic character of the person, which includes your energy and "
                        "power."),
         QStringLiteral("Open state of this chakra shows a balanced person with good self-esteem and confidence. "
                        "You will be in control but not domineering."),
         QStringLiteral("Over-active state of this chakra makes you want to become powerful and you may be a "
                        "dominating and aggressive person."),
         QStringLiteral("The under-active makes you inactive and hesitant. Some fear always acts in the mind.")},
        {QStringLiteral("Heart Chakra"), QStringLiteral("Anahata"), QStringLiteral("Heart Chakra (Anahata)"),
         QStringLiteral("World treats heart as the symbol of love and it is in fact, because the heart guides "
                        "humble people. This chakra is all about love, affection and kindness."),
         QStringLiteral("In an open state of this chakra you are very friendly, loving, sympathetic and maintain "
                        "compassionate relations with others."),
         QStringLiteral("In an over-active state you are highly emotional, act by showing love for your own "
                        "benefit, behave in a selfish manner and may be very moody."),
         QStringLiteral("In an under-active state you are reserved and very calm and suppress your feelings.")},
        {QStringLiteral("Throat Chakra"), QStringLiteral("Vishuddha"), QStringLiteral("Throat Chakra (Vishuddha)"),
         QStringLiteral("This chakra is all about expressing oneself and the kind of verbal behavior. This "
                        "describes the growth of a person in terms of expression and communication."),
         QStringLiteral("In open you are bold enough to express your feelings. You have a clear mind and a "
                        "compassionate heart."),
         QStringLiteral("In an over-active state you tend to speak too much being bad listeners, critical and "
                        "sarcastic in nature."),
         QStringLiteral("When this chakra is under-active you may be an introvert and shy and sometimes hide the "
                        "truth.")},
        {QStringLiteral("Third Eye Chakra"), QStringLiteral("Ajna"), QStringLiteral("Third Eye Chakra (Ajna)"),
         QStringLiteral("This state governs the nature of approach and vision of a person."),
         QStringLiteral("When it is open you will have a good perception of things and a sound judgment."),
         QStringLiteral("In over-active state you may tend to wander in the world fantasies and may be moody."),
         QStringLiteral("You get confused and are dependent on others in the under-active state. You may be "
                        "indecisive.")},
        {QStringLiteral("Crown Chakra"), QStringLiteral("Sahasrara"), QStringLiteral("Crown Chakra (Sahasrara)"),
         QStringLiteral("This chakra is all about perception and intelligence and your spiritual nature."),
         QStringLiteral("Open state makes you neutral and quite conscious about the real world around you."),
         QStringLiteral("Over-active state makes you overconfident and proud of your intelligence. You believe "
                        "spirituality is the only need in life, ignoring their other basic needs of life."),
         QStringLiteral("Under-active state builds stubborn thinking in you and makes you unaware of "
                        "spirituality.")},
    }};
    return table;
}

QString field(int index, QString ChakraInfo::*member)
{
    const ChakraInfo *info = chakraInfo(index);
    return info ? info->*member : QString();
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

QString chakraName(int index) { return field(index, &ChakraInfo::name); }
QString chakraSanskritName(int index) { return field(index, &ChakraInfo::sanskritName); }
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
    switch (state) {
    case ChakraState::UnderActive:
        return QStringLiteral("UnderActive");
    case ChakraState::Open:
        return QStringLiteral("Open");
    case ChakraState::OverActive:
        break;
    }
    return QStringLiteral("OverActive");
}

QString statePhrase(ChakraState state)
{
    return QStringLiteral(" is ") + stateName(state);
}

QString stateSentence(int index, ChakraState state)
{
    return QStringLiteral("Your ") + chakraTitle(index) + statePhrase(state) + kCrLf;
}

} // namespace padmora
