// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/questionsscreen.h"

#include "chakras/questionbank.h"
#include "kit/controlnames.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace padmora {

namespace {
constexpr double kWidth = 7800;
constexpr double kHeight = 5700;
} // namespace

QuestionsScreen::QuestionsScreen(const ProgramTraits &program, QWidget *parent)
    : Form(program.questionsScreen, program.caption, kWidth, kHeight, parent), m_program(program)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuNext"), tr("&Next")),
            &QAction::triggered, this, &QuestionsScreen::cmdNext_Click);
    connect(addMenuItem(file, QStringLiteral("mnuBack"), tr("&Back")),
            &QAction::triggered, this, &QuestionsScreen::cmdBack_Click);
    addSharedMenus(menuBar(), MenuCaptions::Questionnaire, QStringLiteral("mnuMakeMoney"));

    m_lblQNo = new QLabel(area);
    m_lblQNo->setObjectName(QStringLiteral("lblQNo"));
    QFont bold = m_lblQNo->font();
    bold.setBold(true);
    m_lblQNo->setFont(bold);
    placeTwips(m_lblQNo, 360, 180, 4000, 300);

    m_txtQuestions = new QPlainTextEdit(area);
    m_txtQuestions->setObjectName(QStringLiteral("txtQuestions"));
    m_txtQuestions->setReadOnly(true);
    m_txtQuestions->setTabChangesFocus(true);
    m_txtQuestions->setAccessibleName(tr("Question"));
    placeTwips(m_txtQuestions, 360, 540, kWidth - 900, 900);

    // The answers are one group, named by the page's caption and question,
    // so that a screen reader says the page when the focus comes to them.
    m_fraAnswers = new QGroupBox(area);
    m_fraAnswers->setObjectName(QStringLiteral("fraAnswers"));
    m_fraAnswers->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    placeTwips(m_fraAnswers, 480, 1560, 5700, 420);
    auto *group = new QButtonGroup(this);
    const QString captions[3] = {kYes, kNo, kNotSure};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(answerText(captions[i]), m_fraAnswers);
        setArrayName(option, QStringLiteral("optAnswer"), i);
        placeTwips(option, 120 + i * 1800, 60, 1500, 300);
        group->addButton(option, i);
        option->installEventFilter(this);
        m_optAnswer[std::size_t(i)] = option;
    }
    m_optAnswer[0]->setChecked(true);

    auto *label1 = new QLabel(tr("Remember to answer each question as truthfully as you can."), area);
    label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(label1, 360, 2100, kWidth - 900, 300);

    auto *cmdBack = new QPushButton(tr("<< &Back"), area);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    placeTwips(cmdBack, kWidth / 2 - 1800, 2580, 1500, 420);
    connect(cmdBack, &QPushButton::clicked, this, &QuestionsScreen::cmdBack_Click);

    m_cmdNext = new QPushButton(tr("&Next >>"), area);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    placeTwips(m_cmdNext, kWidth / 2 + 300, 2580, 1500, 420);
    connect(m_cmdNext, &QPushButton::clicked, this, &QuestionsScreen::cmdNext_Click);

    addPromoLabels(area, QStringLiteral("Label61"), 120, 3180, kWidth - 360);
}

void QuestionsScreen::Form_Load()
{
    placeCentredAtTop();
    m_questionCounter = 0;
    AnswerSheet &sheet = m_program.sheet();
    const int n = sheet.askedCount();
    for (int k = 0; k < n; ++k)
        sheet.AskedQuestions[k] = questionText(sheet.QuestionOrder[k]);
    for (int k = 0; k < n; ++k)
        sheet.AskedKeys[k] = answerKey(sheet.QuestionOrder[k]);
    if (n == 0)
        return;
    setCaption(1);
    showQuestion(0);
    m_questionCounter = 1;
}

QWidget *QuestionsScreen::firstControl() const
{
    for (QRadioButton *option : m_optAnswer)
        if (option->isChecked())
            return option;
    return m_optAnswer[0];
}

QString QuestionsScreen::selection() const
{
    if (m_optAnswer[0]->isChecked())
        return kYes;
    if (m_optAnswer[1]->isChecked())
        return kNo;
    return kNotSure;
}

void QuestionsScreen::select(const QString &answer)
{
    const int index = answer == kYes ? 0 : answer == kNo ? 1 : 2;
    m_optAnswer[std::size_t(index)]->setChecked(true);
}

void QuestionsScreen::showQuestion(int position)
{
    const AnswerSheet &sheet = m_program.sheet();
    if (position < 0 || position >= sheet.askedCount())
        return;
    const QString text = questionText(sheet.QuestionOrder[position]);
    m_txtQuestions->setPlainText(text);
    // A screen reader names the view by the question it shows.
    m_txtQuestions->setAccessibleName(text);
    nameAnswers();
}

void QuestionsScreen::nameAnswers()
{
    //: The answers' group, read out: %1 is "Question No. 1 of 8", %2 the question
    m_fraAnswers->setAccessibleName(tr("%1. %2").arg(m_lblQNo->text(), m_txtQuestions->toPlainText()));
}

void QuestionsScreen::setCaption(int number)
{
    //: %1 is the number of the question on show, %2 how many there are
    m_lblQNo->setText(tr("Question No. %1 of %2").arg(number).arg(m_program.sheet().askedCount()));
    nameAnswers();
}

void QuestionsScreen::cmdNext_Click()
{
    if (m_finishing || isUnloaded())
        return;
    AnswerSheet &sheet = m_program.sheet();
    const int n = sheet.askedCount();
    const int k = m_questionCounter;
    if (sheet.Answers.size() <= n)
        return;  // not a sheet this screen can page through
    if (k >= 1 && k < n) {
        sheet.Answers[k - 1] = selection();
        setCaption(k + 1);
        showQuestion(k);
        m_questionCounter = qint16(k + 1);
        // The new page is heard: the focus goes to its selected answer.
        step([this] { firstControl()->setFocus(Qt::OtherFocusReason); });
    } else if (k == n && n > 0) {
        sheet.Answers[n - 1] = selection();
        // The last answer is in: hand over to the result, then leave without
        // bringing the welcome panel back.
        m_finishing = true;
        step([this] {
            if (m_program.finish)
                m_program.finish();
        });
        step([this] { unload(); });
    }
}

void QuestionsScreen::cmdBack_Click()
{
    if (m_finishing || isUnloaded())
        return;
    const AnswerSheet &sheet = m_program.sheet();
    const int n = sheet.askedCount();
    const int k = m_questionCounter;
    if (k == 1) {
        // Page 1 again, with the answer recorded for it (or Not Sure).
        m_questionCounter = 0;
        showQuestion(0);
        select(sheet.Answers.value(0));
        m_questionCounter = 1;
    } else if (k > n) {
        // Nothing to go back to.
    } else if (k >= 2) {
        // The selection is left as it is: the next Next records it.
        setCaption(k - 1);
        m_questionCounter = qint16(k - 1);
        showQuestion(k - 2);
    }
}

bool QuestionsScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !qobject_cast<QRadioButton *>(watched))
        return Form::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return Form::eventFilter(watched, event);
    // A key held down presses once: its repeats are swallowed.
    if (!key->isAutoRepeat() && m_cmdNext->isEnabled())
        m_cmdNext->click();
    return true;
}

void QuestionsScreen::Form_Unload()
{
    if (!m_finishing)
        showWelcomePanel(true);
}

} // namespace padmora
