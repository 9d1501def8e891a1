// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/MoonRashi.h"

#include "core/ephemeris/Ephemeris.h"

#include <gtest/gtest.h>

#include "TestRecords.h"

#include <string>

namespace orvanta {
namespace {

using testing::Birth;


struct RashiCase {
    BirthRecord birth;
    double tropical, ayanamsa, sidereal;
    int d, m, s;
    const char* abbreviation;
    const char* rashi;
};

// The six worked births with their reference values, printed to four
// decimals of a degree; tolerance half the last place (0.00005 degrees).
TEST(ComputeMoonRashi, SixBirthsGiveTheirSignsAndValues)
{
    const RashiCase cases[] = {
        {Birth(1, 1, 2000, 12, 0, 0, 0, false, false), 223.3161, -23.8537, 199.4624, 19, 27, 44, "Lib", "Thula"},
        {Birth(15, 8, 1947, 0, 0, 5, 30, true, false), 117.1097, -23.1218, 93.9878, 3, 59, 16, "Can", "Kataka"},
        {Birth(4, 7, 1976, 12, 0, 5, 0, false, true), 191.9649, -23.5320, 168.4329, 18, 25, 58, "Vir", "Kanya"},
        {Birth(1, 1, 1901, 0, 0, 0, 0, false, false), 48.3100, -22.4800, 25.8300, 25, 49, 47, "Ari", "Mesha"},
        {Birth(31, 12, 2050, 23, 59, 0, 0, false, false), 144.7851, -24.5727, 120.2125, 0, 12, 44, "Leo", "Simha"},
        {Birth(4, 4, 2000, 12, 0, 0, 0, false, false), 11.6928, -23.8567, 347.8361, 17, 50, 9, "Pis", "Meena"},
    };
    for (const auto& c : cases) {
        BirthRecord record = c.birth;
        const MoonComputation result = ComputeMoonRashi(record);
        const std::string where = std::to_string(c.birth.BirthYear) + "-" + std::to_string(c.birth.BirthMonth);
        EXPECT_NEAR(result.TropicalLongitude, c.tropical, 5e-5) << where;
        EXPECT_NEAR(result.AyanamsaValue, c.ayanamsa, 5e-5) << where;
        EXPECT_NEAR(result.MoonLongitude, c.sidereal, 5e-5) << where;
        const std::string expectedText = std::to_string(c.d) + "\u00B0 " + std::to_string(c.m) + "' " +
                                         std::to_string(c.s) + "\" " + c.abbreviation;
        EXPECT_EQ(result.SignText, expectedText) << where;
        EXPECT_EQ(record.RashiName, c.rashi) << where;
    }
}

// The worked births' reference T, printed to seven decimals; tolerance half
// the last place. Day numbers and hours are exact.
TEST(ComputeMoonRashi, IntermediateValuesOfTheWorkedBirths)
{
    const MoonComputation j2000 = ComputeMoonPosition(Birth(1, 1, 2000, 12, 0, 0, 0, false, false));
    EXPECT_EQ(j2000.DayNumber, 2451545);
    EXPECT_EQ(j2000.UniversalHours, 12);
    EXPECT_EQ(j2000.Centuries, 0.0);

    // Midnight in India falls on the previous universal day; the date itself is not moved.
    const MoonComputation india = ComputeMoonPosition(Birth(15, 8, 1947, 0, 0, 5, 30, true, false));
    EXPECT_EQ(india.DayNumber, JulianDayNumber(8, 15, 1947));
    EXPECT_EQ(india.UniversalHours, -5.5);
    EXPECT_NEAR(india.Centuries, -0.5238256, 5e-8);

    // Daylight saving in the west takes an hour off the zone.
    const MoonComputation west = ComputeMoonPosition(Birth(4, 7, 1976, 12, 0, 5, 0, false, true));
    EXPECT_EQ(west.ZoneOffset, 4);
    EXPECT_EQ(west.UniversalHours, 16);
    EXPECT_NEAR(west.Centuries, -0.2349304, 5e-8);
}

TEST(ComputeMoonRashi, ZeroLongitudeChosenEastCountsAsWest)
{
    BirthRecord east = Birth(10, 5, 1990, 8, 30, 2, 0, true, true);
    east.LongitudeDegrees = 0;
    east.LongitudeMinutes = 0;
    BirthRecord west = east;
    west.LongitudeEast = false;

    const MoonComputation a = ComputeMoonPosition(east);
    const MoonComputation b = ComputeMoonPosition(west);
    EXPECT_EQ(a.ZoneOffset, 1);       // daylight saving subtracted, as in the west
    EXPECT_EQ(a.UniversalHours, 9.5);  // zone added to the clock time
    EXPECT_EQ(a.MoonLongitude, b.MoonLongitude);
}

TEST(ComputeMoonRashi, DaylightSavingWithZeroZoneInTheWest)
{
    const MoonComputation c = ComputeMoonPosition(Birth(1, 6, 1985, 10, 0, 0, 0, false, true));
    EXPECT_EQ(c.ZoneOffset, -1);
    EXPECT_EQ(c.UniversalHours, 9);
}

// A zone with its own sign decides its side; one without takes the longitude's.
TEST(ComputeMoonRashi, ZoneSideComesFromItsSignOrElseTheLongitude)
{
    struct Case {
        const char* place;
        int zoneHours;
        ZoneSide side;
        bool east;
        bool dst;
        double universalHours;  // for a clock time of 12:00
    };
    const Case cases[] = {
        {"Madrid, CET", 1, ZoneSide::AheadOfUtc, false, false, 11},
        {"Madrid, CET, summer time", 1, ZoneSide::AheadOfUtc, false, true, 10},
        {"Madrid, digits only", 1, ZoneSide::FromLongitude, false, false, 13},
        {"Tonga", 13, ZoneSide::AheadOfUtc, false, false, -1},
        {"Attu, Hawaii time", 10, ZoneSide::BehindUtc, true, false, 22},
        {"Attu, Hawaii time, summer time", 10, ZoneSide::BehindUtc, true, true, 21},
        {"New York, signed as its side", 5, ZoneSide::BehindUtc, false, false, 17},
        {"Delhi, signed as its side", 5, ZoneSide::AheadOfUtc, true, false, 7},
        {"Delhi, digits only", 5, ZoneSide::FromLongitude, true, false, 7},
    };
    for (const Case& c : cases) {
        BirthRecord r = Birth(15, 6, 1980, 12, 0, c.zoneHours, 0, c.east, c.dst);
        r.ZoneDirection = c.side;
        EXPECT_EQ(ComputeMoonPosition(r).UniversalHours, c.universalHours) << c.place;
    }
}

TEST(ComputeMoonRashi, MadridOnCentralEuropeanTimeIsSimha)
{
    BirthRecord madrid = Birth(9, 1, 1950, 12, 0, 1, 0, false, false);
    madrid.LongitudeDegrees = 3;
    madrid.LongitudeMinutes = 42;
    madrid.ZoneDirection = ZoneSide::AheadOfUtc;
    ComputeMoonRashi(madrid);
    EXPECT_EQ(madrid.RashiName, "Simha");

    madrid.ZoneDirection = ZoneSide::FromLongitude;  // the zone taken to lie west
    ComputeMoonRashi(madrid);
    EXPECT_EQ(madrid.RashiName, "Kanya");
}

TEST(ComputeMoonRashi, LatitudeAndLongitudeSizeChangeNothing)
{
    const BirthRecord base = Birth(21, 3, 1968, 17, 45, 5, 30, true, false);
    const double expected = ComputeMoonPosition(base).MoonLongitude;

    BirthRecord changed = base;
    changed.LatitudeDegrees = 51;
    changed.LatitudeMinutes = 30;
    changed.LatitudeSouth = true;
    EXPECT_EQ(ComputeMoonPosition(changed).MoonLongitude, expected);

    changed = base;
    changed.LongitudeDegrees = 179;
    changed.LongitudeMinutes = 59;
    EXPECT_EQ(ComputeMoonPosition(changed).MoonLongitude, expected);

    changed = base;
    changed.LongitudeEast = false;  // the other side of Greenwich does move the reading
    EXPECT_NE(ComputeMoonPosition(changed).MoonLongitude, expected);
}

TEST(ComputeMoonRashi, SecondCallReplacesTheName)
{
    BirthRecord record = Birth(1, 1, 2000, 12, 0, 0, 0, false, false);
    ComputeMoonRashi(record);
    EXPECT_EQ(record.RashiName, "Thula");
    record.BirthMonth = 4;
    record.BirthDay = 4;
    ComputeMoonRashi(record);
    EXPECT_EQ(record.RashiName, "Meena");
}

TEST(ComputeMoonRashi, NoSignFoundKeepsThePreviousName)
{
    // Far outside the offered years the ayanamsa turns positive and a sidereal
    // longitude of 360 or more has no sign; look for such a moment.
    BirthRecord record = Birth(1, 1, 100, 0, 0, 0, 0, false, false);
    bool found = false;
    for (int day = 1; day <= 60 && !found; ++day) {
        for (int hour = 0; hour < 24 && !found; ++hour) {
            record.BirthDay = static_cast<std::int16_t>(day);
            record.BirthHour = static_cast<std::int16_t>(hour);
            found = ComputeMoonPosition(record).MoonLongitude >= 360.0;
        }
    }
    ASSERT_TRUE(found);
    record.RashiName = "Previous";
    const MoonComputation c = ComputeMoonRashi(record);
    EXPECT_TRUE(c.RashiName.empty());
    EXPECT_EQ(record.RashiName, "Previous");
}

double ReduceByRepeatedSteps(double lambda)
{
    while (lambda < 0) {
        lambda += 360;
    }
    while (lambda > 360) {
        lambda -= 360;
    }
    return lambda;
}

TEST(ReduceLongitude, AgreesWithRepeatedStepsAtTheBoundaries)
{
    const double values[] = {0,      -0.0,   360,    720,     1080,     -360,  -720,   -476280,
                             245880, 360.25, -0.25,  -359.75, 719.75,   0.5,   359.75, -476000.5,
                             246000.25, 1e-9, -1e-9, 360 + 1e-9};
    for (double v : values) {
        EXPECT_EQ(ReduceLongitude(v), ReduceByRepeatedSteps(v)) << v;
    }
    EXPECT_EQ(ReduceLongitude(720), 360);  // a multiple above zero stays at 360
    EXPECT_EQ(ReduceLongitude(-720), 0);   // an exact negative multiple ends at 0
}

TEST(AyanamsaOffset, SpansTheOfferedYears)
{
    EXPECT_NEAR(AyanamsaOffset(0.0), -23.8537, 1e-3);
    EXPECT_GT(AyanamsaOffset(-0.99), -22.6);
    EXPECT_LT(AyanamsaOffset(0.51), -24.5);
}

}  // namespace
}  // namespace orvanta
