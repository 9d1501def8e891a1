// SPDX-License-Identifier: GPL-3.0-or-later
// Which Moon a reading follows: the classic lunar series, or Swiss
// Ephemeris with one of its ayanamsas; how the user's choice is kept in
// the settings; and what the other method says of the same birth.
#pragma once

#include <optional>
#include <string_view>

#include "core/common/UiText.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/Nakshatra.h"
#include "core/ephemeris/PreciseMoon.h"

namespace orvanta {

// Where the Moon's longitude comes from.
enum class MoonEphemeris { ClassicSeries, SwissEphemeris };

// The Moon method: the user's setting, as the Preferences window sets it,
// and what a reading follows. The ayanamsa is Swiss Ephemeris's and the
// cross-check's.
struct MoonMethod {
    MoonEphemeris Ephemeris = MoonEphemeris::ClassicSeries;
    orvanta::Ayanamsa Ayanamsa = DefaultAyanamsa;

    bool operator==(const MoonMethod&) const = default;
};

// The method's settings values; a value that is none of them counts as the
// default.
std::string_view MoonEphemerisSetting(MoonEphemeris ephemeris);
MoonMethod MoonMethodOfSettings(std::string_view ephemeris, std::string_view ayanamsa);

// "the classic series", "Swiss Ephemeris (Lahiri)".
UiText MethodName(const MoonMethod& method);

// The same birth by both methods, and what the one not followed says.
struct CrossCheck {
    UiText Line;
    // Where the two differ in rashi, nakshatra or pada: the link's text, and
    // the method whose reading it shows.
    std::optional<MoonEphemeris> Offers;
    UiText Link;
};

// The ayanamsa the classic series's own formula stands for.
inline constexpr Ayanamsa ClassicSeriesAyanamsa = Ayanamsa::Lahiri;

// The classic series's Moon in the zodiac of `precise`, the precise Moon
// given with `ayanamsa`, so that the two are compared like with like: as
// it is under its own ayanamsa, else its tropical longitude less the mean
// ayanamsa of the same instant.
double ClassicLongitudeInZodiac(double classicTropical, double classicSidereal, Ayanamsa ayanamsa,
                                const PreciseMoonPosition& precise);
MoonComputation ClassicInZodiac(const MoonComputation& classic, Ayanamsa ayanamsa, const PreciseMoonPosition& precise);

// `shown` is the Moon the reading follows by `shownMethod`, `other` the
// same birth's by the other method; a classic Moon compared with a precise
// one that the reading follows stands in its zodiac (ClassicInZodiac), and
// the line says so under an ayanamsa not its own. A Moon that names no
// sign (the classic series's for years outside its lists) is said to.
CrossCheck CompareMethods(const MoonComputation& shown, const MoonMethod& shownMethod, const MoonComputation& other);

// The line where Swiss Ephemeris could not answer: why, and that the
// reading follows the classic series.
CrossCheck PreciseMoonMissing(const UiText& problem);

}  // namespace orvanta
