// SPDX-License-Identifier: GPL-3.0-or-later
// Civil dates and clock times back from day numbers: the inverse of
// JulianDayNumber, for moments a little before or after a birth.
#pragma once

namespace orvanta {

// A date and time on some clock, normalised: month 1-12, day within its
// month, hour 0-23, minute and second 0-59.
struct ClockTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;

    bool operator==(const ClockTime&) const = default;
};

// The civil date whose JulianDayNumber is dayNumber, as year, month and day
// (time left at 00:00:00): Gregorian from day 2299161 (15 October 1582 in
// that calendar) on, Julian before it.
ClockTime CivilDateOfDayNumber(long long dayNumber);

// The clock time that lies `seconds` after the start of the civil date with
// this day number; seconds may be negative or exceed a day.
ClockTime ClockTimeAt(long long dayNumber, long long seconds);

// The day number of the clock time's date and its seconds since that
// date's start: ClockTimeAt read backwards.
long long DayNumberOf(const ClockTime& time);
long long SecondsIntoDay(const ClockTime& time);

}  // namespace orvanta
