// SPDX-License-Identifier: GPL-3.0-or-later
// The five descriptive paragraphs of each rashi. They live apart from the
// short columns so that those stay readable as tables.
#pragma once

#include <array>

#include "core/common/RashiCatalogueRow.h"

namespace orvanta {

// Rows in the catalogue's order, Mesha to Meena, with only the five
// paragraph fields (Looks, Nature, CareerAndFinance, LoveAndDomesticLife,
// Health) filled.
const std::array<RashiCatalogueRow, 12>& RashiParagraphTexts();

}  // namespace orvanta
