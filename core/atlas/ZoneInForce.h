// SPDX-License-Identifier: GPL-3.0-or-later
// The UTC offset in force at a place at a local civil date and time, from
// the system's tz database: one offset, or the two around a change of the
// clocks when that clock time was skipped or came twice. Before a zone's
// standard time the place's own local mean time stands in for the tz
// database's, which belongs to the zone's reference city, and decides which
// clock times that change skipped or repeated.
#pragma once

#include <string>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

struct CivilDateTime {
    int Year = 2000;
    int Month = 1;   // 1-12
    int Day = 1;     // 1-31
    int Hour = 0;    // 0-23
    int Minute = 0;  // 0-59
    int Second = 0;  // 0-59
};

struct UtcOffset {
    int Seconds = 0;             // east of Greenwich positive
    // Summer or war time: ahead of the standard time it alternates with. The
    // tz database marks Irish winter time instead, as Ireland's law counts
    // summer time standard; that is turned round here.
    bool Daylight = false;
    std::string Abbreviation;    // "EDT", "BDST", "LMT"; empty where the tz database has only digits
    bool LocalMeanTime = false;  // the place's own mean time, from its longitude

    bool operator==(const UtcOffset&) const = default;
};

enum class LocalTimeKind {
    Unique,       // Offset holds the one offset
    Skipped,      // the clocks jumped over this time: Earlier and Later are the offsets around the jump
    Repeated,     // the clocks went back over it: it happened first at Earlier, then at Later
    UnknownZone,  // the tz database has no such zone
    InvalidTime,  // no such date or time of day
};

struct ZoneInForce {
    LocalTimeKind Kind = LocalTimeKind::UnknownZone;
    std::string ZoneId;
    UtcOffset Offset;   // Unique only
    UtcOffset Earlier;  // Skipped and Repeated: the offset before the change
    UtcOffset Later;    // Skipped and Repeated: the offset after it
};

// `longitude` (degrees, east positive) gives local mean time, 4 minutes a
// degree, where the tz database answers with its own.
ZoneInForce ResolveZone(std::string_view zoneId, const CivilDateTime& local, double longitude);

// The version of the tz database in `zoneinfoFolder` ("2025b"), from its
// tzdata.zi; empty when it cannot be told. Without a folder: $TZDIR, else
// /usr/share/zoneinfo.
std::string TzDatabaseVersion();
std::string TzDatabaseVersion(std::string_view zoneinfoFolder);

// The two zone-box texts for an offset, rounded to the nearest minute. The
// boxes count the other way from UTC offsets and always carry a sign, the
// minutes the same as the hours: UTC+06:30 is "-6"/"-30", UTC-05:00 is
// "+5"/"+0", UTC+00:40 is "-0"/"-40".
struct ZoneBoxTexts {
    std::string Hours;
    std::string Minutes;

    bool operator==(const ZoneBoxTexts&) const = default;
};
ZoneBoxTexts ZoneBoxTextsFor(int offsetSeconds);

// "UTC+06:30", "UTC-04:00", "UTC+00:39:58" (seconds only where there are any).
std::string FormatUtcOffset(int offsetSeconds);

// One line saying what was used, for the place at that time, e.g.
// "Kolkata: UTC+06:30 on 15 Jun 1943, daylight/war time — tz 2025b", with
// a caution where the tz database is known to be approximate (before 1970;
// India before 1955).
UiText DescribeZoneInForce(std::string_view place, const CivilDateTime& local, const ZoneInForce& zone,
                           std::string_view tzVersion);

// The same line for a date or time that does not exist: "Mumbai: no such
// date or time".
UiText NoSuchDateOrTimeLine(std::string_view place);

}  // namespace orvanta
