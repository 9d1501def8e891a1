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
    //: A date and a clock time: %1 the date ("14 Jun"), %2 the time ("01:00"), joined by a no-break space.
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
    return DateText({time.Year, time.Month, time.Day}, withYear, "\u00A0");
}

UiText HourMinute(const ClockTime& time)
{
    return TimeText(time.Hour, time.Minute);
}

UiText MinutesText(long long minutes)
{
    //: A length of time, put into the sentences that say how far a change lies from the birth time.
    return minutes == 1 ? Compose(ORVANTA_TR("MoonStay", "1 minute"))
                        //: A length of time: %1 is a number of minutes, 2 or more (or 0).
                        : Compose(ORVANTA_TR("MoonStay", "%1 minutes"), {Number(minutes)});
}

UiText AccuracyText(double accuracyMinutes)
{
    return MinutesText(std::max(1LL, std::llround(accuracyMinutes)));
}

UiText DistanceFromBirth(double minutes)
{
    if (minutes == 0.0) {
        //: When the Moon changed sign, nakshatra or pada, said of the birth: put into "The Moon entered Thula
        //: %2", where %2 is this text.
        return Compose(ORVANTA_TR("MoonStay", "at the recorded birth time"));
    }
    const long long whole = std::llround(std::fabs(minutes));
    //: A length of time, put into "%1 after/before the recorded birth time".
    const UiText amount = whole == 0 ? Compose(ORVANTA_TR("MoonStay", "less than a minute")) : MinutesText(whole);
    //: When the Moon changed sign, nakshatra or pada: %1 a length of time ("6 minutes"). The whole is put
    //: into "The Moon entered Thula %2" as %2, so it must read as a plain time phrase there.
    return minutes > 0 ? Compose(ORVANTA_TR("MoonStay", "%1 after the recorded birth time"), {amount})
                       //: When the Moon changed sign, nakshatra or pada: %1 a length of time ("6 minutes").
                       //: The whole is put into "The Moon entered Thula %2" as %2.
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
    //: A birth time on another day than the birth: %1 the clock time ("23:55"), %2 the date ("13 Mar");
    //: joined by no-break spaces.
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
        //: When the Moon entered a rashi or nakshatra and when it leaves it: %1 the rashi's or nakshatra's
        //: name, %2 and %3 a date and time ("14 Jun 01:00"), on the clock of the birth place.
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 from %2 to %3 (birthplace clock)"),
                       {name, DateAndTime(*from, withYear), DateAndTime(*to, withYear)});
    }
    if (from) {
        //: As above, where no end of the stay was found: %1 the rashi's or nakshatra's name, %2 a date and
        //: time.
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 from %2 (birthplace clock)"),
                       {name, DateAndTime(*from, withYear)});
    }
    if (to) {
        //: As above, where no start of the stay was found: %1 the rashi's or nakshatra's name, %2 a date and
        //: time.
        return Compose(ORVANTA_TR("MoonStay", "Moon in %1 to %2 (birthplace clock)"), {name, DateAndTime(*to, withYear)});
    }
    //: As above, where neither end of the stay was found: %1 the rashi's or nakshatra's name.
    return Compose(ORVANTA_TR("MoonStay", "Moon in %1"), {name});
}

}  // namespace orvanta
