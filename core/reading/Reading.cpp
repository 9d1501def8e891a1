// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/Reading.h"

#include "core/ephemeris/SignCrossings.h"
#include "core/reading/RashiCatalogue.h"

namespace orvanta {

namespace {

// The stays of the shown Moon: the sign's, and the birth star's.
void AddStays(Reading& reading, const CrossingSearch& search)
{
    if (const std::optional<SignStay> stay = FindSignStay(reading.Moon, search)) {
        reading.SignStay = DescribeSignStay(*stay);
    }
    reading.Nakshatra = FindNakshatraStay(reading.Moon, search);
    reading.NakshatraLines = DescribeNakshatra(*reading.Nakshatra);
}

}  // namespace

ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record, const MoonMethod& method,
                               const PreciseMoonSource* precise)
{
    ComposedReading composed;
    composed.Refusal = CheckBirthData(entry);
    if (composed.Refusal) {
        return composed;
    }
    StoreBirthData(entry, record);
    composed.Value = ComposeReading(record, method, precise);
    return composed;
}

Reading ComposeReading(BirthRecord& record, const MoonMethod& method, const PreciseMoonSource* precise)
{
    Reading reading;
    const Ayanamsa ayanamsa = method.Ayanamsa;
    const MoonComputation classic = ComputeMoonPosition(record);

    // The precise Moon is asked for only where a source is given, and then
    // on every reading: its word is the cross-check's.
    std::optional<MoonComputation> preciseMoon;
    std::optional<PreciseMoonPosition> precisePosition;
    if (precise != nullptr) {
        const PreciseMoonResult at = precise->MoonAt(JulianDayUt(classic.Centuries), ayanamsa);
        if (at) {
            precisePosition = at.Position;
            preciseMoon = WithLongitudes(classic, at.Position->TropicalLongitude, at.Position->SiderealLongitude);
            reading.PreciseData = at.Position->Data;
        } else {
            reading.Check = PreciseMoonMissing(at.Problem);
        }
    }
    const bool followPrecise = method.Ephemeris == MoonEphemeris::SwissEphemeris && preciseMoon;
    reading.Moon = followPrecise ? *preciseMoon : classic;
    reading.Method = {followPrecise ? MoonEphemeris::SwissEphemeris : MoonEphemeris::ClassicSeries, ayanamsa};
    // The precise Moon is checked against the classic one in its own
    // zodiac; the classic reading is checked as it stands, against the
    // reading the link offers.
    if (preciseMoon) {
        reading.Check = CompareMethods(reading.Moon, reading.Method,
                                       followPrecise ? ClassicInZodiac(classic, ayanamsa, *precisePosition)
                                                     : *preciseMoon);
    }

    StoreRashiName(reading.Moon, record);
    GetRashiInformation(record.RashiName, record);
    reading.Rashi = record.SelectedRashi;
    // The stays belong to the computed rashi; an earlier rashi kept because
    // these birth data name none has no stay of theirs to show.
    if (reading.Moon.RashiName.empty() || reading.Moon.RashiName != reading.Rashi.VedicName) {
        return reading;
    }
    if (followPrecise) {
        AddStays(reading, CrossingSearch(PreciseLongitude(*precise, classic.Centuries, ayanamsa),
                                         precisePosition->AccuracyDegrees));
    } else {
        AddStays(reading, CrossingSearch(ReadingLongitude(classic.Centuries), MethodAccuracyDegrees));
    }
    return reading;
}

UiText MethodLine(const Reading& reading)
{
    const UiText method = MethodName(reading.Method);
    if (reading.Method.Ephemeris == MoonEphemeris::SwissEphemeris && reading.PreciseData == PreciseMoonData::AnalyticTheory) {
        //: Which Moon the reading follows: %1 the method ("Swiss Ephemeris (Lahiri)"), from the library's
        //: built-in theory.
        return Compose(ORVANTA_TR("Reading", "Reading by %1, from its analytic theory: its files for this date "
                                             "were not found"),
                       {method});
    }
    //: Which Moon the reading follows: %1 the method ("the classic series" or "Swiss Ephemeris (Lahiri)").
    return Compose(ORVANTA_TR("Reading", "Reading by %1"), {method});
}

}  // namespace orvanta
