// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenregistry.h"

#include "astrology/screens/astrologyscreen.h"
#include "chakras/screens/program.h"
#include "chakras/screens/questionsscreen.h"
#include "chakras/screens/startscreen.h"
#include "chakras/screens/testresultscreen.h"
#include "guidance/screens/tarotpages.h"
#include "journal/screens/journalscreen.h"
#include "kit/screennames.h"
#include "practice/screens/practicescreen.h"
#include "tarot/screens/tarotprogram.h"
#include "tarot/screens/tarotresultscreen.h"

#include <QHash>
#include <functional>

namespace padmora {

Form *createScreen(const QString &name)
{
    static const QHash<QString, std::function<Form *()>> factories{
        {screens::kAstrologyMain, [] { return new AstrologyScreen; }},
        {screens::kTestMain, [] { return new StartScreen(chakraTestProgram()); }},
        {screens::kTestQuestions, [] { return new QuestionsScreen(chakraTestProgram()); }},
        {screens::kTestResult, [] { return new TestResultScreen; }},
        {screens::kTarotMain, [] { return new StartScreen(chakrasTarotProgram()); }},
        {screens::kTarotQuestions, [] { return new QuestionsScreen(chakrasTarotProgram()); }},
        {screens::kTarotResult, [] { return new TarotResultScreen; }},
        {screens::kTarotPages, [] { return new TarotPagesScreen; }},
        {screens::kJournal, [] { return new JournalScreen; }},
        {screens::kPractice, [] { return new PracticeScreen; }},
    };
    const auto it = factories.constFind(name);
    return it == factories.constEnd() ? nullptr : it.value()();
}

} // namespace padmora
