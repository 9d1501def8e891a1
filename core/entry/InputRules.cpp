// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/InputRules.h"

#include <cstdlib>

namespace orvanta {

std::int16_t NumericKeyFilter(std::int16_t keyCode)
{
    const bool digit = keyCode >= 48 && keyCode <= 57;
    return digit || keyCode == 8 ? keyCode : std::int16_t{0};
}

ZoneSide ZoneSideOfTexts(std::string_view hourText, std::string_view minuteText)
{
    for (const std::string_view text : {TrimBlanks(hourText), TrimBlanks(minuteText)}) {
        if (text.starts_with('-')) {
            return ZoneSide::AheadOfUtc;
        }
        if (text.starts_with('+')) {
            return ZoneSide::BehindUtc;
        }
    }
    return ZoneSide::FromLongitude;
}

namespace {

bool IsBlank(std::string_view text)
{
    return TrimBlanks(text).empty();
}

// A zone box also needs its magnitude to fit, since the record keeps that.
bool IsZoneNumber(std::string_view text)
{
    const auto value = ConvertToInt16(text);
    return value && *value != -32768;
}

bool IsNumber(std::string_view text)
{
    return ConvertToInt16(text).has_value();
}

}  // namespace

std::optional<ValidationFailure> CheckBirthData(const BirthDataEntry& e)
{
    if (IsBlank(e.Name)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Name"), true, EntryField::Name};
    }
    if (IsBlank(e.ZoneHour) || IsBlank(e.ZoneMinute)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Hour and Minute of Time Zone"), true, EntryField::ZoneHour};
    }
    if (IsBlank(e.Longitude.Degrees)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Degree of Longitude"), true, EntryField::LonD};
    }
    if (IsBlank(e.Longitude.Minutes)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Minute of Longitude"), true, EntryField::LonM};
    }
    if (IsBlank(e.Latitude.Degrees)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Degree of Latitude"), true, EntryField::LatD};
    }
    if (IsBlank(e.Latitude.Minutes)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Minute of Latitude"), true, EntryField::LatM};
    }

    // A number that does not convert would otherwise be skipped silently and
    // the reading computed from the previous reading's value.
    constexpr std::string_view invalidNumber = ORVANTA_TR_TEXT("Entry", "Please Enter A Valid Number");
    const struct {
        const std::string& text;
        bool zone;
        EntryField field;
    } numbers[] = {
        {e.ZoneHour, true, EntryField::ZoneHour}, {e.ZoneMinute, true, EntryField::ZoneMinute},
        {e.Longitude.Degrees, false, EntryField::LonD},        {e.Longitude.Minutes, false, EntryField::LonM},
        {e.Latitude.Degrees, false, EntryField::LatD},        {e.Latitude.Minutes, false, EntryField::LatM},
    };
    for (const auto& n : numbers) {
        if (!(n.zone ? IsZoneNumber(n.text) : IsNumber(n.text))) {
            return ValidationFailure{invalidNumber, true, n.field};
        }
    }

    // Every year the window offers is a leap year exactly when divisible by 4.
    const int year = ConvertToInt16(e.YearText).value_or(0);
    const bool leap = year % 4 == 0;
    if (e.MonthIndex == 1 && e.DayIndex >= (leap ? 29 : 28)) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Correct Date Or Month!"), false, EntryField::None};
    }
    const bool shortMonth = e.MonthIndex == 3 || e.MonthIndex == 5 || e.MonthIndex == 8 || e.MonthIndex == 10;
    if (shortMonth && e.DayIndex == 30) {
        return ValidationFailure{ORVANTA_TR_TEXT("Entry", "Please Enter Correct Date Or Month !"), false, EntryField::None};
    }
    return std::nullopt;
}

namespace {

void StoreNumber(std::string_view text, std::int16_t& field)
{
    if (const auto value = ConvertToInt16(text)) {
        field = *value;
    }
}

void StoreMagnitude(std::string_view text, std::int16_t& field)
{
    const auto value = ConvertToInt16(text);
    if (value && *value != -32768) {
        field = static_cast<std::int16_t>(std::abs(*value));
    }
}

}  // namespace

void StoreBirthData(const BirthDataEntry& e, BirthRecord& r)
{
    r.PersonName = std::string(TrimBlanks(e.Name));
    r.BirthMonth = static_cast<std::int16_t>(e.MonthIndex + 1);
    StoreNumber(e.DayText, r.BirthDay);
    StoreNumber(e.YearText, r.BirthYear);
    StoreMagnitude(e.ZoneHour, r.ZoneHours);
    StoreMagnitude(e.ZoneMinute, r.ZoneMinutes);
    StoreNumber(e.HourText, r.BirthHour);
    StoreNumber(e.MinuteText, r.BirthMinute);
    StoreNumber(e.Longitude.Degrees, r.LongitudeDegrees);
    StoreNumber(e.Longitude.Minutes, r.LongitudeMinutes);
    StoreNumber(e.Latitude.Degrees, r.LatitudeDegrees);
    StoreNumber(e.Latitude.Minutes, r.LatitudeMinutes);
    r.DaylightSaving = e.DaylightSaving;
    r.LongitudeEast = !e.Longitude.WestOrSouth;
    r.LatitudeSouth = e.Latitude.WestOrSouth;
    // A sign that only repeats the longitude's side adds nothing; the record
    // keeps one only where it changes the reading, as the file does.
    r.ZoneDirection = ZoneSideOfTexts(e.ZoneHour, e.ZoneMinute);
    if (r.ZoneDirection != ZoneSide::FromLongitude && (r.ZoneDirection == ZoneSide::AheadOfUtc) == PlaceIsEast(r)) {
        r.ZoneDirection = ZoneSide::FromLongitude;
    }
}

}  // namespace orvanta
