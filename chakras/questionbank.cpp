// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/questionbank.h"

#include "chakras/catalogue.h"

#include <array>

namespace padmora {

namespace {

const std::array<Question, kQuestionCount> &bank()
{
    static const std::array<Question, kQuestionCount> table{{
        // Root
        {QStringLiteral("Do you have a good sense of direction?"), kYes},
        {QStringLiteral("Do you feel physically active and fit?"), kNo},
        {QStringLiteral("Does it matter if you do not have material comforts?"), kYes},
        {QStringLiteral("Do you feel comfortable in the presence of unknown people?"), kNo},
        {QStringLiteral("Do you feel grounded and stable?"), kYes},
        {QStringLiteral("Do you feel connected to the oneness of the universe?"), kNo},
        {QStringLiteral("Do you have good survival instincts?"), kNo},
        {QStringLiteral("Do you have the courage to stand up for yourself?"), kYes},
        // Sacral
        {QStringLiteral("Don't you believe in creativity?"), kNo},
        {QStringLiteral("Do you have no control over your feelings?"), kYes},
        {QStringLiteral("Do you feel unbalanced in your relationships with others?"), kYes},
        {QStringLiteral("Do you lack excitement and fail to get emotional about issues?"), kNo},
        {QStringLiteral("Do you feel uninterested in sex for pleasure?"), kNo},
        {QStringLiteral("Do you feel connected to the present?"), kYes},
        {QStringLiteral("Do you feel that you do not relate to people?"), kYes},
        {QStringLiteral("Do you feel better when you don't let go of  your emotions?"), kNo},
        // Navel
        {QStringLiteral("Do you feel self confident and self reliant?"), kYes},
        {QStringLiteral("Do you feel you can change your life when circumstances demand?"), kNo},
        {QStringLiteral("Do you submit yourself to the natural flow of life?"), kYes},
        {QStringLiteral("Do you believe you can achieve all the goals you set for yourself?"), kYes},
        {QStringLiteral("Do you treat yourself with respect and honor?"), kYes},
        {QStringLiteral("Are you a good decision maker?"), kNo},
        {QStringLiteral("Do you have a sense of humor?"), kNo},
        {QStringLiteral("Do you believe you have the right balance of ego, self-control and intellect?"), kYes},
        // Heart
        {QStringLiteral("Do you have a bad temperament and are always moody?"), kYes},
        {QStringLiteral("Do you feel jealous and envious about others?"), kNo},
        {QStringLiteral("Do you fear being rejected or abandoned?"), kNo},
        {QStringLiteral("Do you find it easy to say no to others?"), kYes},
        {QStringLiteral("Do you feel unconditional love can never be achieved?"), kYes},
        {QStringLiteral("Do you feel disconnected from your emotions?"), kNo},
        {QStringLiteral("Do you feel restricted and suffocated in life?"), kNo},
        {QStringLiteral("Do you feel immune to the pain of loss?"), kYes},
        // Throat
        {QStringLiteral("Do you have good planning and organizational skills?"), kYes},
        {QStringLiteral("Do you communicate easily with others?"), kNo},
        {QStringLiteral("Do you feel your heart and mind are balanced?"), kNo},
        {QStringLiteral("Do you express yourself through some art form like dancing singing, painting etc?"), kYes},
        {QStringLiteral("Do you balance talking and listening while speaking to people?"), kYes},
        {QStringLiteral("Do you have faith in belief and family traditions?"), kNo},
        {QStringLiteral("Are you honest with others irrespective of circumstances and always speak the truth?"),
         kNo},
        {QStringLiteral("Do you believe in loyalty? "), kYes},
        // Third Eye
        {QStringLiteral("Do you depend on others to make your decisions? "), kNo},
        {QStringLiteral("Do you have zero faith in your deep insight and sound judgment?"), kYes},
        {QStringLiteral("Do you feel that intuition about things doesn't exist in reality?"), kYes},
        {QStringLiteral("Do you fantasize a lot or are you level headed?"), kNo},
        {QStringLiteral("Do you have negative thoughts?"), kYes},
        {QStringLiteral("Do you fail to see the 'big picture'?"), kNo},
        {QStringLiteral("Do you feel that developing your psychic and intuitive powers is useless?"), kYes},
        {QStringLiteral("Do you feel moody and depressed?"), kNo},
        // Crown
        {QStringLiteral("Do you believe in spirituality?"), kYes},
        {QStringLiteral("Do you believe in a proper balance between spirituality and reality?"), kNo},
        {QStringLiteral("Can you integrate your wisdom with your intuitive powers?"), kNo},
        {QStringLiteral("Do you have more faith in the divine wisdom than in your abilities?"), kYes},
        {QStringLiteral("Do you feel united with the Divine Source?"), kNo},
        {QStringLiteral("Do you believe in the higher levels of knowledge and consciousness?"), kYes},
        {QStringLiteral("Do you have a feeling of spiritual knowingness and enlightenment?"), kYes},
        {QStringLiteral("Do you feel unattached from the real world?"), kNo},
    }};
    return table;
}

} // namespace

const Question *question(int number)
{
    if (number < 0 || number >= kQuestionCount)
        return nullptr;
    return &bank()[std::size_t(number)];
}

QString questionText(int number)
{
    const Question *q = question(number);
    return q ? q->text : QString();
}

QString answerKey(int number)
{
    const Question *q = question(number);
    return q ? q->key : QString();
}

} // namespace padmora
