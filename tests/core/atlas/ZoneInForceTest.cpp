// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/ZoneInForce.h"

#include <iostream>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr int H = 3600;
constexpr int M = 60;

struct ZoneCase {
    const char* Name;
    const char* Zone;
    CivilDateTime Local;
    double Longitude;
    LocalTimeKind Kind;
    int Offset;        // Unique: the offset; otherwise the one before the change
    int LaterOffset;   // Skipped and Repeated only
    bool Daylight;     // of Offset
    ZoneBoxTexts Boxes;  // Unique only
};

// Ulm's longitude as the atlas gives it (9 deg 59.5 min east).
constexpr double UlmLongitude = 9.99155;

const ZoneCase ZoneCases[] = {
    {"Kolkata in war time", "Asia/Kolkata", {1943, 6, 15, 12, 0, 0}, 88.36, LocalTimeKind::Unique,
     6 * H + 30 * M, 0, true, {"-6", "-30"}},
    {"Kolkata before war time", "Asia/Kolkata", {1942, 6, 15, 12, 0, 0}, 88.36, LocalTimeKind::Unique,
     5 * H + 30 * M, 0, false, {"-5", "-30"}},
    {"London double summer time", "Europe/London", {1941, 6, 15, 12, 0, 0}, -0.13, LocalTimeKind::Unique,
     2 * H, 0, true, {"-2", "-0"}},
    {"London standard time all year", "Europe/London", {1969, 1, 15, 12, 0, 0}, -0.13, LocalTimeKind::Unique,
     1 * H, 0, false, {"-1", "-0"}},
    {"New York war time in winter", "America/New_York", {1945, 1, 15, 12, 0, 0}, -74.0, LocalTimeKind::Unique,
     -4 * H, 0, true, {"+4", "+0"}},
    {"New York, clocks forward", "America/New_York", {2021, 3, 14, 2, 30, 0}, -74.0, LocalTimeKind::Skipped,
     -5 * H, -4 * H, false, {}},
    {"New York, clocks back", "America/New_York", {2021, 11, 7, 1, 30, 0}, -74.0, LocalTimeKind::Repeated,
     -4 * H, -5 * H, true, {}},
    {"Colombo at +6", "Asia/Colombo", {2000, 1, 1, 12, 0, 0}, 79.85, LocalTimeKind::Unique,
     6 * H, 0, false, {"-6", "-0"}},
    {"Amsterdam mean time, summer", "Europe/Amsterdam", {1930, 7, 15, 12, 0, 0}, 4.89, LocalTimeKind::Unique,
     1 * H + 19 * M + 32, 0, true, {"-1", "-20"}},
    {"Ulm before standard time", "Europe/Berlin", {1879, 3, 14, 11, 30, 0}, UlmLongitude, LocalTimeKind::Unique,
     39 * M + 58, 0, false, {"-0", "-40"}},
    {"Nepal after its move to +5:45", "Asia/Kathmandu", {1986, 6, 1, 12, 0, 0}, 85.3, LocalTimeKind::Unique,
     5 * H + 45 * M, 0, false, {"-5", "-45"}},
    {"west of Greenwich before standard time", "America/New_York", {1850, 6, 1, 12, 0, 0}, -74.006,
     LocalTimeKind::Unique, -(4 * H + 56 * M + 1), 0, false, {"+4", "+56"}},
    // Where the law calls summer time standard, the tz database marks winter
    // time as daylight time; the offset ahead is the daylight one all the same.
    {"Dublin in winter", "Europe/Dublin", {2020, 1, 15, 12, 0, 0}, -6.26, LocalTimeKind::Unique,
     0, 0, false, {"+0", "+0"}},
    {"Dublin in summer", "Europe/Dublin", {2020, 7, 15, 12, 0, 0}, -6.26, LocalTimeKind::Unique,
     1 * H, 0, true, {"-1", "-0"}},
    {"Casablanca in Ramadan", "Africa/Casablanca", {2020, 5, 1, 12, 0, 0}, -7.61, LocalTimeKind::Unique,
     0, 0, false, {"+0", "+0"}},
    // The end of local mean time, on the place's own mean time: Calgary's
    // clocks went from 23:57:32 to 00:33:52, Edmonton's from 00:00 on.
    {"Calgary as its mean time ended", "America/Edmonton", {1906, 8, 31, 23, 59, 0}, -114.08529,
     LocalTimeKind::Skipped, -(7 * H + 36 * M + 20), -7 * H, false, {}},
    {"Calgary just before", "America/Edmonton", {1906, 8, 31, 23, 57, 0}, -114.08529, LocalTimeKind::Unique,
     -(7 * H + 36 * M + 20), 0, false, {"+7", "+36"}},
    {"Medicine Hat, whose clocks were behind Edmonton's", "America/Edmonton", {1906, 9, 1, 0, 5, 0}, -110.68,
     LocalTimeKind::Unique, -(7 * H + 22 * M + 43), 0, false, {"+7", "+23"}},
    {"Boston, whose clocks went back to Eastern time", "America/New_York", {1883, 11, 18, 12, 10, 0}, -71.05977,
     LocalTimeKind::Repeated, -(4 * H + 44 * M + 14), -5 * H, false, {}},
};

TEST(ZoneInForce, PrintsTheTzDatabaseVersion)
{
    const std::string version = TzDatabaseVersion();
    std::cout << "tz database version: " << (version.empty() ? "unknown" : version) << '\n';
    EXPECT_FALSE(version.empty());
}

TEST(ZoneInForce, OffsetInForceAtTheLocalTime)
{
    for (const ZoneCase& c : ZoneCases) {
        SCOPED_TRACE(c.Name);
        const ZoneInForce zone = ResolveZone(c.Zone, c.Local, c.Longitude);
        ASSERT_EQ(zone.Kind, c.Kind);
        if (c.Kind == LocalTimeKind::Unique) {
            EXPECT_EQ(zone.Offset.Seconds, c.Offset);
            EXPECT_EQ(zone.Offset.Daylight, c.Daylight);
            EXPECT_EQ(ZoneBoxTextsFor(zone.Offset.Seconds), c.Boxes);
        } else {
            EXPECT_EQ(zone.Earlier.Seconds, c.Offset);
            EXPECT_EQ(zone.Earlier.Daylight, c.Daylight);
            EXPECT_EQ(zone.Later.Seconds, c.LaterOffset);
        }
    }
}

TEST(ZoneInForce, LocalMeanTimeIsThePlacesOwnAndCarriesNoDaylight)
{
    const ZoneInForce ulm = ResolveZone("Europe/Berlin", {1879, 3, 14, 11, 30, 0}, UlmLongitude);
    EXPECT_TRUE(ulm.Offset.LocalMeanTime);
    EXPECT_EQ(ulm.Offset.Abbreviation, "LMT");
    // Berlin's own mean time, which the tz database would have given.
    EXPECT_NE(ulm.Offset.Seconds, 53 * M + 28);

    const ZoneInForce later = ResolveZone("Europe/Berlin", {1900, 3, 14, 11, 30, 0}, UlmLongitude);
    EXPECT_FALSE(later.Offset.LocalMeanTime);
    EXPECT_EQ(later.Offset.Seconds, 1 * H);
}

TEST(ZoneInForce, AbbreviationsAreNamedOnlyWhereTheTzDatabaseHasAName)
{
    const ZoneInForce repeated = ResolveZone("America/New_York", {2021, 11, 7, 1, 30, 0}, -74.0);
    EXPECT_EQ(repeated.Earlier.Abbreviation, "EDT");
    EXPECT_EQ(repeated.Later.Abbreviation, "EST");
    // Colombo's +06 has only digits in the tz database.
    EXPECT_EQ(ResolveZone("Asia/Colombo", {2000, 1, 1, 12, 0, 0}, 79.85).Offset.Abbreviation, "");
}

TEST(ZoneInForce, RefusesUnknownZonesAndImpossibleTimes)
{
    const struct {
        const char* Zone;
        CivilDateTime Local;
        LocalTimeKind Kind;
    } cases[] = {
        {"Mars/Olympus_Mons", {2000, 1, 1, 12, 0, 0}, LocalTimeKind::UnknownZone},
        {"", {2000, 1, 1, 12, 0, 0}, LocalTimeKind::UnknownZone},
        {"../../../etc/passwd", {2000, 1, 1, 12, 0, 0}, LocalTimeKind::UnknownZone},
        {"/usr/share/zoneinfo/UTC", {2000, 1, 1, 12, 0, 0}, LocalTimeKind::UnknownZone},
        {"Europe/Berlin", {2001, 2, 29, 12, 0, 0}, LocalTimeKind::InvalidTime},
        {"Europe/Berlin", {2000, 6, 31, 12, 0, 0}, LocalTimeKind::InvalidTime},
        {"Europe/Berlin", {2000, 6, 1, 24, 0, 0}, LocalTimeKind::InvalidTime},
        {"Europe/Berlin", {2000, 13, 1, 12, 0, 0}, LocalTimeKind::InvalidTime},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Zone);
        EXPECT_EQ(ResolveZone(c.Zone, c.Local, 0.0).Kind, c.Kind);
    }
}

TEST(ZoneInForce, ZoneBoxesRoundToTheMinuteAndAlwaysCarryASign)
{
    const struct {
        int Offset;
        ZoneBoxTexts Boxes;
    } cases[] = {
        {0, {"+0", "+0"}},
        {29, {"+0", "+0"}},
        {30, {"-0", "-1"}},
        {-30, {"+0", "+1"}},
        {-(3 * H + 30 * M), {"+3", "+30"}},
        {12 * H + 45 * M, {"-12", "-45"}},
        {-(10 * H), {"+10", "+0"}},
        {5 * H + 59 * M + 45, {"-6", "-0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Offset);
        EXPECT_EQ(ZoneBoxTextsFor(c.Offset), c.Boxes);
    }
}

TEST(ZoneInForce, DescriptionSaysWhatWasUsed)
{
    const struct {
        const char* Place;
        const char* Zone;
        CivilDateTime Local;
        double Longitude;
        const char* Line;
    } cases[] = {
        {"Kolkata", "Asia/Kolkata", {1943, 6, 15, 12, 0, 0}, 88.36,
         "Kolkata: UTC+06:30 on 15 Jun 1943, daylight/war time \u2014 tz 2025b; "
         "caution: the tz database is approximate for India before 1955"},
        {"London", "Europe/London", {1941, 6, 15, 12, 0, 0}, -0.13,
         "London: UTC+02:00 (BDST) on 15 Jun 1941, daylight/war time \u2014 tz 2025b; "
         "caution: the tz database is approximate before 1970"},
        {"Ulm", "Europe/Berlin", {1879, 3, 14, 11, 30, 0}, UlmLongitude,
         "Ulm: local mean time UTC+00:39:58 on 14 Mar 1879 (+00:40 to the minute) \u2014 tz 2025b; "
         "caution: the tz database is approximate before 1970"},
        {"New York", "America/New_York", {2021, 3, 14, 2, 30, 0}, -74.0,
         "New York: 02:30 on 14 Mar 2021 did not exist: the clocks went from UTC-05:00 (EST) to "
         "UTC-04:00 (EDT) \u2014 tz 2025b"},
        {"New York", "America/New_York", {2021, 11, 7, 1, 30, 0}, -74.0,
         "New York: 01:30 on 7 Nov 2021 came twice: first at UTC-04:00 (EDT), then at UTC-05:00 (EST) "
         "\u2014 tz 2025b"},
        {"Dublin", "Europe/Dublin", {2020, 1, 15, 12, 0, 0}, -6.26,
         "Dublin: UTC+00:00 (GMT) on 15 Jan 2020 \u2014 tz 2025b"},
        {"Dublin", "Europe/Dublin", {2020, 7, 15, 12, 0, 0}, -6.26,
         "Dublin: UTC+01:00 (IST) on 15 Jul 2020, daylight/war time \u2014 tz 2025b"},
        {"Mumbai", "Asia/Kolkata", {2021, 2, 29, 12, 0, 0}, 72.88, "Mumbai: no such date or time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(English(DescribeZoneInForce(c.Place, c.Local, ResolveZone(c.Zone, c.Local, c.Longitude), "2025b")),
                  c.Line);
    }
}

}  // namespace
}  // namespace orvanta
