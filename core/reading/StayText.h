// SPDX-License-Identifier: GPL-3.0-or-later
// The words and times in which the Moon's stays (in its sign, nakshatra and
// pada) are told: dates and clock times, distances from the birth time, the
// quiet stay line, and how near a change a birth must be for a notice.
#pragma once

#include <optional>
#include <string_view>

#include "core/common/CivilTime.h"
#include "core/common/UiText.h"

namespace orvanta {

// A birth this close to a change gets a notice instead of the quiet line.
inline constexpr double NoticeMinutes = 15.0;

enum class StayCertainty {
    Settled,     // no change within NoticeMinutes: the quiet line
    NearChange,  // a change within NoticeMinutes, beyond the method's accuracy
    CannotTell,  // a change within the method's accuracy
};

// How certain an answer is whose nearer change lies `minutesAway` (either
// side; infinite when none was found) from the birth.
StayCertainty CertaintyAt(double minutesAway, double accuracyMinutes);

// To the nearest minute, carrying into the next day where that rounds up.
ClockTime ToMinute(const ClockTime& time);

// "14 Jun" or, with the year, "14 Jun 2024"; "01:00".
UiText DayMonth(const ClockTime& time, bool withYear);
UiText HourMinute(const ClockTime& time);

// "1 minute", "6 minutes".
UiText MinutesText(long long minutes);

// A method's accuracy at the Moon's speed in whole minutes, at least one.
UiText AccuracyText(double accuracyMinutes);

// "6 minutes after the recorded birth time", "less than a minute before
// the recorded birth time", "at the recorded birth time".
UiText DistanceFromBirth(double minutes);

// The birth time, entered to the minute, from which on (a change ahead) or
// up to which (a change behind) the other answer holds: "10:10", or
// "23:55 on 13 Mar" on another day.
UiText ThresholdTime(const ClockTime& birth, double changeMinutesFromBirth);

// "Moon in Rohini from 14 Jun 01:00 to 15 Jun 04:12 (birthplace clock)":
// either end may be missing; the year is given only where the stay reaches
// into another one than the birth's. The place is a name, or a text such as
// "pada 2 of Rohini".
UiText MoonStayLine(const UiText& place, const ClockTime& birth, const std::optional<ClockTime>& entered,
                    const std::optional<ClockTime>& leaves);

// The same between two crossings (anything with a Clock), either missing.
template <typename Crossing>
UiText MoonStayLine(const UiText& place, const ClockTime& birth, const std::optional<Crossing>& entered,
                    const std::optional<Crossing>& leaves)
{
    const auto clock = [](const std::optional<Crossing>& c) {
        return c ? std::optional<ClockTime>(c->Clock) : std::nullopt;
    };
    return MoonStayLine(place, birth, clock(entered), clock(leaves));
}

// Of the changes on either side of the birth (anything with a
// MinutesFromBirth), the one nearer in time; null when neither was found.
template <typename Crossing>
const Crossing* NearerChange(const std::optional<Crossing>& entered, const std::optional<Crossing>& leaves)
{
    if (entered && leaves) {
        return -entered->MinutesFromBirth <= leaves->MinutesFromBirth ? &*entered : &*leaves;
    }
    return entered ? &*entered : leaves ? &*leaves : nullptr;
}

}  // namespace orvanta
