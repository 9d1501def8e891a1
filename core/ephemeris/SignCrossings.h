// SPDX-License-Identifier: GPL-3.0-or-later
// When the Moon entered the sign it stands in at birth, and when it leaves
// it: found with the reading's own arithmetic, so that a crossing is exactly
// where the reading's answer changes. The search itself serves any equal
// division of the zodiac (signs, nakshatras, padas) and any longitude.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "core/common/BirthRecord.h"
#include "core/common/CivilTime.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/PreciseMoon.h"

namespace orvanta {

// How far the lunar series may stray from the Moon's true longitude.
inline constexpr double MethodAccuracyDegrees = 0.05;

// Crossings are looked for this far either side of the birth; the Moon
// never takes longer than about two and a half days over a sign.
inline constexpr double CrossingSearchMinutes = 3 * 24 * 60;

// A sidereal longitude in degrees at a moment given in minutes from the
// birth; it may wrap from 360 to 0.
using LongitudeAtMinutes = std::function<double(double minutes)>;

// The reading's own sidereal longitude near a birth at T Julian centuries.
LongitudeAtMinutes ReadingLongitude(double birthCenturies);

// The precise Moon's sidereal longitude near the same birth; a moment the
// source cannot compute gives no longitude (NaN), and no crossing there.
LongitudeAtMinutes PreciseLongitude(const PreciseMoonSource& source, double birthCenturies, Ayanamsa ayanamsa);

// The birth place's clock `minutes` after the reading's birth time.
ClockTime BirthplaceClock(const MoonComputation& reading, double minutesFromBirth);

// A stay in one of the equal parts, `Width` degrees each from 0, that the
// zodiac is cut into.
struct ArcStay {
    int Part = 0;
    double DegreesIntoPart = 0;
    std::optional<double> EnteredMinutes;  // from birth, within a second
    std::optional<double> LeavesMinutes;   // empty only if not within the search
};

// Searches one longitude near one birth for the moments it crosses given
// boundaries, to about a second. The Moon's longitude always grows, at
// between about 11 and 16 degrees a day.
class CrossingSearch {
public:
    // `accuracyDegrees` is how far the method's longitude may stray from
    // the Moon's true one; it only sets AccuracyMinutes.
    CrossingSearch(LongitudeAtMinutes longitude, double accuracyDegrees);

    double SpeedDegreesPerDay() const { return speedPerMinute_ * 24.0 * 60.0; }
    double AccuracyDegrees() const { return accuracyDegrees_; }
    double AccuracyMinutes() const { return accuracyDegrees_ / speedPerMinute_; }
    double LongitudeAtBirth() const { return atBirth_; }

    // When the longitude entered `part` (which the caller's rule places the
    // birth in) and when it leaves it.
    ArcStay Stay(double widthDegrees, int part) const;

    // The moment, in minutes from birth, at which the longitude reaches
    // `boundary`, a longitude near the birth's (unwrapped past 360 or below 0).
    std::optional<double> Crossing(double boundary) const;

private:
    double Unwrapped(double minutes) const;

    LongitudeAtMinutes longitude_;
    double accuracyDegrees_;
    double atBirth_;
    double speedPerMinute_;
};

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
    double AccuracyDegrees = MethodAccuracyDegrees;  // how far the longitude may be off
    double AccuracyMinutes = 0;       // that accuracy at the Moon's speed
    std::optional<SignCrossing> Entered;  // empty only if not within the search
    std::optional<SignCrossing> Leaves;
};

// The stay for the record's birth data, or for a computation already made
// from them; empty when the reading names no sign.
std::optional<SignStay> FindSignStay(const BirthRecord& record);
std::optional<SignStay> FindSignStay(const MoonComputation& reading);
// The same with another search of the same birth (a more exact longitude
// and its accuracy); the computation names the sign its longitude is in.
std::optional<SignStay> FindSignStay(const MoonComputation& reading, const CrossingSearch& search);

}  // namespace orvanta
