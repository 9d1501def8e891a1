// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/ZoneInForce.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace orvanta {

namespace {

constexpr std::string_view MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Ids come from the atlas, but a path out of the zone folder is never a zone.
bool PlausibleZoneId(std::string_view id)
{
    return !id.empty() && id.front() != '/' && id.find("..") == std::string_view::npos &&
           id.find('\0') == std::string_view::npos;
}

UtcOffset OffsetAt(const cctz::time_zone& zone, const cctz::time_point<cctz::seconds>& instant, double longitude)
{
    const cctz::time_zone::absolute_lookup found = zone.lookup(instant);
    const std::string abbreviation = found.abbr != nullptr ? found.abbr : "";
    // "-00" marks a time the tz database does not know (an uninhabited
    // place); the place's own mean time is the better guess there too.
    if (abbreviation == "LMT" || abbreviation == "-00") {
        return {static_cast<int>(std::lround(longitude * 240.0)), false, "LMT", true};
    }
    // Zones without a customary abbreviation are given their offset in digits.
    const bool named = !abbreviation.empty() && abbreviation.front() != '+' && abbreviation.front() != '-';
    return {found.offset, found.is_dst, named ? abbreviation : std::string(), false};
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

std::string FormatDate(const CivilDateTime& t)
{
    const std::string_view month = t.Month >= 1 && t.Month <= 12 ? MonthNames[t.Month - 1] : "?";
    return std::to_string(t.Day) + " " + std::string(month) + " " + std::to_string(t.Year);
}

std::string FormatClock(const CivilDateTime& t)
{
    return Clock(t.Hour, t.Minute, t.Second);
}

std::string WithAbbreviation(const UtcOffset& offset)
{
    std::string text = FormatUtcOffset(offset.Seconds);
    if (!offset.Abbreviation.empty() && !offset.LocalMeanTime) {
        text += " (" + offset.Abbreviation + ")";
    }
    return text;
}

std::string Caution(const CivilDateTime& local, std::string_view zoneId)
{
    if ((zoneId == "Asia/Kolkata" || zoneId == "Asia/Calcutta") && local.Year < 1955) {
        return "; caution: the tz database is approximate for India before 1955";
    }
    if (local.Year < 1970) {
        return "; caution: the tz database is approximate before 1970";
    }
    return "";
}

}  // namespace

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
    switch (found.kind) {
    case cctz::time_zone::civil_lookup::UNIQUE:
        result.Kind = LocalTimeKind::Unique;
        result.Offset = OffsetAt(zone, found.pre, longitude);
        break;
    case cctz::time_zone::civil_lookup::SKIPPED:
    case cctz::time_zone::civil_lookup::REPEATED:
        result.Kind = found.kind == cctz::time_zone::civil_lookup::SKIPPED ? LocalTimeKind::Skipped
                                                                            : LocalTimeKind::Repeated;
        result.Earlier = OffsetAt(zone, found.trans - cctz::seconds(1), longitude);
        result.Later = OffsetAt(zone, found.trans, longitude);
        break;
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

std::string DescribeZoneInForce(std::string_view place, const CivilDateTime& local, const ZoneInForce& zone,
                                std::string_view tzVersion)
{
    std::string line = std::string(place) + ": ";
    switch (zone.Kind) {
    case LocalTimeKind::Unique: {
        const UtcOffset& offset = zone.Offset;
        line += offset.LocalMeanTime ? "local mean time " : "";
        line += WithAbbreviation(offset) + " on " + FormatDate(local);
        if (offset.Seconds % 60 != 0) {
            const auto rounded = static_cast<int>(std::lround(offset.Seconds / 60.0) * 60);
            line += " (" + FormatUtcOffset(rounded).substr(3) + " to the minute)";
        }
        line += offset.Daylight ? ", daylight/war time" : "";
        break;
    }
    case LocalTimeKind::Skipped:
        line += FormatClock(local) + " on " + FormatDate(local) + " did not exist: the clocks went from " +
                WithAbbreviation(zone.Earlier) + " to " + WithAbbreviation(zone.Later);
        break;
    case LocalTimeKind::Repeated:
        line += FormatClock(local) + " on " + FormatDate(local) + " came twice: first at " +
                WithAbbreviation(zone.Earlier) + ", then at " + WithAbbreviation(zone.Later);
        break;
    case LocalTimeKind::UnknownZone:
        line += "the tz database has no zone " + zone.ZoneId;
        break;
    case LocalTimeKind::InvalidTime:
        return line + "no such date or time";
    }
    if (!tzVersion.empty()) {
        line += " \xE2\x80\x94 tz " + std::string(tzVersion);
    }
    return zone.Kind == LocalTimeKind::UnknownZone ? line : line + Caution(local, zone.ZoneId);
}

}  // namespace orvanta
