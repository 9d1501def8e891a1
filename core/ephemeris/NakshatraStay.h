// SPDX-License-Identifier: GPL-3.0-or-later
// When the Moon entered the birth's nakshatra and when it leaves it, and the
// same for its pada: the sign's search run on 13°20' and 3°20' boundaries,
// from the same longitude that names the rashi.
#pragma once

#include <optional>

#include "core/common/CivilTime.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/Nakshatra.h"
#include "core/ephemeris/SignCrossings.h"

namespace orvanta {

// One change of pada (and, at every fourth, of nakshatra) near the birth.
struct PadaCrossing {
    double MinutesFromBirth = 0;  // negative before the entered birth time
    ClockTime Clock;              // on the birth place's clock, to the second
    int PadaBefore = 0;           // counted round the zodiac, 0 to 107
    int PadaAfter = 0;

    bool ChangesNakshatra() const { return PadaAfter % 4 == 0; }
};

struct NakshatraStay {
    NakshatraPosition Position;  // at the birth time
    ClockTime Birth;             // the entered birth time on the same clock
    double AccuracyMinutes = 0;  // the method's accuracy at the Moon's speed
    std::optional<PadaCrossing> Entered;      // the nakshatra's ends
    std::optional<PadaCrossing> Leaves;
    std::optional<PadaCrossing> PadaEntered;  // the pada's ends
    std::optional<PadaCrossing> PadaLeaves;
};

// The stay for a reading, searched on the reading's own longitude.
NakshatraStay FindNakshatraStay(const MoonComputation& reading);

// The same with another search of the same birth (a more exact longitude
// and its accuracy), whose longitude at birth names the nakshatra.
NakshatraStay FindNakshatraStay(const MoonComputation& reading, const CrossingSearch& search);

}  // namespace orvanta
