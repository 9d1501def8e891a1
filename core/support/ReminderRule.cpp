// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/support/ReminderRule.h"

#include <charconv>
#include <cstdio>


namespace orvanta {

namespace {

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
