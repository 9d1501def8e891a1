// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/NakshatraStay.h"

namespace orvanta {

namespace {

std::optional<PadaCrossing> Crossing(const MoonComputation& reading, const std::optional<double>& minutes,
                                     int padaBefore)
{
    if (!minutes) {
        return std::nullopt;
    }
    const int before = (padaBefore + PadaCount) % PadaCount;
    return PadaCrossing{*minutes, BirthplaceClock(reading, *minutes), before, (before + 1) % PadaCount};
}

NakshatraStay Find(const MoonComputation& reading, const CrossingSearch& search, double longitudeAtBirth)
{
    NakshatraStay stay;
    stay.Position = NakshatraOf(longitudeAtBirth);
    stay.Birth = BirthplaceClock(reading, 0.0);
    stay.AccuracyMinutes = search.AccuracyMinutes();

    const int pada = stay.Position.PadaOfZodiac();
    const int first = pada - (stay.Position.Pada - 1);
    const ArcStay nakshatra = search.Stay(NakshatraDegrees, stay.Position.Index);
    stay.Entered = Crossing(reading, nakshatra.EnteredMinutes, first - 1);
    stay.Leaves = Crossing(reading, nakshatra.LeavesMinutes, first + 3);
    const ArcStay quarter = search.Stay(PadaDegrees, pada);
    stay.PadaEntered = Crossing(reading, quarter.EnteredMinutes, pada - 1);
    stay.PadaLeaves = Crossing(reading, quarter.LeavesMinutes, pada);
    return stay;
}

}  // namespace

NakshatraStay FindNakshatraStay(const MoonComputation& reading)
{
    const CrossingSearch search(ReadingLongitude(reading.Centuries), MethodAccuracyDegrees);
    return Find(reading, search, reading.MoonLongitude);
}

NakshatraStay FindNakshatraStay(const MoonComputation& reading, const CrossingSearch& search)
{
    return Find(reading, search, search.LongitudeAtBirth());
}

}  // namespace orvanta
