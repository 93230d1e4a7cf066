// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 56 questions of the chakra test with the answer that counts for each.
// Question q belongs to chakra q / 8.

#include <QString>

namespace padmora {

inline const QString kYes = QStringLiteral("Yes");
inline const QString kNo = QStringLiteral("No");
inline const QString kNotSure = QStringLiteral("Not Sure");

struct Question {
    QString text;
    // The answer that counts toward the chakra's score. Many questions are
    // phrased negatively: the key, not the wording, decides which answer counts.
    QString key;
};

// Entry by question number; nullptr outside 0 to 55.
const Question *question(int number);
QString questionText(int number);
QString answerKey(int number);

} // namespace padmora
