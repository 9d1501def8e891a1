// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's sidereal sign at birth: a 25-term lunar series for the tropical
// longitude, a closed ayanamsa formula, and the Vedic name of the sign.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/common/BirthRecord.h"

namespace orvanta {

// One periodic term: Coefficient x sin(D*D + M*M + Mp*M' + F*F) in degrees,
// multiplied by the eccentricity factor E when the Sun's anomaly takes part.
struct LunarTerm {
    double Coefficient;
    int D;
    int M;
    int Mp;
    int F;
};

// The first 25 longitude terms of the ELP-2000/82 truncation, in its order,
// as Meeus, Astronomical Algorithms (2nd ed.), table 47.A lists them.
inline constexpr std::array<LunarTerm, 25> LunarLongitudeTerms{{
    //  coefficient   D   M  M'   F
    {+1.274027,       2,  0, -1,  0},  // evection
    {+6.288774,       0,  0,  1,  0},  // equation of the centre
    {+0.658314,       2,  0,  0,  0},  // variation
    {+0.213618,       0,  0,  2,  0},
    {-0.185116,       0,  1,  0,  0},  // annual equation
    {-0.114332,       0,  0,  0,  2},
    {+0.058793,       2,  0, -2,  0},
    {+0.057066,       2, -1, -1,  0},
    {+0.053322,       2,  0,  1,  0},
    {+0.045758,       2, -1,  0,  0},
    {-0.040923,       0,  1, -1,  0},
    {-0.034720,       1,  0,  0,  0},
    {-0.030383,       0,  1,  1,  0},
    {+0.015327,       2,  0,  0, -2},
    {-0.012528,       0,  0,  1,  2},
    {+0.010980,       0,  0,  1, -2},
    {+0.010675,       4,  0, -1,  0},
    {+0.010034,       0,  0,  3,  0},
    {+0.008548,       4,  0, -2,  0},
    {-0.007888,       2,  1, -1,  0},
    {-0.006766,       2,  1,  0,  0},
    {-0.005163,       1,  0, -1,  0},
    {+0.004987,       1,  1,  0,  0},
    {+0.004036,       2, -1,  1,  0},
    {+0.003994,       2,  0,  2,  0},
}};

struct RashiNameRow {
    std::string_view Abbreviation;
    std::string_view VedicName;
};

// Sign abbreviation to Vedic rashi name, searched in this order.
inline constexpr std::array<RashiNameRow, 12> RashiNameTable{{
    {"Ari", "Mesha"},
    {"Tau", "Vrishabha"},
    {"Gem", "Mithuna"},
    {"Can", "Kataka"},
    {"Leo", "Simha"},
    {"Vir", "Kanya"},
    {"Lib", "Thula"},
    {"Sco", "Vrischika"},
    {"Sag", "Dhanus"},
    {"Cap", "Makara"},
    {"Aqu", "Kumbha"},
    {"Pis", "Meena"},
}};

// The working values of one Moon computation, kept for inspection and tests.
struct MoonComputation {
    double LocalHours = 0;       // clock time of birth, decimal hours
    double ZoneOffset = 0;       // zone magnitude in hours after daylight saving
    double SignedLongitude = 0;  // west positive, east negative; only its side counts
    bool ZoneAheadOfUtc = false; // the zone's own sign, or else the longitude's side
    double DayNumber = 0;        // Julian day number of the civil birth date
    double UniversalHours = 0;   // from the start of the civil date; may leave 0..24
    double Centuries = 0;        // Julian centuries from JD 2451545.0
    double TropicalLongitude = 0;  // the Moon's longitude of date, 0..360
    double AyanamsaValue = 0;    // added to a tropical longitude to make it sidereal
    double MoonLongitude = 0;    // the sidereal longitude
    std::string SignText;        // LongitudeToSignText of the sidereal longitude
    std::string_view RashiName;  // empty when the sign text named no sign
};

// Brings a longitude into 0..360 exactly as repeated addition of 360 while
// below 0, then repeated subtraction while above 360, would: an exact
// multiple of 360 above zero ends as 360, an exact negative multiple as 0.
double ReduceLongitude(double lambda);

// The ayanamsa in degrees for T Julian centuries from JD 2451545.0.
double AyanamsaOffset(double centuries);

// The Moon's tropical longitude, 0..360, at T Julian centuries from JD 2451545.0.
double TropicalMoonLongitude(double centuries);

// The sidereal longitude as a reading takes it: the ayanamsa added, and 360
// added once if that leaves it below zero. The second form is the whole
// reading's longitude at any moment, so other moments agree with the reading
// to the last bit.
double SiderealMoonLongitude(double tropicalLongitude, double ayanamsa);
double SiderealMoonLongitude(double centuries);

// The whole computation from the record's birth data; writes nothing.
MoonComputation ComputeMoonPosition(const BirthRecord& record);

// The same computation with the Moon at other longitudes (a more exact
// ephemeris's, say): its sign text and rashi follow the sidereal one.
MoonComputation WithLongitudes(MoonComputation computation, double tropicalLongitude, double siderealLongitude);

// Stores the computation's rashi in the record's RashiName; where the
// computation names no sign, the record keeps its earlier rashi.
void StoreRashiName(const MoonComputation& computation, BirthRecord& record);

// Computes the Moon's rashi for the record's birth data and stores it as
// StoreRashiName does.
MoonComputation ComputeMoonRashi(BirthRecord& record);

}  // namespace orvanta
