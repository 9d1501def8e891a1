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
    reading.BirthStar = FindNakshatraStay(reading.Moon, search);
    reading.BirthStarText = DescribeNakshatra(*reading.BirthStar);
}

}  // namespace

ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record, const ReadingMethod& method)
{
    ComposedReading composed;
    composed.Refusal = CheckBirthData(entry);
    if (composed.Refusal) {
        return composed;
    }
    StoreBirthData(entry, record);
    composed.Value = ComposeReading(record, method);
    return composed;
}

Reading ComposeReading(BirthRecord& record, const ReadingMethod& method)
{
    Reading reading;
    reading.Zodiac = method.Choice.Zodiac;
    const MoonComputation classic = ComputeMoonPosition(record);

    // The precise Moon is asked for only where a source is given, and then
    // on every reading: its word is the cross-check's.
    std::optional<MoonComputation> precise;
    double preciseAccuracy = EphemerisFilesAccuracyDegrees;
    if (method.Precise != nullptr) {
        const PreciseMoonResult at = method.Precise->MoonAt(JulianDayUt(classic.Centuries), reading.Zodiac);
        if (at) {
            precise = WithLongitudes(classic, at.Position->TropicalLongitude, at.Position->SiderealLongitude);
            reading.PreciseData = at.Position->Data;
            preciseAccuracy = at.Position->AccuracyDegrees;
        } else {
            reading.Check = PreciseMoonMissing(at.Problem);
        }
    }
    const bool followPrecise = method.Choice.Method == MoonMethod::SwissEphemeris && precise;
    reading.Moon = followPrecise ? *precise : classic;
    reading.Method = followPrecise ? MoonMethod::SwissEphemeris : MoonMethod::ClassicSeries;
    if (precise) {
        reading.Check = CompareMethods(reading.Moon, reading.Method, followPrecise ? classic : *precise, reading.Zodiac);
    }

    if (!reading.Moon.RashiName.empty()) {
        record.RashiName = reading.Moon.RashiName;
    }
    GetRashiInformation(record.RashiName, record);
    reading.Rashi = record.SelectedRashi;
    // The stays belong to the computed rashi; an earlier rashi kept because
    // these birth data name none has no stay of theirs to show.
    if (reading.Moon.RashiName.empty() || reading.Moon.RashiName != reading.Rashi.VedicName) {
        return reading;
    }
    if (followPrecise) {
        AddStays(reading,
                 CrossingSearch(PreciseLongitude(*method.Precise, classic.Centuries, reading.Zodiac), preciseAccuracy));
    } else {
        AddStays(reading, CrossingSearch(ReadingLongitude(classic.Centuries), MethodAccuracyDegrees));
    }
    return reading;
}

UiText MethodLine(const Reading& reading)
{
    const UiText method = MethodName(reading.Method, reading.Zodiac);
    if (reading.Method == MoonMethod::SwissEphemeris && reading.PreciseData == PreciseMoonData::AnalyticTheory) {
        return Compose(ORVANTA_TR("Reading", "Reading by %1, from its analytic theory: its files for this date "
                                             "were not found"),
                       {method});
    }
    return Compose(ORVANTA_TR("Reading", "Reading by %1"), {method});
}

}  // namespace orvanta
