#include "support/ReminderRule.h"

#include <charconv>
#include <cstdio>

#include "ephemeris/Ephemeris.h"

namespace orvanta {

namespace {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Exactly `text.size()` decimal digits, no sign or blanks.
std::optional<int> ReadDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

bool IsRealDate(const CivilDate& date)
{
    return date.Year >= 1 && date.Year <= 9999 && date.Month >= 1 && date.Month <= 12
           && date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

std::string FormatIsoDate(const CivilDate& date)
{
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::optional<CivilDate> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = ReadDigits(text.substr(0, 4));
    const auto month = ReadDigits(text.substr(5, 2));
    const auto day = ReadDigits(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    if (!IsRealDate(date)) {
        return std::nullopt;
    }
    return date;
}

int DaysBetween(const CivilDate& from, const CivilDate& to)
{
    return static_cast<int>(JulianDayNumber(to.Month, to.Day, to.Year)
                            - JulianDayNumber(from.Month, from.Day, from.Year));
}

ReminderAction DecideReminder(std::string_view stored, const CivilDate& today)
{
    // A text that names no date would otherwise silence the reminder for
    // good; it counts as a first run.
    const auto last = ParseIsoDate(stored);
    if (!last) {
        return ReminderAction::StoreTodayOnly;
    }
    const int days = DaysBetween(today, *last);
    if (days >= -ReminderQuietDays && days <= ReminderQuietDays) {
        return ReminderAction::DoNothing;
    }
    return ReminderAction::AskThenStoreToday;
}

}  // namespace orvanta
