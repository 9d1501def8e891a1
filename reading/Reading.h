// SPDX-License-Identifier: GPL-3.0-or-later
// One reading, composed in one place from the entered values: the check,
// the birth data stored in the record, the Moon and its rashi, the
// catalogue row, and how firm the rashi is. Windows, the report, the
// benchmarks and the tests take the value; none of them computes any of it.
#pragma once

#include <optional>

#include "common/BirthRecord.h"
#include "common/RashiCatalogueRow.h"
#include "entry/BirthDataEntry.h"
#include "entry/InputRules.h"
#include "ephemeris/MoonRashi.h"
#include "ephemeris/NakshatraStay.h"
#include "reading/NakshatraText.h"
#include "reading/SignStayText.h"

namespace orvanta {

struct Reading {
    MoonComputation Moon;          // the lunar series at the birth
    RashiCatalogueRow Rashi;       // the texts shown: the record's SelectedRashi
    // How firm the rashi is, and the birth star with its stay; empty when
    // the birth data name no sign, or another than the one shown.
    std::optional<SignStayText> SignStay;
    std::optional<NakshatraStay> BirthStar;
    std::optional<NakshatraText> BirthStarText;
};

// The entry refused by its first failing check (nothing stored), or its reading.
struct ComposedReading {
    std::optional<ValidationFailure> Refusal;
    Reading Value;
};

// Checks the entry; when it passes, stores it in the record and composes the
// reading. Where the birth data name no sign, the record keeps its earlier
// rashi and texts, and the reading shows them.
ComposedReading ComposeReading(const BirthDataEntry& entry, BirthRecord& record);

// The reading of the birth data the record already holds: the rashi and
// its texts stored in the record as the entry's reading stores them.
Reading ComposeReading(BirthRecord& record);

}  // namespace orvanta
