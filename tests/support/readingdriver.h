// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
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

    // Ticks the chakras on the open start screen.
    void tick(const QList<int> &ticked)
    {
        Form *screen = startScreen();
        for (int k : ticked)
            if (QCheckBox *box = screen ? child<QCheckBox>(screen, QStringLiteral("chkChakras"), k) : nullptr)
                QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    }

    // Ticks the chakras on the open start screen and presses START TEST.
    bool start(const QList<int> &ticked)
    {
        Form *screen = startScreen();
        if (!screen)
            return false;
        tick(ticked);
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
            int answer;
            if (counted[chakra] < target) {
                ++counted[chakra];
                answer = keyed(q);
            } else {
                answer = (missed[chakra]++ % 2 == 0) ? unkeyed(q) : 2;
            }
            choose(answer);
            if (!option(answer)->isChecked())
                return false;
            click(next);
        }
        settle();
        return questions() == nullptr;
    }

    // Opens the start screen as the program bar does, ticks and starts;
    // the questionnaire, or nullptr.
    Form *openAndStart(const QList<int> &ticked)
    {
        m_main->openScreen(m_program.startScreen);
        m_main->setWelcomeVisible(false);
        start(ticked);
        return questions();
    }

    // The page on show.
    QString caption() const { return child<QLabel>(questions(), QStringLiteral("lblQNo"))->text(); }
    QString questionOnScreen() const
    {
        return child<QPlainTextEdit>(questions(), QStringLiteral("txtQuestions"))->toPlainText();
    }
    QRadioButton *option(int i) const { return child<QRadioButton>(questions(), QStringLiteral("optAnswer"), i); }
    int selected() const
    {
        for (int i = 0; i < 3; ++i)
            if (option(i)->isChecked())
                return i;
        return -1;
    }
    // On the button's round mark, as a user aims.
    void choose(int i) { QTest::mouseClick(option(i), Qt::LeftButton, {}, QPoint(8, option(i)->height() / 2)); }
    void next() { click(child<QPushButton>(questions(), QStringLiteral("cmdNext"))); }
    void back() { click(child<QPushButton>(questions(), QStringLiteral("cmdBack"))); }

    // Answers every page: answerFor(position, question number) gives 0 Yes, 1 No, 2 Not Sure.
    void answerAll(const std::function<int(int, int)> &answerFor)
    {
        const AnswerSheet &sheet = m_program.sheet();
        const int n = sheet.askedCount();
        for (int k = 0; k < n && questions(); ++k) {
            choose(answerFor(k, sheet.QuestionOrder[k]));
            next();
        }
        settle();
    }

    // The option that gives (or withholds) the counted answer of a question.
    static int keyed(int question) { return answerKey(question) == kYes ? 0 : 1; }
    static int unkeyed(int question) { return answerKey(question) == kYes ? 1 : 0; }

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
