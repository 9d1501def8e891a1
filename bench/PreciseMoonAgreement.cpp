// SPDX-License-Identifier: GPL-3.0-or-later
// How often the classic series names another rashi, nakshatra (13 deg 20')
// or pada (3 deg 20') than Swiss Ephemeris (its files) at random instants
// over 1901-2050, and how far the two longitudes lie apart, under each
// ayanamsa as the cross-check compares them: the classic Moon under its own
// formula for Lahiri, else its tropical Moon less the chosen ayanamsa. Also
// how far the library's analytic theory strays from its files, which bounds
// the accuracy the precise Moon claims without them.
// Usage: bench_precise_moon_agreement [instants] [seed]   (100000, 1)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/PreciseMoon.h"
#include "core/reading/MoonMethod.h"

using namespace orvanta;

namespace {

constexpr double kFirstDay = 2415385.5;  // 1901 January 1, 0h UT
constexpr double kLastDay = 2470172.5;   // 2051 January 1, 0h UT

// How many equal parts of the circle a longitude falls into, counted from 0.
int PartOf(double longitude, int parts)
{
    return static_cast<int>(std::floor(longitude * parts / 360.0)) % parts;
}

struct Tally {
    long Instants = 0;
    long Rashi = 0, Nakshatra = 0, Pada = 0;
    double MaxDifference = 0, SumDifference = 0, SumSigned = 0;

    void Add(double classic, double precise)
    {
        ++Instants;
        Rashi += PartOf(classic, 12) != PartOf(precise, 12);
        Nakshatra += PartOf(classic, 27) != PartOf(precise, 27);
        Pada += PartOf(classic, 108) != PartOf(precise, 108);
        const double signedDifference = std::remainder(classic - precise, 360.0);
        MaxDifference = std::max(MaxDifference, std::fabs(signedDifference));
        SumDifference += std::fabs(signedDifference);
        SumSigned += signedDifference;
    }
};

void PrintShare(const char* what, long count, long instants)
{
    const double share = static_cast<double>(count) / static_cast<double>(instants);
    if (count == 0) {
        std::printf("%-10s differs at    0 of %ld instants\n", what, instants);
    } else {
        std::printf("%-10s differs at %4ld of %ld instants: %.4f %% (1 in %.0f)\n", what, count, instants,
                    100.0 * share, 1.0 / share);
    }
}

// The source's positions at the given days under the ayanamsa, computed
// from the data expected; empty, with the reason told, when it cannot give one.
std::vector<PreciseMoonPosition> Positions(const SwissEphemerisMoon& source, Ayanamsa ayanamsa,
                                           PreciseMoonData expected, const std::vector<double>& days)
{
    std::vector<PreciseMoonPosition> positions;
    for (const double jd : days) {
        const PreciseMoonResult result = source.MoonAt(jd, ayanamsa);
        if (!result) {
            std::fprintf(stderr, "%s\n", English(result.Problem).c_str());
            return {};
        }
        if (result.Position->Data != expected) {
            std::fprintf(stderr, "computed from %s\n", English(DescribeData(result.Position->Data)).c_str());
            return {};
        }
        positions.push_back(*result.Position);
    }
    return positions;
}

}  // namespace

int main(int argc, char** argv)
{
    const long instants = argc > 1 ? std::atol(argv[1]) : 100000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> day(kFirstDay, kLastDay);

    std::vector<double> days(static_cast<std::size_t>(std::max(instants, 1L)));
    for (double& d : days) {
        d = day(random);
    }
    // One source after the other: changing the library's folder reopens its files.
    const SwissEphemerisMoon files;
    const std::vector<PreciseMoonPosition> theory = Positions(
        SwissEphemerisMoon("/nonexistent/orvanta-ephemeris"), Ayanamsa::Lahiri, PreciseMoonData::AnalyticTheory, days);
    if (theory.empty()) {
        return 1;
    }
    std::printf("Classic series against Swiss Ephemeris (files), %ld random instants 1901-2050, seed %lu\n", instants,
                seed);
    double maxAnalyticDifference = 0;
    for (const AyanamsaRow& row : AyanamsaTable) {
        const std::vector<PreciseMoonPosition> precise =
            Positions(files, row.Value, PreciseMoonData::EphemerisFiles, days);
        if (precise.empty()) {
            return 1;
        }
        Tally tally;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const double centuries = (days[i] - 2451545.0) / 36525.0;
            const double classic = ClassicLongitudeInZodiac(TropicalMoonLongitude(centuries),
                                                            SiderealMoonLongitude(centuries), row.Value, precise[i]);
            tally.Add(classic, precise[i].SiderealLongitude);
            if (row.Value == Ayanamsa::Lahiri) {
                maxAnalyticDifference = std::max(
                    maxAnalyticDifference,
                    std::fabs(std::remainder(theory[i].SiderealLongitude - precise[i].SiderealLongitude, 360.0)));
            }
        }
        std::printf("\n%s:\n", std::string(row.Name).c_str());
        PrintShare("rashi", tally.Rashi, tally.Instants);
        PrintShare("nakshatra", tally.Nakshatra, tally.Instants);
        PrintShare("pada", tally.Pada, tally.Instants);
        const double n = static_cast<double>(tally.Instants);
        std::printf("longitude difference: max %.4f deg, mean %.4f deg (mean signed, classic minus precise, %+.4f deg)\n",
                    tally.MaxDifference, tally.SumDifference / n, tally.SumSigned / n);
    }
    std::printf("\nanalytic theory against the files (Lahiri): max %.5f deg (%.1f arcseconds)\n",
                maxAnalyticDifference, maxAnalyticDifference * 3600.0);
    return 0;
}
