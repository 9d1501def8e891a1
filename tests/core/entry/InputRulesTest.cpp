// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/InputRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/entry/PlaceSearch.h"

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
    entry.Longitude.Degrees = "99999";
    entry.Longitude.Minutes = "5";
    StoreBirthData(entry, record);
    EXPECT_EQ(record.PersonName, "Asha");
    EXPECT_EQ(record.BirthMonth, 12);
    EXPECT_EQ(record.ZoneHours, 10);
    EXPECT_EQ(record.ZoneMinutes, 30);
    EXPECT_EQ(record.LongitudeDegrees, 42);
    EXPECT_EQ(record.LongitudeMinutes, 5);
    EXPECT_EQ(record.ZoneDirection, ZoneSide::FromLongitude);  // "-" repeats the East side

    entry.Longitude.WestOrSouth = true;
    StoreBirthData(entry, record);
    EXPECT_EQ(record.ZoneDirection, ZoneSide::AheadOfUtc);
}

// 1 January 2000, 12:00, zone 0:0, 10 degrees West, 20 North: passes every check.
BirthDataEntry ValidEntry()
{
    return {.Name = "Asha", .YearText = "2000", .HourText = "12", .ZoneHour = "0", .ZoneMinute = "0",
            .Longitude = {"10", "0", true}, .Latitude = {"20", "0", false}};
}

using Change = std::function<void(BirthDataEntry&)>;

Change Set(std::string BirthDataEntry::*field, const char* text)
{
    return [=](BirthDataEntry& e) { e.*field = text; };
}

Change Set(CoordinateEntry BirthDataEntry::*coordinate, std::string CoordinateEntry::*part, const char* text)
{
    return [=](BirthDataEntry& e) { e.*coordinate.*part = text; };
}

Change Date(int monthIndex, int day, const char* year)
{
    return [=](BirthDataEntry& e) {
        e.MonthIndex = monthIndex;
        e.DayIndex = day - 1;
        e.DayText = std::to_string(day);
        e.YearText = year;
    };
}

Change Both(Change a, Change b)
{
    return [=](BirthDataEntry& e) {
        a(e);
        b(e);
    };
}

TEST(CheckBirthData, RefusesInTheOrderOfTheChecks)
{
    using E = BirthDataEntry;
    using C = CoordinateEntry;
    constexpr const char* number = "Please Enter A Valid Number";
    constexpr const char* february = "Please Enter Correct Date Or Month!";
    constexpr const char* thirtyFirst = "Please Enter Correct Date Or Month !";
    constexpr const char* zone = "Please Enter Hour and Minute of Time Zone";
    struct Case {
        const char* what;
        Change change;
        const char* message;  // null: the reading runs
        bool errorIcon;
        EntryField focus;
    };
    const Case cases[] = {
        {"blank name", Set(&E::Name, "   "), "Please Enter Name", true, EntryField::Name},
        {"name and zone empty", Both(Set(&E::Name, ""), Set(&E::ZoneHour, "")), "Please Enter Name", true,
         EntryField::Name},
        {"zone minutes empty", Set(&E::ZoneMinute, ""), zone, true, EntryField::ZoneHour},
        {"zone hours blank", Set(&E::ZoneHour, "  "), zone, true, EntryField::ZoneHour},
        {"longitude degrees", Set(&E::Longitude, &C::Degrees, ""), "Please Enter Degree of Longitude", true, EntryField::LonD},
        {"longitude minutes", Set(&E::Longitude, &C::Minutes, ""), "Please Enter Minute of Longitude", true, EntryField::LonM},
        {"latitude degrees", Set(&E::Latitude, &C::Degrees, ""), "Please Enter Degree of Latitude", true, EntryField::LatD},
        {"latitude minutes", Set(&E::Latitude, &C::Minutes, ""), "Please Enter Minute of Latitude", true, EntryField::LatM},
        {"pasted letters in zone hours", Set(&E::ZoneHour, "abc"), number, true, EntryField::ZoneHour},
        {"zone minutes too large", Set(&E::ZoneMinute, "99999"), number, true, EntryField::ZoneMinute},
        {"zone magnitude too large", Set(&E::ZoneHour, "-32768"), number, true, EntryField::ZoneHour},
        {"longitude 99999", Set(&E::Longitude, &C::Degrees, "99999"), number, true, EntryField::LonD},
        {"longitude minutes letters", Set(&E::Longitude, &C::Minutes, "1x"), number, true, EntryField::LonM},
        {"latitude degrees sign only", Set(&E::Latitude, &C::Degrees, "-"), number, true, EntryField::LatD},
        {"latitude minutes too large", Set(&E::Latitude, &C::Minutes, "40000"), number, true, EntryField::LatM},
        {"numbers checked in box order", Both(Set(&E::Latitude, &C::Minutes, "x"), Set(&E::Longitude, &C::Degrees, "y")), number, true,
         EntryField::LonD},
        {"29 February 2000", Date(1, 29, "2000"), nullptr, false, EntryField::None},
        {"29 February 2048", Date(1, 29, "2048"), nullptr, false, EntryField::None},
        {"29 February 2001", Date(1, 29, "2001"), february, false, EntryField::None},
        {"30 February 2000", Date(1, 30, "2000"), february, false, EntryField::None},
        {"31 June", Date(5, 31, "1990"), thirtyFirst, false, EntryField::None},
        {"31 November", Date(10, 31, "1990"), thirtyFirst, false, EntryField::None},
        {"31 July", Date(6, 31, "1990"), nullptr, false, EntryField::None},
        {"no upper bounds", Both(Set(&E::Longitude, &C::Degrees, "500"), Set(&E::Latitude, &C::Minutes, "75")), nullptr, false, EntryField::None},
    };
    for (const Case& c : cases) {
        BirthDataEntry entry = ValidEntry();
        c.change(entry);
        const auto failure = CheckBirthData(entry);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.what << ": " << failure->Message;
            continue;
        }
        ASSERT_TRUE(failure) << c.what;
        EXPECT_EQ(failure->Message, c.message) << c.what;
        EXPECT_EQ(failure->ErrorIcon, c.errorIcon) << c.what;
        EXPECT_EQ(failure->Focus, c.focus) << c.what;
    }
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
