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
    //: A pada (quarter) of a nakshatra, in the cross-check: %1 its number, 1 to 4, %2 the nakshatra's name.
    return Compose(ORVANTA_TR("CrossCheck", "pada %1 of %2"),
                   {Verbatim(std::to_string(at.Pada)), Compose({NakshatraContext, at.Name.data()})});
}

double Normalized(double degrees)
{
    const double r = std::fmod(degrees, 360.0);
    const double up = r < 0.0 ? r + 360.0 : r;
    return up < 360.0 ? up : 0.0;
}

// The other method's name at the start of the line. The classic series
// compared under an ayanamsa not its own carries it, `beforeVerb` with the
// comma that closes the aside before "puts".
UiText Capitalised(const MoonMethod& method, const MoonMethod& shownMethod, bool beforeVerb)
{
    if (method.Ephemeris == MoonEphemeris::SwissEphemeris) {
        return MethodName(method);
    }
    if (shownMethod.Ephemeris == MoonEphemeris::ClassicSeries || method.Ayanamsa == ClassicSeriesAyanamsa) {
        //: The program's own method (a 25-term lunar series) at the start of the cross-check line.
        return Compose(ORVANTA_TR("CrossCheck", "The classic series"));
    }
    const UiText ayanamsa = Compose({AyanamsaContext, AyanamsaName(method.Ayanamsa).data()});
    //: The classic series compared in another zodiac, at the start of "%1 puts the Moon at …": %1 an
    //: ayanamsa's name ("Raman"). The closing comma ends the aside in English; a language without the aside
    //: leaves it out.
    return beforeVerb ? Compose(ORVANTA_TR("CrossCheck", "The classic series, with the %1 ayanamsa,"), {ayanamsa})
                      //: As above, where no verb follows: %1 an ayanamsa's name.
                      : Compose(ORVANTA_TR("CrossCheck", "The classic series, with the %1 ayanamsa"), {ayanamsa});
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
    //: A link under the cross-check: %1 the other method ("Swiss Ephemeris (Lahiri)").
    return Compose(ORVANTA_TR("CrossCheck", "Show the reading by %1"), {MethodName(method)});
}

// Where one Moon names no sign: what the other says, and the reading by
// the other where it is the one that names a sign.
CrossCheck NamesNoSign(const MoonComputation& shown, const MoonMethod& shownMethod, const MoonComputation& other)
{
    const MoonMethod otherMethod = Other(shownMethod);
    CrossCheck check;
    if (shown.RashiName.empty() && other.RashiName.empty()) {
        //: %1 the method the reading follows.
        check.Line = Compose(ORVANTA_TR("CrossCheck", "Neither method names a rashi for this birth. "
                                                      "This reading follows %1."),
                             {MethodName(shownMethod)});
        return check;
    }
    const bool otherNames = !other.RashiName.empty();
    const MoonComputation& placed = otherNames ? other : shown;
    //: %1 the method that names no rashi, %2 the other one, %3 degrees and minutes into the sign ("23°16′"),
    //: %4 the rashi, %5 the pada ("pada 2 of Rohini"), %6 the method the reading follows.
    check.Line = Compose(ORVANTA_TR("CrossCheck", "%1 names no rashi for this birth; %2 puts the Moon at %3 in %4, "
                                                  "%5. This reading follows %6."),
                         {Capitalised(otherNames ? shownMethod : otherMethod, shownMethod, false),
                          otherNames ? MethodName(otherMethod) : MethodName(shownMethod),
                          PlaceInSign(placed.MoonLongitude), Rashi(placed), PadaOf(placed), MethodName(shownMethod)});
    if (otherNames) {
        check.Offers = otherMethod.Ephemeris;
        check.Link = ShowTheReadingBy(otherMethod);
    }
    return check;
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
        //: The program's own method inside a sentence ("Reading by %1").
        return Compose(ORVANTA_TR("CrossCheck", "the classic series"));
    }
    //: The precise method: %1 its ayanamsa ("Lahiri").
    return Compose(ORVANTA_TR("CrossCheck", "Swiss Ephemeris (%1)"),
                   {Compose({AyanamsaContext, AyanamsaName(method.Ayanamsa).data()})});
}

double ClassicLongitudeInZodiac(double classicTropical, double classicSidereal, Ayanamsa ayanamsa,
                                const PreciseMoonPosition& precise)
{
    // The series gives the Moon of the mean equinox of date, so the mean
    // ayanamsa puts it where the library puts its own.
    return ayanamsa == ClassicSeriesAyanamsa ? classicSidereal
                                             : Normalized(classicTropical - precise.MeanAyanamsaDegrees);
}

MoonComputation ClassicInZodiac(const MoonComputation& classic, Ayanamsa ayanamsa, const PreciseMoonPosition& precise)
{
    if (ayanamsa == ClassicSeriesAyanamsa) {
        return classic;
    }
    return WithLongitudes(classic, classic.TropicalLongitude,
                          ClassicLongitudeInZodiac(classic.TropicalLongitude, classic.MoonLongitude, ayanamsa, precise));
}

CrossCheck CompareMethods(const MoonComputation& shown, const MoonMethod& shownMethod, const MoonComputation& other)
{
    if (shown.RashiName.empty() || other.RashiName.empty()) {
        return NamesNoSign(shown, shownMethod, other);
    }
    const MoonMethod otherMethod = Other(shownMethod);
    CrossCheck check;
    const NakshatraPosition here = NakshatraOf(shown.MoonLongitude);
    const NakshatraPosition there = NakshatraOf(other.MoonLongitude);
    if (shown.RashiName == other.RashiName && here.PadaOfZodiac() == there.PadaOfZodiac()) {
        //: What the other method says where both agree: %1 the other method, %2 degrees and minutes into the
        //: sign ("23°16′"), %3 the rashi, %4 the method the reading follows, %5 its degrees and minutes.
        check.Line = Compose(ORVANTA_TR("CrossCheck", "%1: Moon at %2 in %3, %4 %5 \u2014 same rashi and pada"),
                             {Capitalised(otherMethod, shownMethod, false), PlaceInSign(other.MoonLongitude),
                              Rashi(other), MethodName(shownMethod), PlaceInSign(shown.MoonLongitude)});
        return check;
    }
    const bool sameRashi = shown.RashiName == other.RashiName;
    check.Line = Compose(
        //: Where the two methods differ: %1 the other method, %2 its degrees and minutes into the sign, %3
        //: its rashi, %4 its pada ("pada 2 of Rohini"), %5 the method the reading follows, %6 its degrees and
        //: minutes, %7 its pada (same rashi) or its rashi.
        sameRashi ? ORVANTA_TR("CrossCheck", "%1 puts the Moon at %2 in %3, %4; %5 at %6, %7. "
                                             "This reading follows %5.")
                  //: As above, where the rashis differ: %7 the rashi of the method the reading follows.
                  : ORVANTA_TR("CrossCheck", "%1 puts the Moon at %2 in %3, %4; %5 at %6 in %7. "
                                             "This reading follows %5."),
        {Capitalised(otherMethod, shownMethod, true), PlaceInSign(other.MoonLongitude), Rashi(other), PadaOf(other),
         MethodName(shownMethod), PlaceInSign(shown.MoonLongitude), sameRashi ? PadaOf(shown) : Rashi(shown)});
    check.Offers = otherMethod.Ephemeris;
    check.Link = ShowTheReadingBy(otherMethod);
    return check;
}

CrossCheck PreciseMoonMissing(const UiText& problem)
{
    CrossCheck check;
    //: %1 why Swiss Ephemeris could not answer (a sentence of its own).
    check.Line = Compose(ORVANTA_TR("CrossCheck", "%1 This reading follows the classic series."), {problem});
    return check;
}

}  // namespace orvanta
