// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/Reading.h"

#include "reading/RashiCatalogue.h"

namespace orvanta {

ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record)
{
    ComposedReading composed;
    composed.Refusal = CheckBirthData(entry);
    if (composed.Refusal) {
        return composed;
    }
    StoreBirthData(entry, record);
    composed.Value = ComposeReading(record);
    return composed;
}

Reading ComposeReading(BirthRecord& record)
{
    Reading reading;
    reading.Moon = ComputeMoonRashi(record);
    GetRashiInformation(record.RashiName, record);
    reading.Rashi = record.SelectedRashi;
    // The stays belong to the computed rashi; an earlier rashi kept because
    // these birth data name none has no stay of theirs to show.
    if (reading.Moon.RashiName.empty() || reading.Moon.RashiName != reading.Rashi.VedicName) {
        return reading;
    }
    if (const std::optional<SignStay> stay = FindSignStay(reading.Moon)) {
        reading.SignStay = DescribeSignStay(*stay);
    }
    reading.BirthStar = FindNakshatraStay(reading.Moon);
    reading.BirthStarText = DescribeNakshatra(*reading.BirthStar);
    return reading;
}

}  // namespace orvanta
