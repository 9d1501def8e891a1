// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/Ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvanta {
namespace {

struct DayCase {
    int month, day, year;
    double expected;
    const char* note;
};

// Day numbers of the date's noon as Meeus, Astronomical Algorithms (2nd ed.),
// ch. 7 publishes them (J2000 = 2451545, 1582 Oct 4 = 2299160); exact. The
// rows from 1582 Oct 15 on show this method's own switch of calendars.
TEST(JulianDayNumber, MatchesKnownDays)
{
    const DayCase cases[] = {
        {1, 1, 2000, 2451545, "J2000"},
        {3, 1, 1900, 2415080, ""},
        {1, 1, 1901, 2415386, "first offered day"},
        {12, 31, 2050, 2470172, "last offered day"},
        {10, 4, 1582, 2299160, "Julian reckoning"},
        {10, 15, 1582, 2299171, "still Julian: the test is strictly greater"},
        {10, 16, 1582, 2299162, "Gregorian reckoning"},
        {2, 30, 2001, 2451971, "a day past the month counts on"},
        {2, 29, 1900, 2415080, "1900 is no leap year"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected)
            << c.month << "/" << c.day << "/" << c.year << " " << c.note;
    }
}

std::string SignText(int d, int m, int s, const char* abbreviation)
{
    return std::to_string(d) + "\u00B0 " + std::to_string(m) + "' " + std::to_string(s) + "\" " + abbreviation;
}

TEST(LongitudeToSignText, WritesTruncatedPartsAndSign)
{
    struct Case {
        double longitude;
        std::string expected;
    };
    const Case cases[] = {
        {123.456789, SignText(3, 27, 24, "Leo")},
        {0, SignText(0, 0, 0, "Ari")},
        {29.99999999, SignText(29, 59, 59, "Ari")},  // truncation keeps it in Aries
        {359.9999, SignText(29, 59, 59, "Pis")},
        {-10.5, SignText(10, 30, 0, "Ari")},         // the magnitude is written
        {360, SignText(0, 0, 0, "")},                // no sign from 360 on
        {30, SignText(0, 0, 0, "Tau")},
        {725.5, SignText(5, 30, 0, "")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongitudeToSignText(c.longitude), c.expected) << c.longitude;
    }
}

TEST(LongitudeToSignText, NonFiniteGivesNoSign)
{
    EXPECT_EQ(LongitudeToSignText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(LongitudeToSignText(std::numeric_limits<double>::infinity()), "");
    EXPECT_NO_THROW(LongitudeToSignText(1e300));
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// The day number as the real-valued formula defines it, for comparison.
double JulianDayNumberByRealDivision(int month, int day, int year)
{
    const double m = month + 12.0 * (year + 4800.0) - 3.0;
    double j = std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) + day +
               std::floor(m / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

TEST(JulianDayNumber, AgreesWithRealDivisionOverTheRecordsRange)
{
    for (int year = -32768; year <= 32767; year += 7) {
        for (int month = -1; month <= 14; ++month) {
            for (int day : {-5, 0, 1, 15, 31, 40}) {
                ASSERT_EQ(JulianDayNumber(month, day, year), JulianDayNumberByRealDivision(month, day, year))
                    << month << "/" << day << "/" << year;
            }
        }
    }
}

}  // namespace
}  // namespace orvanta
