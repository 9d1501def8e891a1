// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/SignStayText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace orvanta {

namespace {

constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Format(const char* pattern, auto... values)
{
    char text[64];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    return n > 0 ? std::string(text, static_cast<std::size_t>(std::min<int>(n, sizeof text - 1))) : std::string();
}

std::string Str(std::string_view text) { return std::string(text); }

ClockTime AddSeconds(const ClockTime& time, long long seconds)
{
    return ClockTimeAt(DayNumberOf(time), SecondsIntoDay(time) + seconds);
}

// To the nearest minute, carrying into the next day where that rounds up.
ClockTime ToMinute(const ClockTime& time)
{
    return AddSeconds(time, time.Second >= 30 ? 60 - time.Second : -time.Second);
}

// Dates and times are joined by no-break spaces so a wrapped line never
// parts a day from its month or its time.
constexpr const char* kJoin = "\u00A0";

std::string HourMinute(const ClockTime& t) { return Format("%02d:%02d", t.Hour, t.Minute); }

std::string DayMonth(const ClockTime& t, bool withYear)
{
    const char* month = t.Month >= 1 && t.Month <= 12 ? kMonths[static_cast<std::size_t>(t.Month - 1)] : "?";
    return withYear ? Format("%d%s%s%s%d", t.Day, kJoin, month, kJoin, t.Year) : Format("%d%s%s", t.Day, kJoin, month);
}

bool SameDate(const ClockTime& a, const ClockTime& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

std::string Minutes(long long n) { return n == 1 ? "1 minute" : Format("%lld minutes", n); }

// "6 minutes after the recorded birth time", "less than a minute before ...".
std::string DistanceFromBirth(double minutes)
{
    if (minutes == 0.0) {
        return "at the recorded birth time";
    }
    const long long whole = std::llround(std::fabs(minutes));
    const char* side = minutes > 0 ? " after" : " before";
    return (whole == 0 ? std::string("less than a minute") : Minutes(whole)) + side + " the recorded birth time";
}

std::string QuietLine(const SignStay& stay)
{
    std::string line = "Moon in " + Str(stay.Reading.RashiName);
    std::optional<ClockTime> from, to;
    if (stay.Entered) {
        from = ToMinute(stay.Entered->Clock);
    }
    if (stay.Leaves) {
        to = ToMinute(stay.Leaves->Clock);
    }
    // The year is given only where the stay reaches into another one.
    const bool withYear = (from && from->Year != stay.Birth.Year) || (to && to->Year != stay.Birth.Year);
    if (from) {
        line += " from " + DayMonth(*from, withYear) + kJoin + HourMinute(*from);
    }
    if (to) {
        line += " to " + DayMonth(*to, withYear) + kJoin + HourMinute(*to);
    }
    return from || to ? line + " (birthplace clock)" : line;
}

// Birth times are entered to the minute: the first whole minute in the next
// sign, or the last whole minute still in the previous one.
std::string ThresholdTime(const SignStay& stay, const SignCrossing& change)
{
    const double m = change.MinutesFromBirth;
    const long long shift = m > 0 ? static_cast<long long>(std::ceil(m)) : -(static_cast<long long>(std::floor(-m)) + 1);
    const ClockTime at = AddSeconds(stay.Birth, shift * 60);
    std::string text = HourMinute(at);
    if (!SameDate(at, stay.Birth)) {
        text += std::string(kJoin) + "on" + kJoin + DayMonth(at, at.Year != stay.Birth.Year);
    }
    return text;
}

std::string NearChangeText(const SignStay& stay, const SignCrossing& change)
{
    const bool ahead = change.MinutesFromBirth > 0;
    return "The Moon entered " + Str(change.RashiAfter) + " " + DistanceFromBirth(change.MinutesFromBirth) +
           ". With a birth time of " + ThresholdTime(stay, change) + (ahead ? " or later" : " or earlier") +
           ", the rashi is " + Str(ahead ? change.RashiAfter : change.RashiBefore) + ".";
}

std::string CannotTellText(const SignStay& stay, const SignCrossing& change)
{
    return Str(change.RashiBefore) + " and " + Str(change.RashiAfter) +
           " cannot be told apart by this method: the Moon entered " + Str(change.RashiAfter) + " " +
           DistanceFromBirth(change.MinutesFromBirth) + ", within its accuracy of about " +
           Minutes(std::max(1LL, std::llround(stay.AccuracyMinutes))) +
           ". A more exact ephemeris and an exact birth time are needed.";
}

std::string GaugeSpoken(const SignStayText& text)
{
    const double whole = std::floor(text.DegreesIntoSign);
    const int minutes = std::min(59, static_cast<int>((text.DegreesIntoSign - whole) * 60.0));
    std::string spoken = Format("The Moon stands at %d\u00B0 %d' of the 30\u00B0 of ", static_cast<int>(whole), minutes) +
                         Str(text.Rashi) + ".";
    if (text.NearEnd == SignEnd::None) {
        return spoken;
    }
    const bool atEnd = text.NearEnd == SignEnd::End;
    const double gap = atEnd ? 30.0 - text.DegreesIntoSign : text.DegreesIntoSign;
    spoken += Format(" It is %.3f\u00B0 from ", gap) + Str(atEnd ? text.LaterRashi : text.EarlierRashi);
    if (text.Certainty == StayCertainty::CannotTell) {
        spoken += Format(", within this method's accuracy of %.2f\u00B0", text.AccuracyDegrees);
    }
    return spoken + ".";
}

// The change nearer the birth in time, if any was found.
const SignCrossing* NearerChange(const SignStay& stay)
{
    if (stay.Entered && stay.Leaves) {
        return -stay.Entered->MinutesFromBirth <= stay.Leaves->MinutesFromBirth ? &*stay.Entered : &*stay.Leaves;
    }
    return stay.Entered ? &*stay.Entered : stay.Leaves ? &*stay.Leaves : nullptr;
}

}  // namespace

SignStayText DescribeSignStay(const SignStay& stay)
{
    SignStayText text;
    text.DegreesIntoSign = stay.DegreesIntoSign;
    text.Rashi = stay.Reading.RashiName;
    text.EarlierRashi = RashiNameTable[static_cast<std::size_t>((stay.SignIndex + 11) % 12)].VedicName;
    text.LaterRashi = RashiNameTable[static_cast<std::size_t>((stay.SignIndex + 1) % 12)].VedicName;

    const SignCrossing* change = NearerChange(stay);
    const double distance = change != nullptr ? std::fabs(change->MinutesFromBirth) : INFINITY;
    if (distance <= stay.AccuracyMinutes) {
        text.Certainty = StayCertainty::CannotTell;
        text.Heading = "Too close to call";
        text.Text = CannotTellText(stay, *change);
    } else if (distance <= NoticeMinutes) {
        text.Certainty = StayCertainty::NearChange;
        text.Heading = "Close to a sign change";
        text.Text = NearChangeText(stay, *change);
    } else {
        text.Text = QuietLine(stay);
    }
    if (text.Certainty != StayCertainty::Settled) {
        text.NearEnd = change->MinutesFromBirth > 0 ? SignEnd::End : SignEnd::Start;
        text.Spoken = text.Heading + ": " + text.Text;
    } else {
        text.Spoken = text.Text;
    }
    text.GaugeSpoken = GaugeSpoken(text);
    return text;
}

std::optional<SignStayText> DescribeSignStayOf(const BirthRecord& record)
{
    const std::optional<SignStay> stay = FindSignStay(record);
    if (!stay || record.SelectedRashi.VedicName.empty() || stay->Reading.RashiName != record.SelectedRashi.VedicName) {
        return std::nullopt;
    }
    return DescribeSignStay(*stay);
}

}  // namespace orvanta
