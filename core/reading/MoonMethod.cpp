// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/MoonMethod.h"

#include <cmath>
#include <string>

#include "core/common/RashiCatalogueRow.h"

namespace orvanta {

namespace {

constexpr std::string_view kClassicSetting = "classic";
constexpr std::string_view kSwissSetting = "swiss";

// "23°16′": degrees and minutes into the sign, truncated as the sign is, so
// 29°59′ never reads as the next sign.
UiText PlaceInSign(double longitude)
{
    const double intoSign = std::fmod(longitude, 30.0);
    const int minutes = std::min(30 * 60 - 1, static_cast<int>(intoSign * 60.0));
    return Verbatim(std::to_string(minutes / 60) + "\u00B0" + (minutes % 60 < 10 ? "0" : "") +
                    std::to_string(minutes % 60) + "\u2032");
}

UiText Rashi(const MoonComputation& moon)
{
    return CatalogueText(moon.RashiName);
}

UiText PadaOf(const MoonComputation& moon)
{
    const NakshatraPosition at = NakshatraOf(moon.MoonLongitude);
    return Compose(ORVANTA_TR("CrossCheck", "pada %1 of %2"),
                   {Verbatim(std::to_string(at.Pada)), Compose({NakshatraContext, at.Name.data()})});
}

UiText Capitalised(const MoonMethod& method)
{
    if (method.Ephemeris == MoonEphemeris::ClassicSeries) {
        return Compose(ORVANTA_TR("CrossCheck", "The classic series"));
    }
    return MethodName(method);
}

// The same ayanamsa with the other ephemeris.
MoonMethod Other(const MoonMethod& method)
{
    return {method.Ephemeris == MoonEphemeris::ClassicSeries ? MoonEphemeris::SwissEphemeris
                                                             : MoonEphemeris::ClassicSeries,
            method.Ayanamsa};
}

UiText ShowTheReadingBy(const MoonMethod& method)
{
    return Compose(ORVANTA_TR("CrossCheck", "Show the reading by %1"), {MethodName(method)});
}

}  // namespace

std::string_view MoonEphemerisSetting(MoonEphemeris ephemeris)
{
    return ephemeris == MoonEphemeris::SwissEphemeris ? kSwissSetting : kClassicSetting;
}

MoonMethod MoonMethodOfSettings(std::string_view ephemeris, std::string_view ayanamsa)
{
    return {ephemeris == kSwissSetting ? MoonEphemeris::SwissEphemeris : MoonEphemeris::ClassicSeries,
            AyanamsaNamed(ayanamsa)};
}

UiText MethodName(const MoonMethod& method)
{
    if (method.Ephemeris == MoonEphemeris::ClassicSeries) {
        return Compose(ORVANTA_TR("CrossCheck", "the classic series"));
    }
    return Compose(ORVANTA_TR("CrossCheck", "Swiss Ephemeris (%1)"),
                   {Compose({AyanamsaContext, AyanamsaName(method.Ayanamsa).data()})});
}

CrossCheck CompareMethods(const MoonComputation& shown, const MoonMethod& shownMethod, const MoonComputation& other)
{
    const MoonMethod otherMethod = Other(shownMethod);
    const NakshatraPosition here = NakshatraOf(shown.MoonLongitude);
    const NakshatraPosition there = NakshatraOf(other.MoonLongitude);
    CrossCheck check;
    if (shown.RashiName == other.RashiName && here.PadaOfZodiac() == there.PadaOfZodiac()) {
        check.Line = Compose(ORVANTA_TR("CrossCheck", "%1: Moon at %2 in %3, %4 %5 \u2014 same rashi and pada"),
                             {Capitalised(otherMethod), PlaceInSign(other.MoonLongitude), Rashi(other),
                              MethodName(shownMethod), PlaceInSign(shown.MoonLongitude)});
        return check;
    }
    const bool sameRashi = shown.RashiName == other.RashiName;
    check.Line = Compose(
        sameRashi ? ORVANTA_TR("CrossCheck", "%1 puts the Moon at %2 in %3, %4; %5 at %6, %7. "
                                             "This reading follows %5.")
                  : ORVANTA_TR("CrossCheck", "%1 puts the Moon at %2 in %3, %4; %5 at %6 in %7. "
                                             "This reading follows %5."),
        {Capitalised(otherMethod), PlaceInSign(other.MoonLongitude), Rashi(other), PadaOf(other),
         MethodName(shownMethod), PlaceInSign(shown.MoonLongitude), sameRashi ? PadaOf(shown) : Rashi(shown)});
    check.Offers = otherMethod.Ephemeris;
    check.Link = ShowTheReadingBy(otherMethod);
    return check;
}

CrossCheck PreciseMoonMissing(const UiText& problem)
{
    CrossCheck check;
    check.Line = Compose(ORVANTA_TR("CrossCheck", "%1 This reading follows the classic series."), {problem});
    return check;
}

}  // namespace orvanta
