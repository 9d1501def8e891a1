// SPDX-License-Identifier: GPL-3.0-or-later
// The civil calendar: day numbers, leap years and month lengths, and days
// between dates. Pure arithmetic on small integers.
#pragma once

#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

// Julian day number (the Julian date of noon) of a civil date. Julian
// reckoning up to the date written 15 October 1582, Gregorian after it.
// No calendar validation: a day past the end of its month counts on.
double JulianDayNumber(int month, int day, int year);

// The Gregorian leap-year rule.
bool IsLeapYear(int year);

// Days in a month (1 to 12) of a Gregorian year.
int DaysInMonth(int year, int month);

// A day of the (Gregorian) calendar.
struct CivilDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool operator==(const CivilDate&) const = default;
};

// True for a date the calendar has (no 30 February), years 1 to 9999.
bool IsRealDate(const CivilDate& date);

// Calendar days from `from` to `to`, negative when `to` lies before `from`.
int DaysBetween(const CivilDate& from, const CivilDate& to);

// "Jan" to "Dec" for months 1 to 12; "?" for any other number. English
// only: a window writes dates in the user's language itself (DateText).
std::string_view MonthAbbreviation(int month);

// A date as a part of a text: in English "14 Jun" or, with the year,
// "14 Jun 2024", the words parted by `space`; a window writes it in the
// user's language.
UiText DateText(const CivilDate& date, bool withYear, std::string_view space = " ");

// A clock time as a part of a text: "01:00" in English.
UiText TimeText(int hour, int minute);

}  // namespace orvanta
