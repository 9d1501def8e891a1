// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/SignCrossings.h"

#include <gtest/gtest.h>

#include "TestRecords.h"

#include <cmath>
#include <string>

#include "core/ephemeris/Ephemeris.h"

namespace orvanta {
namespace {

using testing::Birth;


std::string Name(const BirthRecord& r)
{
    return std::to_string(r.BirthDay) + "/" + std::to_string(r.BirthMonth) + "/" + std::to_string(r.BirthYear) + " " +
           std::to_string(r.BirthHour) + ":" + std::to_string(r.BirthMinute);
}

// Seconds on one running count, so clock times can be subtracted.
long long Seconds(const ClockTime& t) { return DayNumberOf(t) * 86400 + SecondsIntoDay(t); }

// The reading's sign a number of minutes after the birth, by the reading's own rule.
int SignAt(const MoonComputation& birth, double minutes)
{
    return static_cast<int>(std::floor(SiderealMoonLongitude(birth.Centuries + minutes / (36525.0 * 1440.0)) / 30.0));
}

// Walks from the birth in whole minutes, then in seconds, to the first moment
// in another sign: a plain search that shares nothing with the solver.
double SteppedCrossing(const MoonComputation& birth, int direction)
{
    const int sign = SignAt(birth, 0);
    int minute = 0;
    while (SignAt(birth, minute + direction) == sign) {
        minute += direction;
    }
    int second = 0;
    while (SignAt(birth, minute + (second + direction) / 60.0) == sign) {
        second += direction;
    }
    return minute + (direction > 0 ? second + 1 : second) / 60.0;
}

const BirthRecord kBirths[] = {
    Birth(1, 1, 2000, 12, 0),  Birth(15, 8, 1947, 0, 0, 5, 30, true), Birth(4, 7, 1976, 12, 0, 5, 0, false, true),
    Birth(1, 1, 1901, 0, 0),   Birth(31, 12, 2050, 23, 59),           Birth(4, 4, 2000, 12, 0),
    Birth(1, 3, 2044, 0, 0),   Birth(29, 2, 2044, 19, 0, 5, 0, false, true),
};

TEST(FindSignStay, CrossingsAgreeWithFineStepping)
{
    for (const BirthRecord& birth : kBirths) {
        const std::optional<SignStay> stay = FindSignStay(birth);
        ASSERT_TRUE(stay && stay->Entered && stay->Leaves) << Name(birth);
        EXPECT_NEAR(stay->Entered->MinutesFromBirth, SteppedCrossing(stay->Reading, -1), 1.0 / 60) << Name(birth);
        EXPECT_NEAR(stay->Leaves->MinutesFromBirth, SteppedCrossing(stay->Reading, +1), 1.0 / 60) << Name(birth);
        EXPECT_EQ(stay->Entered->RashiAfter, stay->Reading.RashiName);
        EXPECT_EQ(stay->Leaves->RashiAfter, RashiNameTable[static_cast<std::size_t>((stay->SignIndex + 1) % 12)].VedicName);
        for (const SignCrossing* c : {&*stay->Entered, &*stay->Leaves}) {
            EXPECT_NEAR(Seconds(c->Clock) - Seconds(stay->Birth), c->MinutesFromBirth * 60, 1.0) << Name(birth);
        }
        // About six minutes of the Moon's motion, as the method's accuracy.
        EXPECT_GT(stay->AccuracyMinutes, 4.5);
        EXPECT_LT(stay->AccuracyMinutes, 6.5);
    }
}

TEST(FindSignStay, CrossingsFallOnOtherDaysMonthsAndYears)
{
    struct Case {
        BirthRecord birth;
        bool entered;
        ClockTime at;  // to the minute
    };
    const Case cases[] = {
        {Birth(1, 3, 2044, 0, 0), true, {2044, 2, 29, 22, 42, 0}},     // midnight, month end, leap day
        {Birth(1, 1, 1901, 0, 0), true, {1900, 12, 30, 4, 10, 0}},     // before the first offered year
        {Birth(31, 12, 2050, 23, 59), false, {2051, 1, 3, 11, 29, 0}},  // after the last
    };
    for (const Case& c : cases) {
        const std::optional<SignStay> stay = FindSignStay(c.birth);
        ClockTime clock = (c.entered ? stay->Entered : stay->Leaves)->Clock;
        clock.Second = 0;
        EXPECT_EQ(clock, c.at) << Name(c.birth);
    }
}

// One moment in four zones: the crossing is as far from the birth in each,
// and its clock time moves with the zone and daylight saving.
TEST(FindSignStay, ZoneAndDaylightSavingMoveOnlyTheClock)
{
    struct Case {
        BirthRecord birth;
        int clockAheadMinutes;
    };
    const Case cases[] = {
        {Birth(29, 2, 2044, 21, 0), 0},
        {Birth(1, 3, 2044, 2, 30, 5, 30, true), 330},
        {Birth(29, 2, 2044, 17, 0, 5, 0, false, true), -240},
        {Birth(29, 2, 2044, 23, 0, 1, 0, false, true, ZoneSide::AheadOfUtc), 120},
    };
    const std::optional<SignStay> utc = FindSignStay(cases[0].birth);
    for (const Case& c : cases) {
        const std::optional<SignStay> stay = FindSignStay(c.birth);
        EXPECT_NEAR(stay->Entered->MinutesFromBirth, utc->Entered->MinutesFromBirth, 1e-6) << Name(c.birth);
        EXPECT_NEAR(Seconds(stay->Entered->Clock) - Seconds(utc->Entered->Clock), c.clockAheadMinutes * 60, 1)
            << Name(c.birth);
    }
}

// Births in the whole minutes either side of a crossing read the two signs,
// and both place the crossing at the same second.
TEST(FindSignStay, OneMinuteEitherSideOfACrossing)
{
    const SignCrossing crossing = *FindSignStay(Birth(1, 3, 2044, 0, 0))->Entered;  // 29 Feb 22:42:19
    const std::optional<SignStay> before = FindSignStay(Birth(29, 2, 2044, 22, 42));
    const std::optional<SignStay> after = FindSignStay(Birth(29, 2, 2044, 22, 43));
    EXPECT_EQ(before->Reading.RashiName, crossing.RashiBefore);
    EXPECT_EQ(after->Reading.RashiName, crossing.RashiAfter);
    EXPECT_TRUE(before->Leaves->MinutesFromBirth > 0 && before->Leaves->MinutesFromBirth < 1);
    EXPECT_TRUE(after->Entered->MinutesFromBirth < 0 && after->Entered->MinutesFromBirth > -1);
    EXPECT_NEAR(Seconds(before->Leaves->Clock), Seconds(crossing.Clock), 1);
    EXPECT_NEAR(Seconds(after->Entered->Clock), Seconds(crossing.Clock), 1);
}

TEST(CivilDateOfDayNumber, InvertsJulianDayNumber)
{
    const long long first = static_cast<long long>(JulianDayNumber(1, 1, 1890));
    const long long last = static_cast<long long>(JulianDayNumber(12, 31, 2060));
    for (long long day = first; day <= last; ++day) {
        const ClockTime d = CivilDateOfDayNumber(day);
        ASSERT_EQ(JulianDayNumber(d.Month, d.Day, d.Year), day);
        const double nextMonth = d.Month == 12 ? JulianDayNumber(1, 1, d.Year + 1) : JulianDayNumber(d.Month + 1, 1, d.Year);
        ASSERT_LT(day, nextMonth) << d.Year << "-" << d.Month << "-" << d.Day;  // no 30 February
    }
    EXPECT_EQ(CivilDateOfDayNumber(2451604), (ClockTime{2000, 2, 29}));
    EXPECT_EQ(CivilDateOfDayNumber(2415079), (ClockTime{1900, 2, 28}));
    EXPECT_EQ(CivilDateOfDayNumber(2299160), (ClockTime{1582, 10, 4}));  // Julian reckoning
    EXPECT_EQ(ClockTimeAt(2451545, -1), (ClockTime{1999, 12, 31, 23, 59, 59}));
}

}  // namespace
}  // namespace orvanta
