// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/PlaceChoice.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(RoundToMinutes, RoundsTheMagnitudeAndCarriesIntoTheDegree)
{
    struct Case {
        double degrees;
        DegreesMinutes expected;
    };
    const Case cases[] = {
        {88.3697, {88, 22, false}}, {-46.6333, {46, 38, true}}, {9.99, {9, 59, false}},
        {9.9999, {10, 0, false}},   {-0.0001, {0, 0, false}},   {0.0, {0, 0, false}},
        {-179.99, {179, 59, true}}, {51.5085, {51, 31, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToMinutes(c.degrees), c.expected) << c.degrees;
    }
}

TEST(PlaceInputsFor, SidesComeFromTheSigns)
{
    const PlaceHit saoPaulo{.Name = "S\u00E3o Paulo", .Region = "S\u00E3o Paulo", .Country = "Brazil",
                            .Latitude = -23.5475, .Longitude = -46.63611, .ZoneId = "America/Sao_Paulo"};
    const PlaceInputs inputs = PlaceInputsFor(saoPaulo);
    EXPECT_EQ(inputs, (PlaceInputs{"S\u00E3o Paulo", "S\u00E3o Paulo", "Brazil", {"46", "38", true}, {"23", "33", true}}));
}

TEST(ZoneFillFor, ARepeatedClockTimeOffersBothOccurrencesInOrder)
{
    const PlaceHit newYork{.Name = "New York City", .Longitude = -74.00597, .ZoneId = "America/New_York"};
    BirthDataEntry entry{.MonthIndex = 10, .DayIndex = 6, .DayText = "7", .YearText = "2021", .HourText = "1",
                         .MinuteText = "30"};
    const ZoneFill fill = ZoneFillFor(newYork, entry, "2025b");
    ASSERT_EQ(fill.Result, ZoneFill::Outcome::NeedsChoice);
    ASSERT_EQ(fill.Options.size(), 2u);
    EXPECT_EQ(English(fill.Options[0].Label), "the first, UTC-04:00 EDT");
    EXPECT_EQ(fill.Options[0].Boxes, (ZoneBoxTexts{"+4", "+0"}));
    EXPECT_EQ(English(fill.Options[1].Label), "the second, UTC-05:00 EST");
    EXPECT_EQ(fill.Options[1].Boxes, (ZoneBoxTexts{"+5", "+0"}));
    EXPECT_EQ(English(fill.Options[1].Line),
              "New York City: UTC-05:00 (EST) on 7 Nov 2021 \u2014 tz 2025b (chosen)");

    entry.DayText = "31";  // 31 November: nothing to fill
    entry.DayIndex = 30;
    const ZoneFill none = ZoneFillFor(newYork, entry, "2025b");
    EXPECT_EQ(none.Result, ZoneFill::Outcome::NotFilled);
    EXPECT_EQ(English(none.Line), "New York City: no such date or time");
}

}  // namespace
}  // namespace orvanta
