// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Calendar.h"

#include <string>

namespace orvanta {

namespace {

// Floor division of integers, also for negative numerators. For whole-number
// inputs it equals the floor of the real quotient, and it avoids five
// floating-point divisions.
constexpr long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

double JulianDayNumber(int month, int day, int year)
{
    const long long m = month + 12LL * (year + 4800LL) - 3;
    long long j = FloorDiv(365 * m + 7 + 2 * (m - 12 * FloorDiv(m, 12)), 12) + day + FloorDiv(m, 48) - 32083;
    if (j > 2299171) {
        j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    }
    return static_cast<double>(j);
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsRealDate(const CivilDate& date)
{
    return date.Year >= 1 && date.Year <= 9999 && date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= DaysInMonth(date.Year, date.Month);
}

int DaysBetween(const CivilDate& from, const CivilDate& to)
{
    return static_cast<int>(JulianDayNumber(to.Month, to.Day, to.Year) - JulianDayNumber(from.Month, from.Day, from.Year));
}

std::string_view MonthAbbreviation(int month)
{
    static constexpr std::string_view months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? months[month - 1] : "?";
}

UiText DateText(const CivilDate& date, bool withYear, std::string_view space)
{
    std::string english = std::to_string(date.Day);
    english.append(space).append(MonthAbbreviation(date.Month));
    if (withYear) {
        english.append(space).append(std::to_string(date.Year));
    }
    CalendarValue value;
    value.Shape = withYear ? CalendarValue::Form::DayMonthYear : CalendarValue::Form::DayMonth;
    value.Year = date.Year;
    value.Month = date.Month;
    value.Day = date.Day;
    return DateOrTime(value, std::move(english));
}

UiText TimeText(int hour, int minute)
{
    const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    CalendarValue value;
    value.Shape = CalendarValue::Form::HourMinute;
    value.Hour = hour;
    value.Minute = minute;
    return DateOrTime(value, twoDigits(hour) + ":" + twoDigits(minute));
}

}  // namespace orvanta
