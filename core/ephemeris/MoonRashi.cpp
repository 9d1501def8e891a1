// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/MoonRashi.h"

#include <cmath>

#include "core/common/TextRules.h"
#include "core/ephemeris/Ephemeris.h"

namespace orvanta {

double ReduceLongitude(double lambda)
{
    if (lambda < 0.0) {
        const double r = std::fmod(lambda, 360.0);  // exact, in (-360, 0]
        return r < 0.0 ? r + 360.0 : 0.0;
    }
    if (lambda > 360.0) {
        const double r = std::fmod(lambda, 360.0);  // exact, in [0, 360)
        return r == 0.0 ? 360.0 : r;
    }
    return lambda;
}

double AyanamsaOffset(double centuries)
{
    const double t = centuries;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    return (17.23 * std::sin(node * DegToRad) + 1.27 * std::sin(sun * DegToRad)
            - (5025.64 + 1.11 * t) * t - 85886.27)
           / 3600.0;
}

namespace {

// Each term's sine argument is linear in T; folding the four fundamental
// arguments into one slope and intercept per term keeps the series at one
// multiply-add per sine. Terms with and without the eccentricity factor are
// kept apart so E multiplies their sum once.
struct TermArgument {
    double Coefficient;
    double Intercept;  // radians at T = 0
    double Slope;      // radians per century
};

constexpr std::size_t CountTermsWithE()
{
    std::size_t n = 0;
    for (const LunarTerm& t : LunarLongitudeTerms) {
        n += t.M != 0 ? 1 : 0;
    }
    return n;
}

constexpr std::size_t TermsWithE = CountTermsWithE();
constexpr std::size_t TermsWithoutE = LunarLongitudeTerms.size() - TermsWithE;

template <std::size_t N>
constexpr std::array<TermArgument, N> FoldTerms(bool withE)
{
    constexpr double d0 = 297.8502042, d1 = 445267.1115168;
    constexpr double m0 = 357.5291092, m1 = 35999.0502909;
    constexpr double mp0 = 134.9634114, mp1 = 477198.8676313;
    constexpr double f0 = 93.2720993, f1 = 483202.0175273;
    std::array<TermArgument, N> folded{};
    std::size_t i = 0;
    for (const LunarTerm& t : LunarLongitudeTerms) {
        if ((t.M != 0) == withE) {
            folded[i++] = {t.Coefficient, (t.D * d0 + t.M * m0 + t.Mp * mp0 + t.F * f0) * DegToRad,
                           (t.D * d1 + t.M * m1 + t.Mp * mp1 + t.F * f1) * DegToRad};
        }
    }
    return folded;
}

constexpr auto PlainTerms = FoldTerms<TermsWithoutE>(false);
constexpr auto EccentricTerms = FoldTerms<TermsWithE>(true);

template <std::size_t N>
double SumTerms(const std::array<TermArgument, N>& terms, double t)
{
    double sum = 0.0;
    for (const TermArgument& term : terms) {
        sum += term.Coefficient * std::sin(term.Intercept + term.Slope * t);
    }
    return sum;
}

std::string_view RashiNameOfSignText(std::string_view signText)
{
    const std::string_view trimmed = TrimBlanks(signText);
    if (trimmed.size() < 3) {
        return {};
    }
    const std::string_view tail = trimmed.substr(trimmed.size() - 3);
    for (const RashiNameRow& row : RashiNameTable) {
        if (row.Abbreviation == tail) {
            return row.VedicName;
        }
    }
    return {};
}

}  // namespace

double TropicalMoonLongitude(double centuries)
{
    const double t = centuries;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;
    return ReduceLongitude(meanLongitude + SumTerms(PlainTerms, t) + e * SumTerms(EccentricTerms, t));
}

double SiderealMoonLongitude(double tropicalLongitude, double ayanamsa)
{
    const double sidereal = tropicalLongitude + ayanamsa;
    return sidereal < 0.0 ? sidereal + 360.0 : sidereal;
}

double SiderealMoonLongitude(double centuries)
{
    return SiderealMoonLongitude(TropicalMoonLongitude(centuries), AyanamsaOffset(centuries));
}

MoonComputation ComputeMoonPosition(const BirthRecord& record)
{
    MoonComputation c;
    c.LocalHours = record.BirthHour + record.BirthMinute / 60.0;
    c.ZoneOffset = record.ZoneHours + record.ZoneMinutes / 60.0;
    c.SignedLongitude = SignedLongitudeOf(record);
    c.ZoneAheadOfUtc = ZoneIsAheadOfUtc(record);

    // Daylight saving puts the clock an hour ahead on either side.
    if (record.DaylightSaving) {
        c.ZoneOffset += c.ZoneAheadOfUtc ? 1.0 : -1.0;
    }
    c.DayNumber = JulianDayNumber(record.BirthMonth, record.BirthDay, record.BirthYear);
    c.UniversalHours = c.ZoneAheadOfUtc ? c.LocalHours - c.ZoneOffset : c.LocalHours + c.ZoneOffset;
    c.Centuries = ((c.DayNumber - 2451545.0) + c.UniversalHours / 24.0 - 0.5) / 36525.0;

    c.TropicalLongitude = TropicalMoonLongitude(c.Centuries);
    c.AyanamsaValue = AyanamsaOffset(c.Centuries);
    c.MoonLongitude = SiderealMoonLongitude(c.TropicalLongitude, c.AyanamsaValue);
    c.SignText = LongitudeToSignText(c.MoonLongitude);
    c.RashiName = RashiNameOfSignText(c.SignText);
    return c;
}

MoonComputation WithLongitudes(MoonComputation c, double tropicalLongitude, double siderealLongitude)
{
    c.TropicalLongitude = tropicalLongitude;
    c.AyanamsaValue = siderealLongitude - tropicalLongitude;
    c.MoonLongitude = siderealLongitude;
    c.SignText = LongitudeToSignText(c.MoonLongitude);
    c.RashiName = RashiNameOfSignText(c.SignText);
    return c;
}

void StoreRashiName(const MoonComputation& computation, BirthRecord& record)
{
    if (!computation.RashiName.empty()) {
        record.RashiName = computation.RashiName;
    }
}

MoonComputation ComputeMoonRashi(BirthRecord& record)
{
    MoonComputation c = ComputeMoonPosition(record);
    StoreRashiName(c, record);
    return c;
}

}  // namespace orvanta
