// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/Reading.h"

#include <gtest/gtest.h>

#include "core/reading/RashiCatalogue.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

// 1 January 2000, 12:00, zone 0:00, west: Thula; the name with blanks.
BirthDataEntry FirstWorkedBirth()
{
    BirthDataEntry e = testing::EntryOfBirth();
    e.Name = " Asha ";
    return e;
}

TEST(ComposeReading, StoresTheEntryAndComposesEveryPartFromIt)
{
    BirthRecord record;
    const ComposedReading composed = ComposeReading(FirstWorkedBirth(), record);
    ASSERT_FALSE(composed.Refusal);
    const Reading& reading = composed.Value;
    EXPECT_EQ(record.PersonName, "Asha");
    EXPECT_EQ(record.RashiName, "Thula");
    EXPECT_EQ(reading.Rashi, record.SelectedRashi);
    EXPECT_EQ(reading.Rashi.VedicName, "Thula");
    EXPECT_NEAR(reading.Moon.MoonLongitude, 199.4624, 1e-4);
    ASSERT_TRUE(reading.SignStay);
    EXPECT_EQ(reading.SignStay->Rashi, "Thula");
}

TEST(ComposeReading, ARefusedEntryStoresNothing)
{
    BirthRecord record = testing::Ravi();
    ComposeReading(record);
    const BirthRecord before = record;
    BirthDataEntry entry = FirstWorkedBirth();
    entry.ZoneMinute = " ";
    const ComposedReading composed = ComposeReading(entry, record);
    ASSERT_TRUE(composed.Refusal);
    EXPECT_EQ(composed.Refusal->Focus, EntryField::ZoneHour);
    EXPECT_EQ(record, before);
}

// Birth data that name no sign keep the earlier rashi, which the reading
// then shows, without a stay or a nakshatra that its birth data do not give. Far outside
// the offered years the ayanamsa turns positive and such moments exist.
TEST(ComposeReading, NoSignKeepsTheEarlierRashiWithoutAStay)
{
    BirthRecord record = testing::Ravi();
    const Reading first = ComposeReading(record);
    record.BirthYear = 100;
    for (int hour = 0; hour < 24 * 60 && ComputeMoonPosition(record).MoonLongitude < 360.0; ++hour) {
        record.BirthDay = static_cast<std::int16_t>(1 + hour / 24);
        record.BirthHour = static_cast<std::int16_t>(hour % 24);
    }
    const Reading second = ComposeReading(record);
    ASSERT_TRUE(second.Moon.RashiName.empty());
    EXPECT_EQ(second.Rashi, first.Rashi);
    EXPECT_EQ(record.RashiName, first.Moon.RashiName);
    EXPECT_FALSE(second.SignStay);
    EXPECT_FALSE(second.Nakshatra);
    EXPECT_FALSE(second.NakshatraLines);
    EXPECT_TRUE(first.SignStay && first.Nakshatra && first.NakshatraLines);
}

}  // namespace
}  // namespace orvanta
