// SPDX-License-Identifier: GPL-3.0-or-later
// The reading by either method, and what the other says: with the real
// Swiss Ephemeris (whose positions its own tests check against swetest) and
// with a source that cannot compute.
#include <gtest/gtest.h>

#include "core/reading/Reading.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

TEST(MoonChoice, SettingsValuesAndAnythingElseCountsAsTheDefault)
{
    const struct {
        const char* method;
        const char* ayanamsa;
        MoonMethod expected;
    } rows[] = {
        {"swiss", "Raman", {MoonEphemeris::SwissEphemeris, Ayanamsa::Raman}},
        {"classic", "Krishnamurti", {MoonEphemeris::ClassicSeries, Ayanamsa::Krishnamurti}},
        {"", "", {}},
        {"Swiss", "raman", {}},
        {"precise", "Fagan", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MoonMethodOfSettings(row.method, row.ayanamsa), row.expected) << row.method << row.ayanamsa;
    }
    EXPECT_EQ(MoonEphemerisSetting(MoonEphemeris::SwissEphemeris), "swiss");
}

// 7 January 1990, 05:38, zone 0:00, west: the classic series puts the Moon
// at 29°59.9' of Mesha, Swiss Ephemeris (Lahiri) 0.0065° into Vrishabha:
// Krittika pada 1 and pada 2.
BirthRecord NearTheBoundary() { return testing::Birth(7, 1, 1990, 5, 38); }

struct Composed {
    Reading Value;
    BirthRecord Record;
};

Composed Compose(BirthRecord record, MoonMethod method, const PreciseMoonSource* source)
{
    const Reading reading = ComposeReading(record, method, source);
    return {reading, record};
}

TEST(ReadingByMethod, TheFirstWorkedBirthAgreesAndSaysSo)
{
    const SwissEphemerisMoon swiss;
    const Composed c = Compose(testing::Birth(1, 1, 2000, 12, 0), {}, &swiss);
    ASSERT_TRUE(c.Value.Check);
    EXPECT_FALSE(c.Value.Check->Offers);
    const std::string line = English(c.Value.Check->Line);
    EXPECT_TRUE(line.starts_with("Swiss Ephemeris (Lahiri): Moon at 19\u00B0")) << line;
    EXPECT_TRUE(line.ends_with("in Thula, the classic series 19\u00B027\u2032 \u2014 same rashi and pada")) << line;
    EXPECT_EQ(English(MethodLine(c.Value)), "Reading by the classic series");
}

TEST(ReadingByMethod, WhereTheyDifferTheChosenMethodDecidesAndTheOtherIsOffered)
{
    const SwissEphemerisMoon swiss;
    const struct {
        MoonEphemeris chosen;
        const char* rashi;
        MoonEphemeris offered;
        StayCertainty certainty;  // the band is the method's own accuracy
        const char* lineStart;
    } rows[] = {
        {MoonEphemeris::ClassicSeries, "Mesha", MoonEphemeris::SwissEphemeris, StayCertainty::CannotTell,
         "Swiss Ephemeris (Lahiri) puts the Moon at 0\u00B000\u2032 in Vrishabha, pada 2 of Krittika"},
        {MoonEphemeris::SwissEphemeris, "Vrishabha", MoonEphemeris::ClassicSeries, StayCertainty::NearChange,
         "The classic series puts the Moon at 29\u00B059\u2032 in Mesha, pada 1 of Krittika"},
    };
    for (const auto& row : rows) {
        const Composed c = Compose(NearTheBoundary(), {row.chosen, Ayanamsa::Lahiri}, &swiss);
        EXPECT_EQ(c.Value.Method.Ephemeris, row.chosen);
        EXPECT_EQ(c.Value.Rashi.VedicName, row.rashi);
        EXPECT_EQ(c.Record.RashiName, row.rashi);
        ASSERT_TRUE(c.Value.Check && c.Value.Check->Offers);
        EXPECT_EQ(*c.Value.Check->Offers, row.offered);
        EXPECT_TRUE(English(c.Value.Check->Line).starts_with(row.lineStart)) << English(c.Value.Check->Line);
        ASSERT_TRUE(c.Value.SignStay);
        EXPECT_EQ(c.Value.SignStay->Certainty, row.certainty) << row.rashi;
        ASSERT_TRUE(c.Value.NakshatraLines);
    }
}

TEST(ReadingByMethod, TheAyanamsaMovesThePreciseMoon)
{
    const SwissEphemerisMoon swiss;
    const BirthRecord birth = testing::Birth(1, 1, 2000, 12, 0);
    const Composed lahiri = Compose(birth, {MoonEphemeris::SwissEphemeris, Ayanamsa::Lahiri}, &swiss);
    const Composed raman = Compose(birth, {MoonEphemeris::SwissEphemeris, Ayanamsa::Raman}, &swiss);
    EXPECT_NEAR(raman.Value.Moon.MoonLongitude - lahiri.Value.Moon.MoonLongitude, 1.45, 0.1);
    EXPECT_EQ(English(MethodLine(raman.Value)), "Reading by Swiss Ephemeris (Raman)");
}

// Without the library the classic series answers, and the line says why.
TEST(ReadingByMethod, WithoutThePreciseMoonTheClassicSeriesAnswersAndTheLineSaysSo)
{
    const UnavailablePreciseMoon missing;
    const BirthRecord birth = testing::Birth(1, 1, 2000, 12, 0);
    const Composed chosen = Compose(birth, {MoonEphemeris::SwissEphemeris, Ayanamsa::Raman}, &missing);
    const Composed classic = Compose(birth, {}, nullptr);
    EXPECT_EQ(chosen.Value.Method.Ephemeris, MoonEphemeris::ClassicSeries);
    EXPECT_EQ(chosen.Value.Moon.MoonLongitude, classic.Value.Moon.MoonLongitude);
    EXPECT_EQ(chosen.Record, classic.Record);
    ASSERT_TRUE(chosen.Value.Check);
    EXPECT_FALSE(chosen.Value.Check->Offers);
    EXPECT_EQ(English(chosen.Value.Check->Line),
              "Swiss Ephemeris is not available on this computer. This reading follows the classic series.");
    EXPECT_FALSE(classic.Value.Check);
}

}  // namespace
}  // namespace orvanta
