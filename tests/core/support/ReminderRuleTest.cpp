// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/support/ReminderRule.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr CivilDate kToday{2026, 12, 7};

struct DecisionCase {
    std::string_view Stored;
    CivilDate Today;
    ReminderAction Expected;
};

constexpr DecisionCase kDecisions[] = {
    {"", kToday, ReminderAction::StoreTodayOnly},
    {"2026-12-07", kToday, ReminderAction::DoNothing},
    {"2026-11-23", kToday, ReminderAction::DoNothing},          // 14 days ago
    {"2026-11-22", kToday, ReminderAction::AskThenStoreToday},  // 15 days ago
    {"2026-12-21", kToday, ReminderAction::DoNothing},          // 14 days ahead
    {"2026-12-22", kToday, ReminderAction::AskThenStoreToday},  // clock set back
    {"1926-12-07", kToday, ReminderAction::AskThenStoreToday},
    // Across a year's end and a leap day.
    {"2026-12-22", {2027, 1, 5}, ReminderAction::DoNothing},
    {"2026-12-21", {2027, 1, 5}, ReminderAction::AskThenStoreToday},
    {"2024-02-29", {2024, 3, 14}, ReminderAction::DoNothing},
    {"2024-02-28", {2024, 3, 14}, ReminderAction::AskThenStoreToday},
    // A text that is no date counts as a first run.
    {"garbage", kToday, ReminderAction::StoreTodayOnly},
    {"12/7/26", kToday, ReminderAction::StoreTodayOnly},
    {"2026-02-30", kToday, ReminderAction::StoreTodayOnly},
    {" ", kToday, ReminderAction::StoreTodayOnly},
};

TEST(ReminderRule, DecidesFromTheStoredDateAndToday)
{
    for (const DecisionCase& c : kDecisions) {
        SCOPED_TRACE(std::string(c.Stored) + " on " + FormatIsoDate(c.Today));
        EXPECT_EQ(DecideReminder(c.Stored, c.Today), c.Expected);
    }
}

struct DayCountCase {
    CivilDate From;
    CivilDate To;
    int Days;
};

constexpr DayCountCase kDayCounts[] = {
    {{2024, 2, 28}, {2024, 3, 1}, 2},  // leap year
    {{2023, 2, 28}, {2023, 3, 1}, 1},
    {{2000, 2, 28}, {2000, 3, 1}, 2},  // a leap century
    {{1900, 2, 28}, {1900, 3, 1}, 1},  // not a leap century
    {{2025, 12, 31}, {2026, 1, 1}, 1},
    {{2026, 1, 1}, {2025, 12, 31}, -1},
    {{2026, 1, 1}, {2027, 1, 1}, 365},
    {{2028, 1, 1}, {2029, 1, 1}, 366},
};

TEST(ReminderRule, CountsCalendarDays)
{
    for (const DayCountCase& c : kDayCounts) {
        SCOPED_TRACE(FormatIsoDate(c.From) + " to " + FormatIsoDate(c.To));
        EXPECT_EQ(DaysBetween(c.From, c.To), c.Days);
    }
}

TEST(ReminderRule, IsoDatesRoundTrip)
{
    constexpr CivilDate dates[] = {{2026, 7, 1}, {2024, 2, 29}, {2000, 2, 29}, {1999, 12, 31}, {5, 1, 9}};
    for (const CivilDate& date : dates) {
        const std::string text = FormatIsoDate(date);
        SCOPED_TRACE(text);
        EXPECT_EQ(text.size(), 10u);
        EXPECT_EQ(ParseIsoDate(text), date);
    }
    EXPECT_EQ(FormatIsoDate({2026, 7, 1}), "2026-07-01");
}

TEST(ReminderRule, ReadsOnlyWholeRealIsoDates)
{
    constexpr std::string_view refused[] = {
        "", "garbage", "12/7/26", "7.12.2026", "2026-7-01", "26-07-01", "2026-07-01 ", " 2026-07-01",
        "2026/07/01", "+026-07-01", "2026-0x-01", "2026-13-01", "2026-00-10", "2026-04-31",
        "2026-02-30", "2023-02-29", "1900-02-29", "0000-01-01", "2026-07-01T00:00",
    };
    for (const std::string_view text : refused) {
        EXPECT_FALSE(ParseIsoDate(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace orvanta
