// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/CivilTime.h"

#include "core/common/Calendar.h"

namespace orvanta {

namespace {

constexpr long long kSecondsPerDay = 86400;

constexpr long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

ClockTime CivilDateOfDayNumber(long long dayNumber)
{
    // Counted in four-year (and, for Gregorian dates, 400-year) cycles from
    // March of the year -4800, so that a leap day ends its year.
    long long centuries = 0;
    long long days = 0;
    if (dayNumber >= 2299161) {
        const long long a = dayNumber + 32044;
        centuries = FloorDiv(4 * a + 3, 146097);
        days = a - FloorDiv(146097 * centuries, 4);
    } else {
        days = dayNumber + 32082;
    }
    const long long years = FloorDiv(4 * days + 3, 1461);
    const long long dayOfYear = days - FloorDiv(1461 * years, 4);
    const long long month = FloorDiv(5 * dayOfYear + 2, 153);  // 0 = March

    ClockTime date;
    date.Day = static_cast<int>(dayOfYear - FloorDiv(153 * month + 2, 5) + 1);
    date.Month = static_cast<int>(month + 3 - 12 * FloorDiv(month, 10));
    date.Year = static_cast<int>(100 * centuries + years - 4800 + FloorDiv(month, 10));
    return date;
}

ClockTime ClockTimeAt(long long dayNumber, long long seconds)
{
    const long long dayShift = FloorDiv(seconds, kSecondsPerDay);
    const long long intoDay = seconds - dayShift * kSecondsPerDay;
    ClockTime time = CivilDateOfDayNumber(dayNumber + dayShift);
    time.Hour = static_cast<int>(intoDay / 3600);
    time.Minute = static_cast<int>(intoDay / 60 % 60);
    time.Second = static_cast<int>(intoDay % 60);
    return time;
}

long long DayNumberOf(const ClockTime& time)
{
    return static_cast<long long>(JulianDayNumber(time.Month, time.Day, time.Year));
}

long long SecondsIntoDay(const ClockTime& time)
{
    return time.Hour * 3600LL + time.Minute * 60LL + time.Second;
}

}  // namespace orvanta
