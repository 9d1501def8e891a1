#include "entry/InputRules.h"

#include <gtest/gtest.h>

#include "entry/PlaceSearch.h"

namespace orvanta {
namespace {

TEST(ConvertToInt16, TakesTheNearestIntegerWithinSixteenBits)
{
    struct Case {
        const char* text;
        std::optional<std::int16_t> expected;
    };
    const Case cases[] = {
        {"0", 0},         {"77", 77},         {"  13 ", 13},     {"-10", -10},       {"+7", 7},
        {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},      {"0.4999", 0},      {"1e2", 100},
        {".5", 0},        {"32767", 32767},   {"-32768", -32768}, {"32767.5", std::nullopt},
        {"99999", std::nullopt}, {"-32769", std::nullopt}, {"", std::nullopt}, {"   ", std::nullopt},
        {"abc", std::nullopt},   {"1x", std::nullopt},     {"--1", std::nullopt}, {"1e", std::nullopt},
        {"1e400", std::nullopt}, {".", std::nullopt},      {"1 2", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertToInt16(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumericKeyFilter, PassesDigitsAndBackspaceOnly)
{
    for (int code = 0; code < 256; ++code) {
        const bool passes = (code >= '0' && code <= '9') || code == 8;
        EXPECT_EQ(NumericKeyFilter(static_cast<std::int16_t>(code)), passes ? code : 0) << code;
    }
    EXPECT_EQ(NumericKeyFilter(32767), 0);
}

TEST(StoreBirthData, KeepsFieldsWhoseTextDoesNotConvert)
{
    BirthRecord record;
    record.LongitudeDegrees = 42;
    BirthDataEntry entry;
    entry.Name = "  Asha ";
    entry.MonthIndex = 11;
    entry.ZoneHour = "-10";
    entry.ZoneMinute = "-30";
    entry.LonD = "99999";
    entry.LonM = "5";
    StoreBirthData(entry, record);
    EXPECT_EQ(record.PersonName, "Asha");
    EXPECT_EQ(record.BirthMonth, 12);
    EXPECT_EQ(record.ZoneHours, 10);
    EXPECT_EQ(record.ZoneMinutes, 30);
    EXPECT_EQ(record.LongitudeDegrees, 42);
    EXPECT_EQ(record.LongitudeMinutes, 5);
    EXPECT_EQ(record.ZoneDirection, ZoneSide::FromLongitude);  // "-" repeats the East side

    entry.East = false;
    StoreBirthData(entry, record);
    EXPECT_EQ(record.ZoneDirection, ZoneSide::AheadOfUtc);
}

TEST(ZoneSideOfTexts, AnExplicitSignDecidesHourFirst)
{
    struct Case {
        const char* hour;
        const char* minute;
        ZoneSide side;
    };
    const Case cases[] = {
        {"-5", "-30", ZoneSide::AheadOfUtc},   {"10", "30", ZoneSide::FromLongitude},
        {"+5", "+0", ZoneSide::BehindUtc},     {"-0", "-40", ZoneSide::AheadOfUtc},
        {"0", "-30", ZoneSide::AheadOfUtc},    {"5", "+30", ZoneSide::BehindUtc},
        {"+5", "-30", ZoneSide::BehindUtc},    {"  -1 ", "0", ZoneSide::AheadOfUtc},
        {"", "", ZoneSide::FromLongitude},     {"5.5", "0", ZoneSide::FromLongitude},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoneSideOfTexts(c.hour, c.minute), c.side) << c.hour << " / " << c.minute;
    }
}

TEST(PlaceSearch, QueryKeepsTheTextsAsTypedAndTheAddressEncodesThem)
{
    const std::string query = BuildPlaceQuery(" New Delhi", "Delhi", "India ");
    EXPECT_EQ(query, " New Delhi Delhi India  Latitude Longitude");
    EXPECT_EQ(PlaceSearchAddress("S\xC3\xA3o Paulo & co/x"),
              "https://www.openstreetmap.org/search?query=S%C3%A3o%20Paulo%20%26%20co%2Fx");
}

}  // namespace
}  // namespace orvanta
