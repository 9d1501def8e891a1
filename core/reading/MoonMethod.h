// SPDX-License-Identifier: GPL-3.0-or-later
// Which Moon a reading follows: the classic lunar series, or Swiss
// Ephemeris in one of its sidereal zodiacs; how the user's choice is kept in
// the settings; and what the other method says of the same birth.
#pragma once

#include <optional>
#include <string_view>

#include "core/common/UiText.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/Nakshatra.h"
#include "core/ephemeris/PreciseMoon.h"

namespace orvanta {

enum class MoonMethod { ClassicSeries, SwissEphemeris };

// The user's choice, as the Preferences window sets it.
struct MoonChoice {
    MoonMethod Method = MoonMethod::ClassicSeries;
    Ayanamsa Zodiac = DefaultAyanamsa;

    bool operator==(const MoonChoice&) const = default;
};

// The choice's settings values; a value that is none of them counts as the
// default.
std::string_view MoonMethodSetting(MoonMethod method);
MoonChoice MoonChoiceOfSettings(std::string_view method, std::string_view ayanamsa);

// "the classic series", "Swiss Ephemeris (Lahiri)".
UiText MethodName(MoonMethod method, Ayanamsa zodiac);

// The same birth by both methods, and what the one not followed says.
struct CrossCheck {
    UiText Line;
    // Where the two differ in rashi, nakshatra or pada: the link's text, and
    // the method whose reading it shows.
    std::optional<MoonMethod> Offers;
    UiText Link;
};

// `shown` is the Moon the reading follows by `shownMethod`, `other` the
// same birth's by the other method.
CrossCheck CompareMethods(const MoonComputation& shown, MoonMethod shownMethod, const MoonComputation& other,
                          Ayanamsa zodiac);

// The line where Swiss Ephemeris could not answer: why, and that the
// reading follows the classic series.
CrossCheck PreciseMoonMissing(const UiText& problem);

}  // namespace orvanta
