// SPDX-License-Identifier: GPL-3.0-or-later
// The constant interpretation catalogue of the twelve rashis, and the lookup
// that copies one rashi's 27 texts into the birth record for display.
#pragma once

#include <array>
#include <string_view>

#include "core/common/BirthRecord.h"
#include "core/common/RashiCatalogueRow.h"

namespace orvanta {

// The twelve rashis in zodiacal order, Mesha first and Meena last.
const std::array<RashiCatalogueRow, 12>& RashiCatalogue();

// Copies the first row whose VedicName equals name (whole text, case and
// blanks significant) into record.SelectedRashi, replacing all 27 fields.
// An unknown name leaves SelectedRashi exactly as it was.
void GetRashiInformation(std::string_view name, BirthRecord& record);

}  // namespace orvanta
