// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/NakshatraText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orvanta {

namespace {

UiText Name(std::string_view text) { return Verbatim(std::string(text)); }

UiText Lord(std::string_view lord) { return Compose(TextSource{LordContext, lord.data()}); }

UiText NearChangeText(const NakshatraStay& stay, const PadaCrossing& change)
{
    const bool ahead = change.MinutesFromBirth > 0;
    const int then = ahead ? change.PadaAfter : change.PadaBefore;
    const std::vector<UiText> parts{PadaName(change.PadaAfter), DistanceFromBirth(change.MinutesFromBirth),
                                    ThresholdTime(stay.Birth, change.MinutesFromBirth), PadaName(then),
                                    SyllableText(PadaPosition(then).Syllable)};
    //: A notice under the birth star close to a change of pada: %1 the next pada ("pada 3 of Rohini"), %2
    //: when, said from the birth time ("6 minutes after the recorded birth time"), %3 a clock time ("10:10"
    //: or "23:55 on 13 Mar"), %4 the pada from that time on, %5 its name syllable.
    return ahead ? Compose(ORVANTA_TR("Nakshatra", "The Moon entered %1 %2. With a birth time of %3 or later, "
                                                   "it is %4 with the name syllable %5."),
                           parts)
                 //: As above, for a change just before the birth: %1 the pada the Moon entered, %2 when, %3 a
                 //: clock time, %4 the pada up to that time, %5 its name syllable.
                 : Compose(ORVANTA_TR("Nakshatra", "The Moon entered %1 %2. With a birth time of %3 or earlier, "
                                                   "it is %4 with the name syllable %5."),
                           parts);
}

UiText CannotTellText(const NakshatraStay& stay, const PadaCrossing& change)
{
    //: A notice where the change of pada lies within the method's accuracy: %1 the pada entered ("pada 3 of
    //: Rohini"), %2 when, said from the birth time, %3 a length of time ("2 minutes"), %4 and %5 the two
    //: padas' name syllables.
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
        //: The heading of a notice: the birth lies so close to a change of pada that the method cannot say
        //: which pada it is.
        return Compose(ORVANTA_TR("Nakshatra", "Pada cannot be told"));
    }
    //: The heading of a notice: the birth lies within 15 minutes of a change of nakshatra.
    return change.ChangesNakshatra() ? Compose(ORVANTA_TR("Nakshatra", "Close to a nakshatra change"))
                                     //: The heading of a notice: the birth lies within 15 minutes of a change
                                     //: of pada.
                                     : Compose(ORVANTA_TR("Nakshatra", "Close to a pada change"));
}

}  // namespace

UiText NakshatraName(std::string_view name)
{
    return Compose({NakshatraContext, name.data()});
}

UiText PadaName(int padaOfZodiac)
{
    const NakshatraPosition p = PadaPosition(padaOfZodiac);
    //: A pada (quarter) of a nakshatra: %1 the nakshatra's name, %2 the pada's number, 1 to 4.
    return Compose(ORVANTA_TR("Nakshatra", "pada %2 of %1"),
                   {NakshatraName(p.Name), Verbatim(std::to_string(p.Pada))});
}

UiText SyllableText(const NameSyllable& syllable)
{
    //: The first syllable of a name for the pada: %1 in Latin letters ("Va"), %2 in Devanagari. A language
    //: written in Devanagari may show %2 alone.
    return Compose(ORVANTA_TR("Nakshatra", "%1\u00A0(%2)"), {Name(syllable.Latin), Name(syllable.Devanagari)});
}

NakshatraText DescribeNakshatra(const NakshatraStay& stay)
{
    const NakshatraPosition& p = stay.Position;
    NakshatraText text;
    const UiText name = NakshatraName(p.Name);
    const UiText pada = Verbatim(std::to_string(p.Pada));
    // No-break spaces keep each fact whole where the line wraps.
    //: The birth star under the rashi: %1 the nakshatra's name, %2 the pada (1 to 4), %3 the nakshatra's lord
    //: (a planet), %4 the name syllable ("Va (वा)"). No-break spaces keep each fact whole.
    text.Line = Compose(ORVANTA_TR("Nakshatra", "Nakshatra %1, pada\u00A0%2 \u2014 lord\u00A0%3 \u2014 "
                                                "name\u00A0syllable\u00A0%4"),
                        {name, pada, Lord(p.Lord), SyllableText(p.Syllable)});
    // The Devanagari too, for a reader with a Hindi voice and for a braille display.
    //: The line above as a screen reader says it: %1 the nakshatra's name, %2 the pada, %3 its lord, %4 the
    //: name syllable ("Va (वा)").
    text.LineSpoken = Compose(ORVANTA_TR("Nakshatra", "Nakshatra %1, pada %2, lord %3, name syllable %4."),
                              {name, pada, Lord(p.Lord), SyllableText(p.Syllable)});
    //: The birth star in one short line under the rashi: %1 the nakshatra's name, %2 the pada (1 to 4), %3
    //: the name syllable ("Ta (ता)").
    text.Short = Compose(ORVANTA_TR("Nakshatra", "%1\u00A0%2 \u00B7 %3"), {name, pada, SyllableText(p.Syllable)});
    //: The short line as a screen reader says it: %1 the nakshatra's name, %2 the pada, %3 the name syllable.
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
        //: A notice as a screen reader says it: %1 its heading, %2 its text.
        text.Spoken = Compose(ORVANTA_TR("Nakshatra", "%1: %2"), {text.Heading, text.Text});
    }
    return text;
}

}  // namespace orvanta
