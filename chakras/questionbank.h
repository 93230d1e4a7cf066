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
    const char *text;  // in English; questionText gives it in the language in use
    // The answer that counts toward the chakra's score. Many questions are
    // phrased negatively: the key, not the wording, decides which answer counts.
    QString key;
};

// Entry by question number; nullptr outside 0 to 55.
const Question *question(int number);
// The question in the language in use (context "Questions").
QString questionText(int number);
// A question as an answer sheet holds it, in English or already shown, in
// the language in use.
QString shownQuestion(const QString &text);
// An answer (kYes, kNo, kNotSure) as shown in the language in use; any other
// text as it is. The sheet and the journal keep the English.
QString answerText(const QString &answer);
QString answerKey(int number);

} // namespace padmora
