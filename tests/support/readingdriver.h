#pragma once
// Drives a chakra test or a chakras tarot reading through the real screens:
// ticks the chakras on the start screen, presses START TEST and answers
// every question with the option buttons so that each ticked chakra ends on
// the score the test asks for.

#include "app/form.h"
#include "app/mainwindow.h"
#include "chakras/program.h"
#include "chakras/questionbank.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>

namespace padmora::testing {

// Chakra index -> the score it is to end with (0 to 8).
using TargetScores = std::map<int, int>;

class ReadingDriver {
public:
    ReadingDriver(MainWindow *main, const ProgramTraits &program) : m_main(main), m_program(program) {}

    // The start screen that is open, or nullptr.
    Form *startScreen() const { return m_main->screen(m_program.startScreen); }
    Form *questions() const { return m_main->screen(m_program.questionsScreen); }

    // Ticks the chakras on the open start screen and presses START TEST.
    bool start(const QList<int> &ticked)
    {
        Form *screen = startScreen();
        if (!screen)
            return false;
        for (int k : ticked)
            if (QCheckBox *box = child<QCheckBox>(screen, QStringLiteral("chkChakras"), k))
                QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        click(child<QPushButton>(screen, QStringLiteral("cmdTest")));
        settle();
        return questions() != nullptr;
    }

    // Answers every question of the open questionnaire. For each chakra the
    // first `target` of its questions get the counted answer; the others get
    // the opposite answer or, every other time, "Not Sure".
    bool answerAll(const TargetScores &targets)
    {
        Form *screen = questions();
        if (!screen)
            return false;
        const AnswerSheet &sheet = m_program.sheet();
        const int n = sheet.askedCount();
        std::map<int, int> counted;
        std::map<int, int> missed;
        auto *text = child<QPlainTextEdit>(screen, QStringLiteral("txtQuestions"));
        auto *next = child<QPushButton>(screen, QStringLiteral("cmdNext"));
        for (int k = 0; k < n; ++k) {
            const int q = sheet.QuestionOrder[k];
            if (text->toPlainText() != questionText(q))
                return false;  // the page does not show the question the sheet says
            const int chakra = q / kQuestionsPerChakra;
            const auto wanted = targets.find(chakra);
            const int target = wanted == targets.end() ? 0 : wanted->second;
            int option;
            if (counted[chakra] < target) {
                ++counted[chakra];
                option = answerKey(q) == kYes ? 0 : 1;
            } else {
                option = (missed[chakra]++ % 2 == 0) ? (answerKey(q) == kYes ? 1 : 0) : 2;
            }
            // On the button's round mark, as a user aims.
            auto *choice = child<QRadioButton>(screen, QStringLiteral("optAnswer"), option);
            QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier, QPoint(8, choice->height() / 2));
            if (!choice->isChecked())
                return false;
            click(next);
        }
        settle();
        return questions() == nullptr;
    }

    // A whole reading from an open start screen.
    bool run(const TargetScores &targets)
    {
        QList<int> ticked;
        for (const auto &[chakra, score] : targets)
            ticked << chakra;
        return start(ticked) && answerAll(targets);
    }

private:
    MainWindow *m_main;
    const ProgramTraits &m_program;
};

} // namespace padmora::testing
