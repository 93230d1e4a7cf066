// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practiceplan.h"

#include <algorithm>

namespace padmora::practice {

namespace {

template <std::size_t N>
bool offered(const std::array<int, N> &choices, int value)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

bool validPace(const Pace &pace)
{
    return pace.inhaleSeconds >= kShortestBreath && pace.inhaleSeconds <= kLongestInhale
           && pace.chantSeconds >= kShortestBreath && pace.chantSeconds <= kLongestChant;
}

const QString kMinutes = QStringLiteral("PracticeMinutes");
const QString kPreparation = QStringLiteral("PracticePreparation");
const QString kInterval = QStringLiteral("PracticeInterval");
const QString kInhale = QStringLiteral("PracticeInhale");
const QString kChant = QStringLiteral("PracticeChant");
const QString kSound = QStringLiteral("PracticeSound");
const QString kVolume = QStringLiteral("PracticeVolume");
const QString kReadAloud = QStringLiteral("PracticeReadAloud");
const QString kLessMotion = QStringLiteral("PracticeLessMotion");
const QString kAllSteps = QStringLiteral("PracticeAllSteps");

} // namespace

bool isValid(const PracticePlan &plan)
{
    return (plan.minutes == kOpenEnded || (plan.minutes >= kFewestMinutes && plan.minutes <= kMostMinutes))
           && offered(kPreparations, plan.preparationSeconds) && offered(kIntervals, plan.intervalMinutes)
           && validPace(plan.pace) && plan.volumePercent >= 0 && plan.volumePercent <= 100;
}

std::map<QString, QString> storedValues(const PracticePlan &plan)
{
    auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {{kMinutes, QString::number(plan.minutes)},
            {kPreparation, QString::number(plan.preparationSeconds)},
            {kInterval, QString::number(plan.intervalMinutes)},
            {kInhale, QString::number(plan.pace.inhaleSeconds)},
            {kChant, QString::number(plan.pace.chantSeconds)},
            {kSound, flag(plan.sound)},
            {kVolume, QString::number(plan.volumePercent)},
            {kReadAloud, flag(plan.readAloud)},
            {kLessMotion, flag(plan.lessMotion)},
            {kAllSteps, flag(plan.allStepsAtOnce)}};
}

PracticePlan planFromStored(const std::function<std::optional<QString>(const QString &key)> &value)
{
    PracticePlan plan;
    // Each kept value is taken only when the plan stays one the practice
    // offers with it; otherwise the default stands.
    auto take = [&](const QString &key, auto apply) {
        const std::optional<QString> kept = value(key);
        if (!kept)
            return;
        bool ok = false;
        const int number = kept->trimmed().toInt(&ok);
        if (!ok)
            return;
        PracticePlan tried = plan;
        if (apply(tried, number) && isValid(tried))
            plan = tried;
    };
    auto number = [](int PracticePlan::*field) {
        return [field](PracticePlan &p, int n) {
            p.*field = n;
            return true;
        };
    };
    auto flag = [](bool PracticePlan::*field) {
        return [field](PracticePlan &p, int n) {
            p.*field = n == 1;
            return n == 0 || n == 1;
        };
    };
    take(kMinutes, number(&PracticePlan::minutes));
    take(kPreparation, number(&PracticePlan::preparationSeconds));
    take(kInterval, number(&PracticePlan::intervalMinutes));
    take(kVolume, number(&PracticePlan::volumePercent));
    take(kInhale, [](PracticePlan &p, int n) {
        p.pace.inhaleSeconds = n;
        return true;
    });
    take(kChant, [](PracticePlan &p, int n) {
        p.pace.chantSeconds = n;
        return true;
    });
    take(kSound, flag(&PracticePlan::sound));
    take(kReadAloud, flag(&PracticePlan::readAloud));
    take(kLessMotion, flag(&PracticePlan::lessMotion));
    take(kAllSteps, flag(&PracticePlan::allStepsAtOnce));
    return plan;
}

} // namespace padmora::practice
