#pragma once
// Drives a chakra test or tarot run through the real screens: tick chakras,
// press START TEST, answer page by page.

#include "app/form.h"
#include "app/mainwindow.h"
#include "chakras/program.h"
#include "chakras/questionbank.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace padmora::testing {

class ChakraRunDriver {
public:
    ChakraRunDriver(MainWindow *main, const ProgramTraits &program) : m_main(main), m_program(program) {}

    // Opens the start screen from the program bar, ticks and starts.
    Form *start(const QList<int> &chakras)
    {
        Form *startScreen = m_main->openScreen(m_program.startScreen);
        m_main->setWelcomeVisible(false);
        for (int k : chakras)
            child<QCheckBox>(startScreen, QStringLiteral("chkChakras"), k)->setChecked(true);
        click(child<QPushButton>(startScreen, QStringLiteral("cmdTest")));
        settle();
        return questions();
    }

    Form *questions() const { return m_main->screen(m_program.questionsScreen); }

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
    // Clicks the round indicator, where a user clicks.
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

    // The answer index that matches (or not) the key of a question.
    static int keyed(int question) { return answerKey(question) == kYes ? 0 : 1; }
    static int unkeyed(int question) { return answerKey(question) == kYes ? 1 : 0; }

private:
    MainWindow *m_main;
    const ProgramTraits &m_program;
};

} // namespace padmora::testing
