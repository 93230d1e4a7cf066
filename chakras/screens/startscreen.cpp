// SPDX-License-Identifier: GPL-3.0-or-later
#include "chakras/screens/startscreen.h"

#include "chakras/questionorder.h"
#include "kit/controlnames.h"
#include "kit/paragraphlabel.h"
#include "kit/pictures.h"
#include "kit/programhost.h"
#include "kit/resume.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace padmora {

namespace {

// A check box's value: 0 unticked, 1 ticked, 2 greyed.
int checkValue(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void placeRect(QWidget *w, const QRectF &r)
{
    placeTwips(w, r.x(), r.y(), r.width(), r.height());
}

} // namespace

StartScreen::StartScreen(const ProgramTraits &program, QWidget *parent)
    : Form(program.startScreen, program.caption, program.startWidth, program.startHeight, parent),
      m_program(program)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("&Exit")),
            &QAction::triggered, this, &StartScreen::mnuExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mnuMakeMoney"));

    if (!program.introduction.isEmpty()) {
        auto *label1 = new QLabel(tr(program.introduction.toUtf8().constData()), area);
        label1->setObjectName(QStringLiteral("Label1"));
        label1->setWordWrap(true);
        placeRect(label1, program.introductionRect);
    }
    auto *label3 = new ParagraphLabel(startIntroduction(), area);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeRect(label3, program.label3Rect);

    for (int k = 0; k < kChakraCount; ++k) {
        auto *box = new QCheckBox(chakraTitle(k), area);
        setArrayName(box, QStringLiteral("chkChakras"), k);
        placeRect(box, program.checkBoxes[std::size_t(k)]);
        m_chkChakras[std::size_t(k)] = box;
    }

    // The seven chakra pictures, crown first, in one row.
    const double pictureSize = 900;
    const double gap = (program.startWidth - 240 - kChakraCount * pictureSize) / (kChakraCount + 1);
    for (int p = 0; p < kChakraCount; ++p) {
        auto *picture = new PictureView(area);
        showPicture(picture, picturePath(p));
        picture->setObjectName(arrayName(QStringLiteral("picChakra"), p));
        picture->setToolTip(chakraTitle(6 - p));
        picture->setAccessibleName(chakraTitle(6 - p));
        placeTwips(picture, 60 + gap + p * (pictureSize + gap), program.picturesTop, pictureSize, pictureSize);
    }

    m_cmdTest = new QPushButton(tr("START TEST"), area);
    m_cmdTest->setObjectName(QStringLiteral("cmdTest"));
    placeTwips(m_cmdTest, program.startWidth / 2 - 1800, program.buttonsTop, 1500, 420);
    connect(m_cmdTest, &QPushButton::clicked, this, &StartScreen::cmdTest_Click);

    auto *cmdNav = new QPushButton(tr("Exit"), area);
    setArrayName(cmdNav, QStringLiteral("cmdNav"), 1);
    placeTwips(cmdNav, program.startWidth / 2 + 300, program.buttonsTop, 1500, 420);
    connect(cmdNav, &QPushButton::clicked, this, [this] { cmdNav_Click(1); });

    addPromoLabels(area, QStringLiteral("Label61"), 120, program.promoTop, program.startWidth - 360);
}

void StartScreen::cmdTest_Click()
{
    if (m_startTestRunning)
        return;
    m_startTestRunning = true;
    QPointer<StartScreen> self(this);
    AnswerSheet &sheet = m_program.sheet();

    CheckValues checks{};
    for (int k = 0; k < kChakraCount; ++k)
        step([&] { checks[std::size_t(k)] = checkValue(m_chkChakras[std::size_t(k)]->checkState()); });

    const int n = recordSelection(sheet, checks);
    if (n == 0) {
        step([&] { desktop().message(tr(m_program.noSelectionMessage.toUtf8().constData()), m_program.noSelectionIcon); });
        if (self)
            m_startTestRunning = false;
        return;
    }

    desktop().seedFromClock();
    StartTestHooks hooks;
    hooks.uniform = [] { return desktop().uniform(); };
    // Repaints and clicks are served while the order is drawn; a screen closed
    // meanwhile abandons its draw.
    hooks.betweenDraws = [self] {
        QCoreApplication::processEvents();
        return !self.isNull() && !self->isUnloaded();
    };
    const bool filled = fillQuestionOrder(sheet, hooks);
    if (!self)
        return;
    if (filled && !isUnloaded()) {
        step([&] { openProgramScreen(m_program.questionsScreen); });
        m_movingOn = true;
        step([&] { unload(); });
        if (m_program.rehideWelcomeAfterStart)
            showWelcomePanel(false);
    }
    m_startTestRunning = false;
}

void StartScreen::cmdNav_Click(int index)
{
    if (index == 1)
        mnuExit_Click();
}

void StartScreen::mnuExit_Click()
{
    unload();
}

void StartScreen::Form_Unload()
{
    // START TEST closes the screen on its way to the questions: the welcome
    // panel stays hidden then. A screen closed while its questions are still
    // being drawn is left, not moved on from, and shows the panel again.
    if (!m_movingOn)
        showWelcomePanel(true);
}

} // namespace padmora
