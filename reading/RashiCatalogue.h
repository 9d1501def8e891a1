// The constant interpretation catalogue of the twelve rashis, and the lookup
// that copies one rashi's 27 texts into the birth record for display.
#pragma once

#include <array>
#include <string_view>

#include "common/BirthRecord.h"

namespace orvanta {

// One rashi's texts, named and ordered exactly like RashiInformation.
struct RashiCatalogueRow {
    std::string_view VedicName;
    std::string_view EnglishName;
    std::string_view RulingPlanet;
    std::string_view Symbol;
    std::string_view Element;
    std::string_view SignColor;
    std::string_view TypeOfSign;
    std::string_view Gender;
    std::string_view BestPeriodOfActivity;
    std::string_view Fertility;
    std::string_view SignCaste;
    std::string_view SignPosition;
    std::string_view ConstituentCharacter;
    std::string_view LuckyDays;
    std::string_view LuckyNumbers;
    std::string_view BestDirection;
    std::string_view LuckyColors;
    std::string_view LuckyGemstone;
    std::string_view PartOfTheBody;
    std::string_view Physique;
    std::string_view Looks;
    std::string_view Nature;
    std::string_view CareerAndFinance;
    std::string_view LoveAndDomesticLife;
    std::string_view Health;
    std::string_view CompatibleWith;
    std::string_view NotCompatibleWith;
};

// The twelve rashis in zodiacal order, Mesha first and Meena last.
const std::array<RashiCatalogueRow, 12>& RashiCatalogue();

// Copies the first row whose VedicName equals name (whole text, case and
// blanks significant) into record.SelectedRashi, replacing all 27 fields.
// An unknown name leaves SelectedRashi exactly as it was.
void GetRashiInformation(std::string_view name, BirthRecord& record);

}  // namespace orvanta
