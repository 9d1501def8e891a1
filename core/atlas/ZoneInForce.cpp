// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/ZoneInForce.h"

#include "core/common/Calendar.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

namespace orvanta {

namespace {

using Instant = cctz::time_point<cctz::seconds>;
using Found = cctz::time_zone::absolute_lookup;

constexpr const char* Context = "ZoneInForce";


// Changes that keep the offset (a new abbreviation, the daylight mark
// alone) are stepped over when looking for the offset next door; a few are
// enough, as no zone has more in a row.
constexpr int MaxChangesKeepingTheOffset = 8;

// Ids come from the atlas, but a path out of the zone folder is never a zone.
bool PlausibleZoneId(std::string_view id)
{
    return !id.empty() && id.front() != '/' && id.find("..") == std::string_view::npos &&
           id.find('\0') == std::string_view::npos;
}

// "-00" marks a time the tz database does not know (an uninhabited place);
// the place's own mean time is the better guess there too.
bool IsMeanTime(const Found& found)
{
    return found.abbr != nullptr && (std::strcmp(found.abbr, "LMT") == 0 || std::strcmp(found.abbr, "-00") == 0);
}

// 4 minutes a degree; a longitude that is no longitude counts as Greenwich.
int MeanTimeOffset(double longitude)
{
    return std::isfinite(longitude) ? static_cast<int>(std::lround(std::clamp(longitude, -180.0, 180.0) * 240.0)) : 0;
}

// The offset in force just before the stretch of time that holds `instant`
// began (or just after it ends), the first that differs from its own.
std::optional<Found> Neighbour(const cctz::time_zone& zone, Instant instant, bool after)
{
    const int offset = zone.lookup(instant).offset;
    Instant from = instant;
    for (int i = 0; i < MaxChangesKeepingTheOffset; ++i) {
        cctz::time_zone::civil_transition change;
        if (!(after ? zone.next_transition(from, &change) : zone.prev_transition(from, &change))) {
            return std::nullopt;
        }
        const Instant at = zone.lookup(change.to).trans;
        const Found beyond = zone.lookup(after ? at : at - cctz::seconds(1));
        if (beyond.offset != offset) {
            return beyond;
        }
        from = at;
    }
    return std::nullopt;
}

// Daylight time is ahead of the standard time it alternates with. The tz
// database marks the lower of the two where a country's law calls the
// higher one standard (Irish winter time, Morocco's Ramadan time): there the
// marked offset is behind both its neighbours, and the unmarked one between
// two such is the summer time.
bool IsDaylight(const cctz::time_zone& zone, Instant instant, const Found& found)
{
    const auto before = Neighbour(zone, instant, false);
    if (found.is_dst) {
        if (before && before->offset < found.offset) {
            return true;
        }
        const auto after = Neighbour(zone, instant, true);
        return (after && after->offset < found.offset) || (!before && !after);
    }
    const auto lowerMarked = [&](const std::optional<Found>& next) {
        return next && next->is_dst && next->offset < found.offset;
    };
    return lowerMarked(before) && lowerMarked(Neighbour(zone, instant, true));
}

UtcOffset OffsetAt(const cctz::time_zone& zone, Instant instant, double longitude)
{
    const Found found = zone.lookup(instant);
    if (IsMeanTime(found)) {
        return {MeanTimeOffset(longitude), false, "LMT", true};
    }
    // Zones without a customary abbreviation are given their offset in digits.
    const std::string abbreviation = found.abbr != nullptr ? found.abbr : "";
    const bool named = !abbreviation.empty() && abbreviation.front() != '+' && abbreviation.front() != '-';
    return {found.offset, IsDaylight(zone, instant, found), named ? abbreviation : std::string(), false};
}

// The instants whose clock at the place read `civil`, earliest first: the
// zone's own once its mean time had ended, and before that the place's own
// mean time, never the reference city's.
std::vector<Instant> InstantsOf(const cctz::time_zone& zone, const cctz::time_zone::civil_lookup& found,
                                Instant asMeanTime)
{
    std::vector<Instant> instants;
    const auto keep = [&](Instant instant) {
        if (!IsMeanTime(zone.lookup(instant))) {
            instants.push_back(instant);
        }
    };
    if (found.kind == cctz::time_zone::civil_lookup::UNIQUE) {
        keep(found.pre);
    } else if (found.kind == cctz::time_zone::civil_lookup::REPEATED) {
        keep(found.pre);
        keep(found.post);
    }
    if (IsMeanTime(zone.lookup(asMeanTime))) {
        instants.push_back(asMeanTime);
    }
    std::sort(instants.begin(), instants.end());
    return instants;
}

// "HH:MM", or "HH:MM:SS" where there are seconds.
std::string Clock(int hours, int minutes, int seconds)
{
    char text[32];
    if (seconds != 0) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d", hours, minutes);
    }
    return text;
}

UiText FormatDate(const CivilDateTime& t)
{
    return DateText({t.Year, t.Month, t.Day}, true);
}

UiText FormatClock(const CivilDateTime& t)
{
    return Verbatim(Clock(t.Hour, t.Minute, t.Second));
}

UiText WithAbbreviation(const UtcOffset& offset)
{
    std::string text = FormatUtcOffset(offset.Seconds);
    if (!offset.Abbreviation.empty() && !offset.LocalMeanTime) {
        text += " (" + offset.Abbreviation + ")";
    }
    return Verbatim(text);
}

UiText UniqueOffset(const CivilDateTime& local, const UtcOffset& offset)
{
    UiText text = offset.LocalMeanTime
                      //: The zone line under the time zone's boxes says what the atlas used: %1 the offset
                      //: from UTC of the place's own mean time ("UTC+05:21:10"), %2 the date of birth.
                      ? Compose(ORVANTA_TR("ZoneInForce", "local mean time %1 on %2"),
                                {WithAbbreviation(offset), FormatDate(local)})
                      //: %1 the offset from UTC in force ("UTC+05:30 (IST)"), %2 the date of birth ("10 Mar
                      //: 1975").
                      : Compose(ORVANTA_TR("ZoneInForce", "%1 on %2"), {WithAbbreviation(offset), FormatDate(local)});
    if (offset.Seconds % 60 != 0) {
        const auto rounded = static_cast<int>(std::lround(offset.Seconds / 60.0) * 60);
        //: %1 the text above, %2 its offset rounded to the minute ("+05:21"), as the zone's boxes take it.
        text = Compose(ORVANTA_TR("ZoneInForce", "%1 (%2 to the minute)"),
                       {std::move(text), Verbatim(FormatUtcOffset(rounded).substr(3))});
    }
    if (offset.Daylight) {
        //: %1 the text above, where the offset is one of daylight saving or war time.
        text = Compose(ORVANTA_TR("ZoneInForce", "%1, daylight/war time"), {std::move(text)});
    }
    return text;
}

UiText WhatWasUsed(const CivilDateTime& local, const ZoneInForce& zone)
{
    switch (zone.Kind) {
    case LocalTimeKind::Unique:
        return UniqueOffset(local, zone.Offset);
    case LocalTimeKind::Skipped:
        //: The clocks were put forward: %1 the clock time of birth ("02:30"), %2 the date, %3 and %4 the
        //: offsets before and after.
        return Compose(ORVANTA_TR("ZoneInForce", "%1 on %2 did not exist: the clocks went from %3 to %4"),
                       {FormatClock(local), FormatDate(local), WithAbbreviation(zone.Earlier),
                        WithAbbreviation(zone.Later)});
    case LocalTimeKind::Repeated:
        //: The clocks were put back: %1 the clock time of birth, %2 the date, %3 and %4 the offsets of the
        //: two times it came.
        return Compose(ORVANTA_TR("ZoneInForce", "%1 on %2 came twice: first at %3, then at %4"),
                       {FormatClock(local), FormatDate(local), WithAbbreviation(zone.Earlier),
                        WithAbbreviation(zone.Later)});
    case LocalTimeKind::UnknownZone:
        //: %1 a zone's name in the tz database ("Asia/Kolkata"); "tz" is that database's name.
        return Compose(ORVANTA_TR("ZoneInForce", "the tz database has no zone %1"), {Verbatim(zone.ZoneId)});
    case LocalTimeKind::InvalidTime:
        break;
    }
    return Compose(ORVANTA_TR("ZoneInForce", "no such date or time"));
}

UiText PlaceLine(std::string_view place, UiText what)
{
    //: The zone line: %1 the place's name, %2 what was used for it.
    return Compose(ORVANTA_TR("ZoneInForce", "%1: %2"), {Verbatim(std::string(place)), std::move(what)});
}

UiText WithCaution(UiText line, const CivilDateTime& local, std::string_view zoneId)
{
    if ((zoneId == "Asia/Kolkata" || zoneId == "Asia/Calcutta") && local.Year < 1955) {
        //: %1 the zone line, followed by a caution about its source for old dates.
        return Compose(ORVANTA_TR("ZoneInForce", "%1; caution: the tz database is approximate for India before 1955"),
                       {std::move(line)});
    }
    if (local.Year < 1970) {
        //: %1 the zone line, followed by a caution about its source for old dates.
        return Compose(ORVANTA_TR("ZoneInForce", "%1; caution: the tz database is approximate before 1970"),
                       {std::move(line)});
    }
    return line;
}

}  // namespace

UiText NoSuchDateOrTimeLine(std::string_view place)
{
    ZoneInForce invalid;
    invalid.Kind = LocalTimeKind::InvalidTime;
    return PlaceLine(place, WhatWasUsed({}, invalid));
}

ZoneInForce ResolveZone(std::string_view zoneId, const CivilDateTime& local, double longitude)
{
    ZoneInForce result;
    result.ZoneId = std::string(zoneId);
    cctz::time_zone zone;
    if (!PlausibleZoneId(zoneId) || !cctz::load_time_zone(result.ZoneId, &zone)) {
        result.Kind = LocalTimeKind::UnknownZone;
        return result;
    }
    // cctz rolls 31 June over into 1 July; such a date is refused instead.
    const cctz::civil_second civil(local.Year, local.Month, local.Day, local.Hour, local.Minute, local.Second);
    if (civil.year() != local.Year || civil.month() != local.Month || civil.day() != local.Day ||
        civil.hour() != local.Hour || civil.minute() != local.Minute || civil.second() != local.Second) {
        result.Kind = LocalTimeKind::InvalidTime;
        return result;
    }
    const cctz::time_zone::civil_lookup found = zone.lookup(civil);
    const Instant asMeanTime =
        cctz::convert(civil, cctz::utc_time_zone()) - cctz::seconds(MeanTimeOffset(longitude));
    const std::vector<Instant> instants = InstantsOf(zone, found, asMeanTime);
    if (instants.size() == 1) {
        result.Kind = LocalTimeKind::Unique;
        result.Offset = OffsetAt(zone, instants.front(), longitude);
    } else if (instants.size() > 1) {
        result.Kind = LocalTimeKind::Repeated;
        result.Earlier = OffsetAt(zone, instants.front(), longitude);
        result.Later = OffsetAt(zone, instants.back(), longitude);
    } else if (found.kind == cctz::time_zone::civil_lookup::SKIPPED &&
               !IsMeanTime(zone.lookup(found.trans - cctz::seconds(1)))) {
        result.Kind = LocalTimeKind::Skipped;
        result.Earlier = OffsetAt(zone, found.trans - cctz::seconds(1), longitude);
        result.Later = OffsetAt(zone, found.trans, longitude);
    } else {
        // Skipped when the place's mean time ended: the clock read this time
        // neither before (it was already past it) nor after.
        result.Kind = LocalTimeKind::Skipped;
        result.Earlier = {MeanTimeOffset(longitude), false, "LMT", true};
        result.Later = OffsetAt(zone, asMeanTime, longitude);
    }
    return result;
}

std::string TzDatabaseVersion()
{
    const char* folder = std::getenv("TZDIR");
    return TzDatabaseVersion(folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo");
}

std::string TzDatabaseVersion(std::string_view zoneinfoFolder)
{
    std::ifstream file(std::string(zoneinfoFolder) + "/tzdata.zi");
    std::string line;
    constexpr std::string_view Prefix = "# version ";
    if (!std::getline(file, line) || line.rfind(Prefix, 0) != 0) {
        return {};
    }
    std::string version = line.substr(Prefix.size());
    while (!version.empty() && std::isspace(static_cast<unsigned char>(version.back()))) {
        version.pop_back();
    }
    return version;
}

ZoneBoxTexts ZoneBoxTextsFor(int offsetSeconds)
{
    const long minutes = std::lround(offsetSeconds / 60.0);
    const std::string sign = minutes > 0 ? "-" : "+";
    const long magnitude = std::labs(minutes);
    return {sign + std::to_string(magnitude / 60), sign + std::to_string(magnitude % 60)};
}

std::string FormatUtcOffset(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    return std::string("UTC") + (offsetSeconds < 0 ? "-" : "+") +
           Clock(magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
}

UiText DescribeZoneInForce(std::string_view place, const CivilDateTime& local, const ZoneInForce& zone,
                           std::string_view tzVersion)
{
    UiText line = PlaceLine(place, WhatWasUsed(local, zone));
    if (zone.Kind == LocalTimeKind::InvalidTime) {
        return line;
    }
    if (!tzVersion.empty()) {
        //: %1 the zone line, %2 the version of the tz database ("2024a").
        line = Compose(ORVANTA_TR("ZoneInForce", "%1 \xE2\x80\x94 tz %2"),
                       {std::move(line), Verbatim(std::string(tzVersion))});
    }
    return zone.Kind == LocalTimeKind::UnknownZone ? line : WithCaution(std::move(line), local, zone.ZoneId);
}

}  // namespace orvanta
