// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questionnaire: one question per page, answered Yes, No or Not Sure,
// with Next and Back. Serves the chakra test and the chakras tarot alike.

#include "chakras/screens/program.h"
#include "kit/form.h"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace padmora {

class QuestionsScreen : public Form {
    Q_OBJECT
public:
    explicit QuestionsScreen(const ProgramTraits &program, QWidget *parent = nullptr);

    const ProgramTraits &program() const { return m_program; }
    // The 1-based number of the question on screen.
    qint16 QuestionCounter() const { return m_questionCounter; }

    void Form_Load() override;
    // The answer that is selected: the user answers at once.
    QWidget *firstControl() const override;
    void cmdNext_Click();
    void cmdBack_Click();

protected:
    void Form_Unload() override;
    // Return or Enter on an answer presses Next, as in a wizard.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString selection() const;
    void select(const QString &answer);
    void showQuestion(int position);
    void setCaption(int number);
    // Names the group of answers by the page's caption and question.
    void nameAnswers();

    const ProgramTraits &m_program;
    QLabel *m_lblQNo = nullptr;
    QPlainTextEdit *m_txtQuestions = nullptr;
    QGroupBox *m_fraAnswers = nullptr;
    std::array<QRadioButton *, 3> m_optAnswer{};
    QPushButton *m_cmdNext = nullptr;
    qint16 m_questionCounter = 0;
    bool m_finishing = false;
};

} // namespace padmora
