// SPDX-License-Identifier: GPL-3.0-or-later
// What the result window and the report say about the birth star: the line
// naming the nakshatra, pada, lord and name syllable, and under it when the
// Moon entered the nakshatra and leaves it, or, close to a change of pada, a
// notice that says which way the answer turns.
#pragma once

#include <array>
#include <string_view>

#include "core/common/UiText.h"
#include "core/ephemeris/NakshatraStay.h"
#include "core/reading/StayText.h"

namespace orvanta {

struct NakshatraText {
    // "Nakshatra Rohini, pada 2 — lord Moon — name syllable Va (वा)"
    UiText Line;
    UiText LineSpoken;  // the same as one sentence, for screen readers

    // "Rohini 2 · Va (व)", for where there is room for one short line, and
    // the same in words for screen readers.
    UiText Short;
    UiText ShortSpoken;

    UiText Lord;                       // "Moon"
    std::array<UiText, 4> Syllables;   // each pada's, "O (ओ)" for pada 1 first
    // Both stays whatever the certainty: "Moon in Rohini from …", "Moon in
    // pada 2 of Rohini from …".
    UiText NakshatraStayLine;
    UiText PadaStayLine;

    StayCertainty Certainty = StayCertainty::Settled;
    UiText Heading;  // empty for the quiet stay line; marks a notice
    UiText Text;     // the stay line, or the body of the notice
    UiText Spoken;   // heading and text as one
};

// A nakshatra's name (NakshatraTable) as a part of a text.
UiText NakshatraName(std::string_view name);

// "pada 2 of Rohini"
UiText PadaName(int padaOfZodiac);

// "Va (वा)"
UiText SyllableText(const NameSyllable& syllable);

NakshatraText DescribeNakshatra(const NakshatraStay& stay);

}  // namespace orvanta
