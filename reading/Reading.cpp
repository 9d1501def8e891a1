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
    reading.SignStay = DescribeSignStayOf(record);
    return reading;
}

}  // namespace orvanta
