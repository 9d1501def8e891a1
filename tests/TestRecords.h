// SPDX-License-Identifier: GPL-3.0-or-later
// Birth records the tests share.
#pragma once

#include <cstdint>

#include <string>

#include "core/common/BirthRecord.h"
#include "core/entry/BirthDataEntry.h"
#include "core/reading/Reading.h"

namespace orvanta::testing {

// A birth at 10 degrees of longitude on the given side, zone and daylight
// saving; latitude and name left empty.
inline BirthRecord Birth(int day, int month, int year, int hour, int minute, int zoneHours = 0, int zoneMinutes = 0,
                         bool east = false, bool dst = false, ZoneSide side = ZoneSide::FromLongitude)
{
    BirthRecord r;
    r.BirthDay = static_cast<std::int16_t>(day);
    r.BirthMonth = static_cast<std::int16_t>(month);
    r.BirthYear = static_cast<std::int16_t>(year);
    r.BirthHour = static_cast<std::int16_t>(hour);
    r.BirthMinute = static_cast<std::int16_t>(minute);
    r.ZoneHours = static_cast<std::int16_t>(zoneHours);
    r.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
    r.LongitudeDegrees = 10;
    r.LongitudeEast = east;
    r.DaylightSaving = dst;
    r.ZoneDirection = side;
    return r;
}

// Ravi, 12 March 1975, 7:05, 77 degrees 13 minutes East, 28 degrees 39
// minutes North, zone 5:30, no daylight saving.
inline BirthRecord Ravi()
{
    BirthRecord r;
    r.PersonName = "Ravi";
    r.BirthMonth = 3, r.BirthDay = 12, r.BirthYear = 1975, r.BirthHour = 7, r.BirthMinute = 5;
    r.ZoneHours = 5, r.ZoneMinutes = 30;
    r.LongitudeDegrees = 77, r.LongitudeMinutes = 13, r.LatitudeDegrees = 28, r.LatitudeMinutes = 39;
    r.LongitudeEast = true;
    return r;
}

// The entry of a birth on the given date and time, zone 0:00, 10 degrees
// West, 50 North, named Asha; by default the first worked birth, 1 January
// 2000, 12:00 (Thula).
inline BirthDataEntry EntryOfBirth(int day = 1, int month = 1, int year = 2000, int hour = 12, int minute = 0)
{
    BirthDataEntry e;
    e.Name = "Asha";
    e.MonthIndex = month - 1;
    e.DayIndex = day - 1;
    e.DayText = std::to_string(day);
    e.YearText = std::to_string(year);
    e.HourText = std::to_string(hour);
    e.MinuteText = std::to_string(minute);
    e.ZoneHour = "0";
    e.ZoneMinute = "0";
    e.Longitude = {"10", "0", true};
    e.Latitude = {"50", "0", false};
    return e;
}

// A reading that shows the record's selected rashi and nothing computed, for
// the windows that take a reading.
inline Reading ReadingShowing(const BirthRecord& record)
{
    Reading reading;
    reading.Rashi = record.SelectedRashi;
    return reading;
}

}  // namespace orvanta::testing
