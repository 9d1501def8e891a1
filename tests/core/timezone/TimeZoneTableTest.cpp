// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/timezone/TimeZoneTable.h"

#include <algorithm>
#include <cctype>
#include <string>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

struct Expected {
    std::size_t Position;
    std::string_view Text;
    int Hours;
    int Minutes;
};

constexpr Expected kKnownRows[] = {
    {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
    {18, "Central Daylight Time,CDT,-5.0", 5, 0},
    {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
    {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
    {34, "Indian Time, IST, +5.3", -5, -30},
    {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
    {52, "North Sumatra Time,NST,+6.5", -6, -30},
    {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
    {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
    {61, "Universal Time, UT, 0.0", 0, 0},
    {62, "USSR Zone 10,UZ10,+11.0", -11, 0},
    {70, "Yukon War Time,YWT,-8.0", 8, 0},
};

TEST(TimeZoneTable, KnownRowsStandWhereTheListShowsThem)
{
    for (const Expected& e : kKnownRows) {
        SCOPED_TRACE(e.Text);
        const TimeZoneRow& row = TimeZoneTable.at(e.Position);
        EXPECT_EQ(TimeZoneRowText(row), e.Text);
        EXPECT_EQ(row.Hours, e.Hours);
        EXPECT_EQ(row.Minutes, e.Minutes);
    }
}

std::string Lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

TEST(TimeZoneTable, RowsAreSortedIgnoringCase)
{
    for (std::size_t i = 1; i < TimeZoneTable.size(); ++i) {
        EXPECT_LT(Lowered(TimeZoneRowText(TimeZoneTable[i - 1])), Lowered(TimeZoneRowText(TimeZoneTable[i])))
            << "row " << i;
    }
}

// Every row's numbers must agree with the offset its text shows: the opposite
// sign, and any fraction a half hour ("+5.3" is five and a half hours).
TEST(TimeZoneTable, NumbersAgreeWithTheShownOffset)
{
    for (const TimeZoneRow& row : TimeZoneTable) {
        const std::string text = TimeZoneRowText(row);
        SCOPED_TRACE(text);
        std::string_view offset = std::string_view(text).substr(text.rfind(',') + 1);
        offset.remove_prefix(std::min(offset.find_first_not_of(' '), offset.size()));
        ASSERT_FALSE(offset.empty());
        const int sign = offset.front() == '-' ? -1 : 1;
        if (offset.front() == '-' || offset.front() == '+') {
            offset.remove_prefix(1);
        }
        const std::size_t dot = offset.find('.');
        ASSERT_NE(dot, std::string_view::npos);
        const int whole = std::stoi(std::string(offset.substr(0, dot)));
        const bool half = offset.substr(dot + 1) != "0";
        EXPECT_EQ(row.Hours, -sign * whole);
        EXPECT_EQ(row.Minutes, half ? -sign * 30 : 0);
    }
}

}  // namespace
}  // namespace orvanta
