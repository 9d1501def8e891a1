// The five descriptive paragraphs of each rashi. They live apart from the
// short columns so that those stay readable as tables.
#pragma once

#include <array>
#include <string_view>

namespace orvanta {

struct RashiParagraphs {
    std::string_view Looks;
    std::string_view Nature;
    std::string_view CareerAndFinance;
    std::string_view LoveAndDomesticLife;
    std::string_view Health;
};

// Rows in the catalogue's order, Mesha to Meena.
const std::array<RashiParagraphs, 12>& RashiParagraphTexts();

}  // namespace orvanta
