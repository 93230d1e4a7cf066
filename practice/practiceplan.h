// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a guided practice of a chakra's exercise is to be: its length (a
// number of minutes, or open-ended), a preparation before the first bell,
// interval bells, the chanting pace (breathe in, then chant the chakra's
// sound on the out-breath) and how it is shown and heard. The user's
// choices are kept between runs; a kept value out of range is ignored in
// favour of its default.

#include <QString>

#include <array>
#include <functional>
#include <map>
#include <optional>

namespace padmora::practice {

// The lengths offered by name, in minutes; any whole number of minutes from
// kFewestMinutes to kMostMinutes may be chosen too, and 0 is open-ended.
inline constexpr std::array<int, 5> kPresetMinutes{3, 5, 10, 15, 20};
inline constexpr int kFewestMinutes = 1;
inline constexpr int kMostMinutes = 120;
inline constexpr int kOpenEnded = 0;
// Seconds of preparation before the first bell.
inline constexpr std::array<int, 4> kPreparations{0, 10, 30, 60};
// Minutes between interval bells; 0 rings none.
inline constexpr std::array<int, 5> kIntervals{0, 1, 2, 3, 5};

// Breathe in for inhale seconds, chant on the out-breath for chant seconds.
struct Pace {
    int inhaleSeconds = 4;
    int chantSeconds = 6;
    bool operator==(const Pace &) const = default;
};
inline constexpr std::array<Pace, 4> kPacePresets{{{4, 6}, {4, 8}, {5, 10}, {6, 12}}};
// The bounds of a pace of the user's own.
inline constexpr int kShortestBreath = 2;
inline constexpr int kLongestInhale = 10;
inline constexpr int kLongestChant = 20;

struct PracticePlan {
    int minutes = 10;  // kOpenEnded counts up until stopped
    int preparationSeconds = 10;
    int intervalMinutes = 0;
    Pace pace;
    bool sound = true;  // false: no bell at all
    int volumePercent = 70;
    bool readAloud = false;      // each step and phase change spoken
    bool lessMotion = false;     // the phase and a count in words, no moving shape
    bool allStepsAtOnce = false; // the exercise's steps shown together, not one by one
    bool operator==(const PracticePlan &) const = default;

    bool isOpenEnded() const { return minutes == kOpenEnded; }
};

// True when every value of the plan is one the practice offers.
bool isValid(const PracticePlan &plan);

// The plan as it is kept in the settings store: key to value.
std::map<QString, QString> storedValues(const PracticePlan &plan);
// The plan of the kept values, read through value(key); a value that is
// missing, unreadable or out of range gives its default.
PracticePlan planFromStored(const std::function<std::optional<QString>(const QString &key)> &value);

} // namespace padmora::practice
