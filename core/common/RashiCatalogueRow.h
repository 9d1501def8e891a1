// SPDX-License-Identifier: GPL-3.0-or-later
// The 27 texts of one rashi, in catalogue column order: the one definition
// of the fields that the catalogue, the birth record, the report and the
// result window share. Adding a field means adding it here, to the
// catalogue's tables, and to the places that show it.
#pragma once

#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

// The context the catalogue's texts are translated in: the namespace its
// tables stand in.
inline constexpr const char* CatalogueContext = "orvanta::Catalogue";

// The texts are views into the constant catalogue, which lives as long as
// the program; assign only catalogue texts (or literals) to them. Every
// field starts empty, so a row may name only the fields it fills.
struct RashiCatalogueRow {
    std::string_view VedicName{};
    std::string_view EnglishName{};
    std::string_view RulingPlanet{};
    std::string_view Symbol{};
    std::string_view Element{};
    std::string_view SignColor{};
    std::string_view TypeOfSign{};
    std::string_view Gender{};
    std::string_view BestPeriodOfActivity{};
    std::string_view Fertility{};
    std::string_view SignCaste{};
    std::string_view SignPosition{};
    std::string_view ConstituentCharacter{};
    std::string_view LuckyDays{};
    std::string_view LuckyNumbers{};
    std::string_view BestDirection{};
    std::string_view LuckyColors{};
    std::string_view LuckyGemstone{};
    std::string_view PartOfTheBody{};
    std::string_view Physique{};
    std::string_view Looks{};
    std::string_view Nature{};
    std::string_view CareerAndFinance{};
    std::string_view LoveAndDomesticLife{};
    std::string_view Health{};
    std::string_view CompatibleWith{};
    std::string_view NotCompatibleWith{};

    bool operator==(const RashiCatalogueRow&) const = default;
};

// A text of the catalogue, such as a rashi's name, as a part of a text for
// the user; empty stays empty.
inline UiText CatalogueText(std::string_view text)
{
    return text.empty() ? Verbatim({}) : Compose({CatalogueContext, text.data()});
}

}  // namespace orvanta
