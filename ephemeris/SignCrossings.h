// SPDX-License-Identifier: GPL-3.0-or-later
// When the Moon entered the sign it stands in at birth, and when it leaves
// it: found with the reading's own arithmetic, so that a crossing is exactly
// where the reading's answer changes.
#pragma once

#include <optional>
#include <string_view>

#include "common/BirthRecord.h"
#include "common/CivilTime.h"
#include "ephemeris/MoonRashi.h"

namespace orvanta {

// How far the lunar series may stray from the Moon's true longitude.
inline constexpr double MethodAccuracyDegrees = 0.05;

// Crossings are looked for this far either side of the birth; the Moon
// never takes longer than about two and a half days over a sign.
inline constexpr double CrossingSearchMinutes = 3 * 24 * 60;

// One change of sign near the birth.
struct SignCrossing {
    double MinutesFromBirth = 0;  // negative before the entered birth time; within a second
    ClockTime Clock;              // on the birth place's clock, to the second
    std::string_view RashiBefore;
    std::string_view RashiAfter;
};

// The birth's place in its sign and the sign's two ends in time.
struct SignStay {
    MoonComputation Reading;          // the reading at the birth time
    ClockTime Birth;                  // the entered birth time on the same clock
    int SignIndex = 0;                // 0 for Mesha
    double DegreesIntoSign = 0;       // 0 to 30
    double SpeedDegreesPerDay = 0;    // the Moon's sidereal motion at birth
    double AccuracyMinutes = 0;       // MethodAccuracyDegrees at that speed
    std::optional<SignCrossing> Entered;  // empty only if not within the search
    std::optional<SignCrossing> Leaves;
};

// The stay for the record's birth data; empty when the reading names no sign.
std::optional<SignStay> FindSignStay(const BirthRecord& record);

}  // namespace orvanta
