// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a chakra test or a chakras tarot reading through the real screens:
// ticks the chakras on the start screen, presses START TEST and answers
// every question with the option buttons so that each ticked chakra ends on
// the score the test asks for.

#include "app/mainwindow.h"
#include "chakras/questionbank.h"
#include "chakras/screens/program.h"
#include "kit/form.h"
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

// Scores 1 to 7, then 8 down to 2: two readings that put every score on some bar.
inline const TargetScores kEveryScoreOnABar[2] = {{{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}},
                                                  {{0, 8}, {1, 7}, {2, 6}, {3, 5}, {4, 4}, {5, 3}, {6, 2}}};

// Reads a result screen's picture down one column through the middle of
// each scored chakra's bar: the bar's colour must end on lastRow, exactly.
inline void expectBarsEndOnRow(Form *screen, const TargetScores &scores, int lastRow)
{
    // Root to Crown, as designed.
    const QColor colours[kChakraCount] = {QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0),
                                          QColor(0, 128, 0), QColor(0, 0, 255),   QColor(68, 51, 164),
                                          QColor(154, 100, 236)};
    QVERIFY(screen);
    const QImage shot = screen->client()->grab().toImage();
    for (const auto &[chakra, score] : scores) {
        const QString which = QStringLiteral("chakra %1, score %2").arg(chakra).arg(score);
        auto *bar = child<QLabel>(screen, QStringLiteral("lblCurve"), chakra);
        QVERIFY2(bar->isVisible(), qPrintable(which));
        const auto rows = rowsOfColour(shot, bar->geometry().center().x(), colours[chakra]);
        QVERIFY2(rows.second == lastRow, qPrintable(which + QStringLiteral(" ends on row ") + QString::number(rows.second)));
        QVERIFY2(bar->geometry().bottom() == lastRow, qPrintable(which));
        QVERIFY2(rows.first == bar->geometry().top(), qPrintable(which));
    }
}

} // namespace padmora::testing
