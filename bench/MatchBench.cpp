// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of matching one pair: the eight kootas of two Moon places against
// the whole match of two composed readings, with every row's texts, the
// total, the verdict and the doshas (what the window and the report show).
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "core/matching/Match.h"
#include "core/reading/Reading.h"

using namespace orvanta;

namespace {

// Readings of births spread over the years and the zodiac.
std::vector<Reading> SampleReadings()
{
    std::vector<Reading> readings;
    for (int i = 0; i < 32; ++i) {
        BirthRecord r;
        r.BirthYear = static_cast<std::int16_t>(1950 + (i * 7) % 70);
        r.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
        r.BirthDay = static_cast<std::int16_t>(1 + (i * 5) % 28);
        r.BirthHour = static_cast<std::int16_t>((i * 5) % 24);
        r.BirthMinute = static_cast<std::int16_t>((i * 11) % 60);
        r.ZoneHours = 5, r.ZoneMinutes = 30, r.LongitudeDegrees = 77, r.LongitudeEast = true;
        readings.push_back(ComposeReading(r));
    }
    return readings;
}

}  // namespace

int main()
{
    const std::vector<Reading> readings = SampleReadings();
    std::vector<MoonPlace> places;
    for (const Reading& reading : readings) {
        places.push_back(PossiblePlaces(reading).front());
    }
    const std::size_t n = readings.size();

    const bench::Comparison c = bench::Compare(
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                const auto at = static_cast<std::size_t>(i);
                bench::KeepValue(MatchReadings(readings[at % n], readings[(at / n + at) % n])->MinTotalHalves);
            }
        },
        [&](int iterations) {
            for (int i = 0; i < iterations; ++i) {
                const auto at = static_cast<std::size_t>(i);
                bench::KeepValue(ScoreAshtakoota(places[at % n], places[(at / n + at) % n]).TotalHalves);
            }
        },
        2000);
    std::printf("Match of two readings, with its texts: %8.2f us per pair\n", c.FirstNs / 1000.0);
    std::printf("The eight kootas of two Moon places:   %8.3f us per pair\n", c.SecondNs / 1000.0);
    std::printf("The texts and the doubt cost %.0f times the scoring.\n", c.Ratio);
    return 0;
}
