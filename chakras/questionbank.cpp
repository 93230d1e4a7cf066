// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/questionbank.h"

#include "chakras/catalogue.h"

#include <QCoreApplication>

#include <array>

namespace padmora {

namespace {

const std::array<Question, kQuestionCount> &bank()
{
    static const std::array<Question, kQuestionCount> table{{
        // Root
        {QT_TRANSLATE_NOOP("Questions", "Do you have a good sense of direction?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel physically active and fit?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Does it matter if you do not have material comforts?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel comfortable in the presence of unknown people?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel grounded and stable?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel connected to the oneness of the universe?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have good survival instincts?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have the courage to stand up for yourself?"), kYes},
        // Sacral
        {QT_TRANSLATE_NOOP("Questions", "Don't you believe in creativity?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have no control over your feelings?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel unbalanced in your relationships with others?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you lack excitement and fail to get emotional about issues?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel uninterested in sex for pleasure?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel connected to the present?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel that you do not relate to people?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel better when you don't let go of  your emotions?"), kNo},
        // Navel
        {QT_TRANSLATE_NOOP("Questions", "Do you feel self confident and self reliant?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel you can change your life when circumstances demand?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you submit yourself to the natural flow of life?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you believe you can achieve all the goals you set for yourself?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you treat yourself with respect and honor?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Are you a good decision maker?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have a sense of humor?"), kNo},
        {QT_TRANSLATE_NOOP("Questions",
                           "Do you believe you have the right balance of ego, self-control and intellect?"),
         kYes},
        // Heart
        {QT_TRANSLATE_NOOP("Questions", "Do you have a bad temperament and are always moody?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel jealous and envious about others?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you fear being rejected or abandoned?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you find it easy to say no to others?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel unconditional love can never be achieved?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel disconnected from your emotions?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel restricted and suffocated in life?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel immune to the pain of loss?"), kYes},
        // Throat
        {QT_TRANSLATE_NOOP("Questions", "Do you have good planning and organizational skills?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you communicate easily with others?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel your heart and mind are balanced?"), kNo},
        {QT_TRANSLATE_NOOP("Questions",
                           "Do you express yourself through some art form like dancing singing, painting etc?"),
         kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you balance talking and listening while speaking to people?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you have faith in belief and family traditions?"), kNo},
        {QT_TRANSLATE_NOOP("Questions",
                           "Are you honest with others irrespective of circumstances and always speak the truth?"),
         kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you believe in loyalty? "), kYes},
        // Third Eye
        {QT_TRANSLATE_NOOP("Questions", "Do you depend on others to make your decisions? "), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have zero faith in your deep insight and sound judgment?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel that intuition about things doesn't exist in reality?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you fantasize a lot or are you level headed?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have negative thoughts?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you fail to see the 'big picture'?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel that developing your psychic and intuitive powers is useless?"),
         kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel moody and depressed?"), kNo},
        // Crown
        {QT_TRANSLATE_NOOP("Questions", "Do you believe in spirituality?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you believe in a proper balance between spirituality and reality?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Can you integrate your wisdom with your intuitive powers?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you have more faith in the divine wisdom than in your abilities?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel united with the Divine Source?"), kNo},
        {QT_TRANSLATE_NOOP("Questions", "Do you believe in the higher levels of knowledge and consciousness?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you have a feeling of spiritual knowingness and enlightenment?"), kYes},
        {QT_TRANSLATE_NOOP("Questions", "Do you feel unattached from the real world?"), kNo},
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
    return q ? QCoreApplication::translate("Questions", q->text) : QString();
}

QString shownQuestion(const QString &text)
{
    return QCoreApplication::translate("Questions", text.toUtf8().constData());
}

QString answerText(const QString &answer)
{
    // The answers as the option buttons and the report show them.
    static const char *const answers[] = {
        //: An answer to a question
        QT_TRANSLATE_NOOP("Questions", "Yes"),
        //: An answer to a question
        QT_TRANSLATE_NOOP("Questions", "No"),
        //: An answer to a question
        QT_TRANSLATE_NOOP("Questions", "Not Sure"),
    };
    for (const char *source : answers)
        if (answer == QLatin1String(source))
            return QCoreApplication::translate("Questions", source);
    return answer;
}

QString answerKey(int number)
{
    const Question *q = question(number);
    return q ? q->key : QString();
}

} // namespace padmora
