// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/StayText.h"

#include "core/common/Calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace orvanta {

namespace {


UiText Number(long long value) { return Verbatim(std::to_string(value)); }

UiText TwoDigits(int value)
{
    const std::string digits = std::to_string(value);
    return Verbatim(digits.size() < 2 ? "0" + digits : digits);
}

ClockTime AddSeconds(const ClockTime& time, long long seconds)
{
    return ClockTimeAt(DayNumberOf(time), SecondsIntoDay(time) + seconds);
}

bool SameDate(const ClockTime& a, const ClockTime& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

// Dates and times are joined by no-break spaces so a wrapped line never
// parts a day from its month or its time.
UiText DateAndTime(const ClockTime& time, bool withYear)
{
    return Compose(ORVANTA_TR("MoonStay", "%1\u00A0%2"), {DayMonth(time, withYear), HourMinute(time)});
}

}  // namespace

StayCertainty CertaintyAt(double minutesAway, double accuracyMinutes)
{
    if (minutesAway <= accuracyMinutes) {
        return StayCertainty::CannotTell;
    }
    return minutesAway <= NoticeMinutes ? StayCertainty::NearChange : StayCertainty::Settled;
}

ClockTime ToMinute(const ClockTime& time)
{
    return AddSeconds(time, time.Second >= 30 ? 60 - time.Second : -time.Second);
}

UiText DayMonth(const ClockTime& time, bool withYear)
{
    const UiText month = MonthAbbreviation(time.Month);
    if (withYear) {
        return Compose(ORVANTA_TR("MoonStay", "%1\u00A0%2\u00A0%3"), {Number(time.Day), month, Number(time.Year)});
    }
    return Compose(ORVANTA_TR("MoonStay", "%1\u00A0%2"), {Number(time.Day), month});
}

UiText HourMinute(const ClockTime& time)
{
    return Compose(ORVANTA_TR("MoonStay", "%1:%2"), {TwoDigits(time.Hour), TwoDigits(time.Minute)});
}

UiText MinutesText(long long minutes)
{
    return minutes == 1 ? Compose(ORVANTA_TR("MoonStay", "1 minute"))
                        : Compose(ORVANTA_TR("MoonStay", "%1 minutes"), {Number(minutes)});
}

UiText AccuracyText(double accuracyMinutes)
{
    return MinutesText(std::max(1LL, std::llround(accuracyMinutes)));
}

UiText DistanceFromBirth(double minutes)
{
    if (minutes == 0.0) {
        return Compose(ORVANTA_TR("MoonStay", "at the recorded birth time"));
    }
    const long long whole = std::llround(std::fabs(minutes));
    const UiText amount = whole == 0 ? Compose(ORVANTA_TR("MoonStay", "less than a minute")) : MinutesText(whole);
    return minutes > 0 ? Compose(ORVANTA_TR("MoonStay", "%1 after the recorded birth time"), {amount})
                       : Compose(ORVANTA_TR("MoonStay", "%1 before the recorded birth time"), {amount});
}

// Birth times are entered to the minute: the first whole minute after a
// change ahead, or the last whole minute before a change behind.
UiText ThresholdTime(const ClockTime& birth, double changeMinutesFromBirth)
{
    const double m = changeMinutesFromBirth;
    const long long shift = m > 0 ? static_cast<long long>(std::ceil(m)) : -(static_cast<long long>(std::floor(-m)) + 1);
    const ClockTime at = AddSeconds(birth, shift * 60);
    if (SameDate(at, birth)) {
        return HourMinute(at);
    }
    return Compose(ORVANTA_TR("MoonStay", "%1\u00A0on\u00A0%2"), {HourMinute(at), DayMonth(at, at.Year != birth.Year)});
}

UiText MoonStayLine(const UiText& place, const ClockTime& birth, const std::optional<ClockTime>& entered,
                    const std::optional<ClockTime>& leaves)
{
    std::optional<ClockTime> from, to;
    if (entered) {
        from = ToMinute(*entered);
    }
    if (leaves) {
        to = ToMinute(*leaves);
    }
    const bool withYear = (from && from->Year != birth.Year) || (to && to->Year != birth.Year);
    const UiText& name = place;
    if (from && to) {
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 from %2 to %3 (birthplace clock)"),
                       {name, DateAndTime(*from, withYear), DateAndTime(*to, withYear)});
    }
    if (from) {
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 from %2 (birthplace clock)"),
                       {name, DateAndTime(*from, withYear)});
    }
    if (to) {
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 to %2 (birthplace clock)"), {name, DateAndTime(*to, withYear)});
    }
    return Compose(ORVANTA_TR("MoonStay", "Moon in %1"), {name});
}

}  // namespace orvanta
