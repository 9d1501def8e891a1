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

// How a reading finds the Moon: the user's choice, and where the precise
// Moon comes from (none: the classic series alone, without a cross-check).
struct ReadingMethod {
    MoonChoice Choice;
    const PreciseMoonSource* Precise = nullptr;
};

struct Reading {
    MoonComputation Moon;          // the Moon the reading follows, at the birth
    MoonMethod Method = MoonMethod::ClassicSeries;  // which method that is
    Ayanamsa Zodiac = DefaultAyanamsa;              // Swiss Ephemeris's, and the cross-check's
    std::optional<PreciseMoonData> PreciseData;     // what Swiss Ephemeris computed from
    RashiCatalogueRow Rashi;       // the texts shown: the record's SelectedRashi
    // How firm the rashi is, and the birth star with its stay; empty when
    // the birth data name no sign, or another than the one shown.
    std::optional<SignStayText> SignStay;
    std::optional<NakshatraStay> BirthStar;
    std::optional<NakshatraText> BirthStarText;
    // What the other method says; empty without a precise Moon's source.
    std::optional<CrossCheck> Check;
};

// The entry refused by its first failing check (nothing stored), or its reading.
struct ComposedReading {
    std::optional<ValidationFailure> Refusal;
    Reading Value;
};

// Checks the entry; when it passes, stores it in the record and composes the
// reading. Where the birth data name no sign, the record keeps its earlier
// rashi and texts, and the reading shows them.
ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record, const ReadingMethod& method = {});

// The reading of the birth data the record already holds: the rashi and
// its texts stored in the record as the entry's reading stores them.
Reading ComposeReading(BirthRecord& record, const ReadingMethod& method = {});

// "Reading by the classic series", "Reading by Swiss Ephemeris (Lahiri)":
// the method the reading follows, with what Swiss Ephemeris computed from.
UiText MethodLine(const Reading& reading);

}  // namespace orvanta
