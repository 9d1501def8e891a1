// SPDX-License-Identifier: GPL-3.0-or-later
// One reading, composed in one place from the entered values: the check,
// the birth data stored in the record, the Moon and its rashi by the chosen
// method, the catalogue row, how firm the rashi is, the birth star, and what
// the other method says. Windows, the report, the benchmarks and the tests
// take the value; none of them computes any of it.
#pragma once

#include <optional>

#include "core/common/BirthRecord.h"
#include "core/common/RashiCatalogueRow.h"
#include "core/entry/BirthDataEntry.h"
#include "core/entry/InputRules.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/NakshatraStay.h"
#include "core/ephemeris/PreciseMoon.h"
#include "core/reading/MoonMethod.h"
#include "core/reading/NakshatraText.h"
#include "core/reading/SignStayText.h"

namespace orvanta {

struct Reading {
    MoonComputation Moon;          // the Moon the reading follows, at the birth
    MoonMethod Method;             // which method that is, with the ayanamsa
    std::optional<PreciseMoonData> PreciseData;     // what Swiss Ephemeris computed from
    RashiCatalogueRow Rashi;       // the texts shown: the record's SelectedRashi
    // How firm the rashi is, and the nakshatra (the birth star) with its
    // stay and its lines; empty when the birth data name no sign.
    std::optional<SignStayText> SignStay;
    std::optional<NakshatraStay> Nakshatra;
    std::optional<NakshatraText> NakshatraLines;
    // What the other method says; empty without a precise Moon's source.
    std::optional<CrossCheck> Check;
};

// The entry refused by its first failing check (nothing stored), or its reading.
struct ComposedReading {
    std::optional<ValidationFailure> Refusal;
    Reading Value;
};

// Checks the entry; when it passes, stores it in the record and composes the
// reading by the chosen method. Where the birth data name no sign, the
// record keeps its earlier rashi and texts, and the reading shows them.
// `precise` is where the precise Moon comes from; without one the reading
// follows the classic series, with no cross-check.
ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record, const MoonMethod& method = {},
                               const PreciseMoonSource* precise = nullptr);

// The reading of the birth data the record already holds: the rashi and
// its texts stored in the record as the entry's reading stores them.
Reading ComposeReading(BirthRecord& record, const MoonMethod& method = {}, const PreciseMoonSource* precise = nullptr);

// "Reading by the classic series", "Reading by Swiss Ephemeris (Lahiri)":
// the method the reading follows, with what Swiss Ephemeris computed from.
UiText MethodLine(const Reading& reading);

}  // namespace orvanta
