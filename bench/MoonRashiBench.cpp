// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one ComputeMoonRashi against its floor: the 27 sines it needs (25
// series terms and the two of the ayanamsa), taken on the same arguments;
// then the birth star's search (nakshatra and pada ends) against the sign's.
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "BenchTiming.h"
#include "core/ephemeris/Ephemeris.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/NakshatraStay.h"
#include "core/ephemeris/SignCrossings.h"

using namespace orvanta;

namespace {

std::vector<BirthRecord> SampleBirths()
{
    std::vector<BirthRecord> births;
    for (int i = 0; i < 64; ++i) {
        BirthRecord r;
        r.BirthYear = static_cast<std::int16_t>(1901 + (i * 37) % 150);
        r.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
        r.BirthDay = static_cast<std::int16_t>(1 + (i * 7) % 28);
        r.BirthHour = static_cast<std::int16_t>(i % 24);
        r.BirthMinute = static_cast<std::int16_t>((i * 13) % 60);
        r.ZoneHours = static_cast<std::int16_t>(i % 12);
        r.ZoneMinutes = static_cast<std::int16_t>((i % 2) * 30);
        r.LongitudeDegrees = static_cast<std::int16_t>(i % 180);
        r.LongitudeEast = i % 3 == 0;
        r.DaylightSaving = i % 5 == 0;
        births.push_back(r);
    }
    return births;
}

// The 27 sine arguments (radians) that the computation of this birth takes.
std::vector<double> SineArguments(const BirthRecord& birth)
{
    const double t = ComputeMoonPosition(birth).Centuries;
    const double d = (297.8502042 + 445267.1115168 * t) * DegToRad;
    const double m = (357.5291092 + 35999.0502909 * t) * DegToRad;
    const double mp = (134.9634114 + 477198.8676313 * t) * DegToRad;
    const double f = (93.2720993 + 483202.0175273 * t) * DegToRad;
    std::vector<double> arguments;
    for (const LunarTerm& term : LunarLongitudeTerms) {
        arguments.push_back(term.D * d + term.M * m + term.Mp * mp + term.F * f);
    }
    arguments.push_back((125.044555 - 1934.1361849 * t + 0.0020762 * t * t) * DegToRad);
    arguments.push_back((280.466449 + 36000.7698231 * t + 0.0003106 * t * t) * DegToRad);
    return arguments;
}

}  // namespace

int main()
{
    std::vector<BirthRecord> births = SampleBirths();
    std::vector<std::vector<double>> arguments;
    for (const BirthRecord& birth : births) {
        arguments.push_back(SineArguments(birth));
    }
    const std::size_t n = births.size();

    const bench::Comparison c = bench::Compare(
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                bench::KeepValue(ComputeMoonRashi(births[static_cast<std::size_t>(i) % n]).MoonLongitude);
            }
        },
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                double sum = 0.0;
                for (double a : arguments[static_cast<std::size_t>(i) % n]) {
                    sum += std::sin(a);
                }
                bench::KeepValue(sum);
            }
        },
        2000);

    std::printf("ComputeMoonRashi:      %8.1f ns per call (median)\n", c.FirstNs);
    std::printf("27 sines (floor):      %8.1f ns per call (median)\n", c.SecondNs);
    std::printf("ratio:                 %8.2f (median of alternating rounds; target at most 1.5)\n", c.Ratio);

    std::vector<MoonComputation> readings;
    for (const BirthRecord& birth : births) {
        readings.push_back(ComputeMoonPosition(birth));
    }
    const bench::Comparison search = bench::Compare(
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                const NakshatraStay stay = FindNakshatraStay(readings[static_cast<std::size_t>(i) % n]);
                bench::KeepValue(stay.Leaves ? stay.Leaves->MinutesFromBirth : 0.0);
            }
        },
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                const std::optional<SignStay> stay = FindSignStay(births[static_cast<std::size_t>(i) % n]);
                bench::KeepValue(stay && stay->Leaves ? stay->Leaves->MinutesFromBirth : 0.0);
            }
        },
        200);
    std::printf("FindNakshatraStay:     %8.1f ns per call (median; nakshatra and pada ends)\n", search.FirstNs);
    std::printf("FindSignStay:          %8.1f ns per call (median; the reading and the sign's ends)\n",
                search.SecondNs);
    return 0;
}
