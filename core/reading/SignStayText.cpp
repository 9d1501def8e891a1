// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/SignStayText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace orvanta {

namespace {

UiText Name(std::string_view text) { return Verbatim(std::string(text)); }

UiText Fixed(const char* format, double value)
{
    char text[32];
    const int n = std::snprintf(text, sizeof text, format, value);
    return Verbatim(n > 0 ? std::string(text, static_cast<std::size_t>(std::min<int>(n, sizeof text - 1))) : std::string());
}

UiText NearChangeText(const SignStay& stay, const SignCrossing& change)
{
    const bool ahead = change.MinutesFromBirth > 0;
    const std::vector<UiText> parts{Name(change.RashiAfter), DistanceFromBirth(change.MinutesFromBirth),
                                    ThresholdTime(stay.Birth, change.MinutesFromBirth),
                                    Name(ahead ? change.RashiAfter : change.RashiBefore)};
    return ahead ? Compose(ORVANTA_TR("SignStay", "The Moon entered %1 %2. With a birth time of %3 or later, "
                                                  "the rashi is %4."),
                           parts)
                 : Compose(ORVANTA_TR("SignStay", "The Moon entered %1 %2. With a birth time of %3 or earlier, "
                                                  "the rashi is %4."),
                           parts);
}

UiText CannotTellText(const SignStay& stay, const SignCrossing& change)
{
    return Compose(ORVANTA_TR("SignStay", "%1 and %2 cannot be told apart by this method: the Moon entered %2 %3, "
                                          "within its accuracy of about %4. A more exact ephemeris and an exact "
                                          "birth time are needed."),
                   {Name(change.RashiBefore), Name(change.RashiAfter), DistanceFromBirth(change.MinutesFromBirth),
                    AccuracyText(stay.AccuracyMinutes)});
}

UiText GaugeSpoken(const SignStayText& text)
{
    const double whole = std::floor(text.DegreesIntoSign);
    const int minutes = std::min(59, static_cast<int>((text.DegreesIntoSign - whole) * 60.0));
    const UiText stands = Compose(ORVANTA_TR("SignStay", "The Moon stands at %1\u00B0 %2' of the 30\u00B0 of %3."),
                                  {Verbatim(std::to_string(static_cast<int>(whole))),
                                   Verbatim(std::to_string(minutes)), Name(text.Rashi)});
    if (text.NearEnd == SignEnd::None) {
        return stands;
    }
    const bool atEnd = text.NearEnd == SignEnd::End;
    const UiText gap = Fixed("%.3f", atEnd ? 30.0 - text.DegreesIntoSign : text.DegreesIntoSign);
    const UiText other = Name(atEnd ? text.LaterRashi : text.EarlierRashi);
    const UiText near =
        text.Certainty == StayCertainty::CannotTell
            ? Compose(ORVANTA_TR("SignStay", "It is %1\u00B0 from %2, within this method's accuracy of %3\u00B0."),
                      {gap, other, Fixed("%.2f", text.AccuracyDegrees)})
            : Compose(ORVANTA_TR("SignStay", "It is %1\u00B0 from %2."), {gap, other});
    return Compose(ORVANTA_TR("SignStay", "%1 %2"), {stands, near});
}

}  // namespace

SignStayText DescribeSignStay(const SignStay& stay)
{
    SignStayText text;
    text.DegreesIntoSign = stay.DegreesIntoSign;
    text.AccuracyDegrees = stay.AccuracyDegrees;
    text.Rashi = stay.Reading.RashiName;
    text.EarlierRashi = RashiNameTable[static_cast<std::size_t>((stay.SignIndex + 11) % 12)].VedicName;
    text.LaterRashi = RashiNameTable[static_cast<std::size_t>((stay.SignIndex + 1) % 12)].VedicName;

    const SignCrossing* change = NearerChange(stay.Entered, stay.Leaves);
    text.Certainty = CertaintyAt(change != nullptr ? std::fabs(change->MinutesFromBirth) : INFINITY,
                                 stay.AccuracyMinutes);
    switch (text.Certainty) {
    case StayCertainty::CannotTell:
        text.Heading = Compose(ORVANTA_TR("SignStay", "Too close to call"));
        text.Text = CannotTellText(stay, *change);
        break;
    case StayCertainty::NearChange:
        text.Heading = Compose(ORVANTA_TR("SignStay", "Close to a sign change"));
        text.Text = NearChangeText(stay, *change);
        break;
    case StayCertainty::Settled:
        text.Text = MoonStayLine(Verbatim(std::string(stay.Reading.RashiName)), stay.Birth, stay.Entered, stay.Leaves);
        break;
    }
    if (text.Certainty != StayCertainty::Settled) {
        text.NearEnd = change->MinutesFromBirth > 0 ? SignEnd::End : SignEnd::Start;
        text.Spoken = Compose(ORVANTA_TR("SignStay", "%1: %2"), {text.Heading, text.Text});
    } else {
        text.Spoken = text.Text;
    }
    text.GaugeSpoken = GaugeSpoken(text);
    return text;
}

}  // namespace orvanta
