// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/Nakshatra.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// Pada boundaries fall on whole thirds of a degree, so the longitude is
// counted in thirds: the whole degrees exactly, as the sign is, and the
// thirds within the degree from the exact fraction. A fraction this close
// below a third (about a millionth of an arcsecond, far inside any rounding
// of d + m/60 + s/3600 and far below anything the Moon's motion resolves)
// counts as having reached it.
constexpr double kBoundarySlackThirds = 1e-9;
constexpr long long kThirdsPerCircle = 1080;
constexpr long long kThirdsPerPada = 10;
constexpr long long kThirdsPerNakshatra = 40;
constexpr int kMinutesPerThird = 20;

int Mod(long long value, long long divisor)
{
    return static_cast<int>(((value % divisor) + divisor) % divisor);
}

NakshatraPosition Describe(int index, int pada, int minutesInto)
{
    const NakshatraRow& row = NakshatraTable[static_cast<std::size_t>(index)];
    NakshatraPosition p;
    p.Index = index;
    p.Pada = pada;
    p.Degrees = minutesInto / 60;
    p.Minutes = minutesInto % 60;
    p.Name = row.Name;
    p.Lord = row.Lord;
    p.Syllable = NameSyllableTable[static_cast<std::size_t>(index)][static_cast<std::size_t>(pada - 1)];
    return p;
}

}  // namespace

NakshatraPosition NakshatraOf(double siderealLongitude)
{
    const double longitude = std::isfinite(siderealLongitude) ? siderealLongitude : 0.0;
    const double degrees = std::floor(longitude);
    const double thirdsInDegree = (longitude - degrees) * 3.0;  // 0 to 3, exact fraction times 3
    const long long third = std::min(2LL, static_cast<long long>(std::floor(thirdsInDegree + kBoundarySlackThirds)));
    const int thirds = Mod(static_cast<long long>(std::fmod(degrees, 360.0)) * 3 + third, kThirdsPerCircle);

    const int intoNakshatra = thirds % static_cast<int>(kThirdsPerNakshatra);
    const double beyondThird = std::clamp(thirdsInDegree - static_cast<double>(third), 0.0, 1.0);
    const int minutesBeyond = std::min(kMinutesPerThird - 1, static_cast<int>(beyondThird * kMinutesPerThird));
    return Describe(thirds / static_cast<int>(kThirdsPerNakshatra),
                    intoNakshatra / static_cast<int>(kThirdsPerPada) + 1,
                    intoNakshatra * kMinutesPerThird + minutesBeyond);
}

NakshatraPosition PadaPosition(int padaOfZodiac)
{
    const int pada = Mod(padaOfZodiac, PadaCount);
    return Describe(pada / 4, pada % 4 + 1, (pada % 4) * static_cast<int>(kThirdsPerPada) * kMinutesPerThird);
}

}  // namespace orvanta
