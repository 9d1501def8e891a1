// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/NakshatraText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orvanta {

namespace {

UiText Name(std::string_view text) { return Verbatim(std::string(text)); }

// The lords are the "Planet" texts of the nakshatra table.
UiText Lord(std::string_view lord) { return Compose(TextSource{"Planet", lord.data()}); }

UiText NearChangeText(const NakshatraStay& stay, const PadaCrossing& change)
{
    const bool ahead = change.MinutesFromBirth > 0;
    const int then = ahead ? change.PadaAfter : change.PadaBefore;
    const std::vector<UiText> parts{PadaName(change.PadaAfter), DistanceFromBirth(change.MinutesFromBirth),
                                    ThresholdTime(stay.Birth, change.MinutesFromBirth), PadaName(then),
                                    SyllableText(PadaPosition(then).Syllable)};
    return ahead ? Compose(ORVANTA_TR("Nakshatra", "The Moon entered %1 %2. With a birth time of %3 or later, "
                                                   "it is %4 with the name syllable %5."),
                           parts)
                 : Compose(ORVANTA_TR("Nakshatra", "The Moon entered %1 %2. With a birth time of %3 or earlier, "
                                                   "it is %4 with the name syllable %5."),
                           parts);
}

UiText CannotTellText(const NakshatraStay& stay, const PadaCrossing& change)
{
    return Compose(ORVANTA_TR("Nakshatra", "The pada cannot be told by this method: the Moon entered %1 %2, "
                                           "within its accuracy of about %3. The name syllable is %4 or %5."),
                   {PadaName(change.PadaAfter), DistanceFromBirth(change.MinutesFromBirth),
                    AccuracyText(stay.AccuracyMinutes),
                    SyllableText(PadaPosition(change.PadaBefore).Syllable),
                    SyllableText(PadaPosition(change.PadaAfter).Syllable)});
}

UiText NoticeHeading(StayCertainty certainty, const PadaCrossing& change)
{
    if (certainty == StayCertainty::CannotTell) {
        return Compose(ORVANTA_TR("Nakshatra", "Pada cannot be told"));
    }
    return change.ChangesNakshatra() ? Compose(ORVANTA_TR("Nakshatra", "Close to a nakshatra change"))
                                     : Compose(ORVANTA_TR("Nakshatra", "Close to a pada change"));
}

}  // namespace

UiText PadaName(int padaOfZodiac)
{
    const NakshatraPosition p = PadaPosition(padaOfZodiac);
    return Compose(ORVANTA_TR("Nakshatra", "pada %2 of %1"), {Name(p.Name), Verbatim(std::to_string(p.Pada))});
}

UiText SyllableText(const NameSyllable& syllable)
{
    return Compose(ORVANTA_TR("Nakshatra", "%1\u00A0(%2)"), {Name(syllable.Latin), Name(syllable.Devanagari)});
}

NakshatraText DescribeNakshatra(const NakshatraStay& stay)
{
    const NakshatraPosition& p = stay.Position;
    NakshatraText text;
    const UiText name = Name(p.Name);
    const UiText pada = Verbatim(std::to_string(p.Pada));
    // No-break spaces keep each fact whole where the line wraps.
    text.Line = Compose(ORVANTA_TR("Nakshatra", "Nakshatra %1, pada\u00A0%2 \u2014 lord\u00A0%3 \u2014 "
                                                "name\u00A0syllable\u00A0%4"),
                        {name, pada, Lord(p.Lord), SyllableText(p.Syllable)});
    // The Devanagari too, for a reader with a Hindi voice and for a braille display.
    text.LineSpoken = Compose(ORVANTA_TR("Nakshatra", "Nakshatra %1, pada %2, lord %3, name syllable %4."),
                              {name, pada, Lord(p.Lord), SyllableText(p.Syllable)});
    text.Short = Compose(ORVANTA_TR("Nakshatra", "%1\u00A0%2 \u00B7 %3"), {name, pada, SyllableText(p.Syllable)});
    text.ShortSpoken = Compose(ORVANTA_TR("Nakshatra", "Birth star %1, pada %2, name syllable %3"),
                               {name, pada, SyllableText(p.Syllable)});
    text.Lord = Lord(p.Lord);
    const int first = p.Index * 4;
    for (int k = 0; k < 4; ++k) {
        text.Syllables[k] = SyllableText(PadaPosition(first + k).Syllable);
    }
    text.NakshatraStayLine = MoonStayLine(name, stay.Birth, stay.Entered, stay.Leaves);
    text.PadaStayLine = MoonStayLine(PadaName(p.PadaOfZodiac()), stay.Birth, stay.PadaEntered, stay.PadaLeaves);

    // A change of nakshatra is always one of the pada's ends.
    const PadaCrossing* change = NearerChange(stay.PadaEntered, stay.PadaLeaves);
    text.Certainty =
        CertaintyAt(change != nullptr ? std::fabs(change->MinutesFromBirth) : INFINITY, stay.AccuracyMinutes);
    switch (text.Certainty) {
    case StayCertainty::CannotTell:
        text.Text = CannotTellText(stay, *change);
        break;
    case StayCertainty::NearChange:
        text.Text = NearChangeText(stay, *change);
        break;
    case StayCertainty::Settled:
        text.Text = text.NakshatraStayLine;
        break;
    }
    if (text.Certainty == StayCertainty::Settled) {
        text.Spoken = text.Text;
    } else {
        text.Heading = NoticeHeading(text.Certainty, *change);
        text.Spoken = Compose(ORVANTA_TR("Nakshatra", "%1: %2"), {text.Heading, text.Text});
    }
    return text;
}

}  // namespace orvanta
