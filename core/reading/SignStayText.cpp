// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/SignStayText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace orvanta {

namespace {

// A rashi's name, as the catalogue has it.
UiText Name(std::string_view rashi) { return CatalogueText(rashi); }

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
    //: A notice under the rashi close to a change of sign: %1 the next rashi's name, %2 when, said from the
    //: birth time ("6 minutes after the recorded birth time"), %3 a clock time ("10:10" or "23:55 on 13
    //: Mar"), %4 the rashi from that time on.
    return ahead ? Compose(ORVANTA_TR("SignStay", "The Moon entered %1 %2. With a birth time of %3 or later, "
                                                  "the rashi is %4."),
                           parts)
                 //: As above, for a change just before the birth: %1 the rashi's name, %2 when, said from the
                 //: birth time, %3 a clock time, %4 the rashi up to that time.
                 : Compose(ORVANTA_TR("SignStay", "The Moon entered %1 %2. With a birth time of %3 or earlier, "
                                                  "the rashi is %4."),
                           parts);
}

UiText CannotTellText(const SignStay& stay, const SignCrossing& change)
{
    //: A notice where the change of sign lies within the method's accuracy: %1 and %2 the two rashis' names,
    //: %3 when the Moon entered %2, said from the birth time, %4 a length of time ("2 minutes").
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
    //: What a screen reader says of the gauge of the Moon's place in its sign: %1 whole degrees, %2 minutes
    //: of arc, %3 the rashi's name.
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
            //: Said after the sentence above near an end of the sign: %1 degrees to the boundary, %2 the
            //: neighbouring rashi's name, %3 the method's accuracy in degrees.
            ? Compose(ORVANTA_TR("SignStay", "It is %1\u00B0 from %2, within this method's accuracy of %3\u00B0."),
                      {gap, other, Fixed("%.2f", text.AccuracyDegrees)})
            //: Said after the sentence above near an end of the sign: %1 degrees to the boundary, %2 the
            //: neighbouring rashi's name.
            : Compose(ORVANTA_TR("SignStay", "It is %1\u00B0 from %2."), {gap, other});
    //: Two sentences of the gauge's description, one after the other.
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
        //: The heading of a notice: the birth lies so close to a change of sign that the method cannot say
        //: which rashi it is.
        text.Heading = Compose(ORVANTA_TR("SignStay", "Too close to call"));
        text.Text = CannotTellText(stay, *change);
        break;
    case StayCertainty::NearChange:
        //: The heading of a notice: the birth lies within 15 minutes of a change of sign.
        text.Heading = Compose(ORVANTA_TR("SignStay", "Close to a sign change"));
        text.Text = NearChangeText(stay, *change);
        break;
    case StayCertainty::Settled:
        text.Text = MoonStayLine(Name(stay.Reading.RashiName), stay.Birth, stay.Entered, stay.Leaves);
        break;
    }
    if (text.Certainty != StayCertainty::Settled) {
        text.NearEnd = change->MinutesFromBirth > 0 ? SignEnd::End : SignEnd::Start;
        //: A notice as a screen reader says it: %1 its heading, %2 its text.
        text.Spoken = Compose(ORVANTA_TR("SignStay", "%1: %2"), {text.Heading, text.Text});
    } else {
        text.Spoken = text.Text;
    }
    text.GaugeSpoken = GaugeSpoken(text);
    return text;
}

}  // namespace orvanta
