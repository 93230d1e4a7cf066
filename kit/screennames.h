// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of Padmora's program screens (each screen's objectName).

#include <QString>

namespace padmora::screens {

inline const QString kAstrologyMain = QStringLiteral("frmChakrasAstrologyMain");
inline const QString kTestMain = QStringLiteral("frmChakrasMain");
inline const QString kTestQuestions = QStringLiteral("frmChakrasQuestions");
inline const QString kTestResult = QStringLiteral("frmChakrasResult");
inline const QString kTarotMain = QStringLiteral("frmChakrasTarotMain");
inline const QString kTarotQuestions = QStringLiteral("frmChakrasTarotQuestions");
inline const QString kTarotResult = QStringLiteral("frmChakrasTarotResult");
inline const QString kTarotPages = QStringLiteral("frmYogaChakra");
inline const QString kJournal = QStringLiteral("frmMyReadings");
inline const QString kPractice = QStringLiteral("frmPractice");

} // namespace padmora::screens
