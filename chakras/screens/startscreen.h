// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start screen of the chakra test and of the chakras tarot: tick the
// chakras, press START TEST.

#include "chakras/screens/program.h"
#include "kit/form.h"

#include <array>

class QCheckBox;
class QPushButton;
class QLabel;

namespace padmora {

class StartScreen : public Form {
    Q_OBJECT
public:
    explicit StartScreen(const ProgramTraits &program, QWidget *parent = nullptr);

    const ProgramTraits &program() const { return m_program; }

    void cmdTest_Click();
    void cmdNav_Click(int index);
    void mnuExit_Click();

protected:
    void Form_Unload() override;

private:
    const ProgramTraits &m_program;
    std::array<QCheckBox *, kChakraCount> m_chkChakras{};
    QPushButton *m_cmdTest = nullptr;
    bool m_startTestRunning = false;
    bool m_movingOn = false;
};

} // namespace padmora
