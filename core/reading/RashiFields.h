// SPDX-License-Identifier: GPL-3.0-or-later
// The 27 fields of a rashi as the program names them: the result window's
// caption and tool tip, and the report's label, one field a row in catalogue
// order. The two wordings differ on purpose ("Rulling Planet" in the window,
// "Rulling Planet / Lord: " in the report), so each is kept as it stands.
#pragma once

#include <array>
#include <string_view>

#include "core/common/RashiCatalogueRow.h"
#include "core/common/UiText.h"

namespace orvanta {

// The window's texts are looked up in the result window's context, the
// report's labels in the report's.
inline constexpr const char* ResultWindowContext = "orvanta::frmResult";
inline constexpr const char* ReportContext = "Report";

struct RashiField {
    std::string_view RashiCatalogueRow::*Value;
    const char* Caption;      // null: the window shows the field as its heading, uncaptioned
    const char* ReportLabel;
    const char* Hint;         // null: the window gives the field no tool tip
};

inline constexpr std::array<RashiField, 27> RashiFields{{
    // field                                   window caption                                                                    report label                             window tool tip
    {&RashiCatalogueRow::VedicName,            nullptr,                                                                          ORVANTA_TR_TEXT("Report", "Vedic Name: "),                     nullptr},
    {&RashiCatalogueRow::EnglishName,          ORVANTA_TR_TEXT("orvanta::frmResult", "English Name"),                            ORVANTA_TR_TEXT("Report", "English Name: "),                   ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the English name for the Vedic moon sign.")},
    {&RashiCatalogueRow::RulingPlanet,         ORVANTA_TR_TEXT("orvanta::frmResult", "Rulling Planet"),                          ORVANTA_TR_TEXT("Report", "Rulling Planet / Lord: "),          ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the planet that exercises a powerful energy on the sign.")},
    {&RashiCatalogueRow::Symbol,               ORVANTA_TR_TEXT("orvanta::frmResult", "Symbol"),                                  ORVANTA_TR_TEXT("Report", "Symbol: "),                         ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the picture associated with the moon sign.")},
    {&RashiCatalogueRow::Element,              ORVANTA_TR_TEXT("orvanta::frmResult", "Inborn Nature"),                           ORVANTA_TR_TEXT("Report", "Element / Inborn Nature: "),        ORVANTA_TR_TEXT("orvanta::frmResult", "This describes the human characteristics of this sign.")},
    {&RashiCatalogueRow::SignColor,            ORVANTA_TR_TEXT("orvanta::frmResult", "Sign Color"),                              ORVANTA_TR_TEXT("Report", "Sign Color: "),                     ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the color associated with the sign.")},
    {&RashiCatalogueRow::TypeOfSign,           ORVANTA_TR_TEXT("orvanta::frmResult", "Type Of Sign"),                            ORVANTA_TR_TEXT("Report", "Type Of Sign: "),                   ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the attitude of the people under this sign.")},
    {&RashiCatalogueRow::Gender,               ORVANTA_TR_TEXT("orvanta::frmResult", "Gender"),                                  ORVANTA_TR_TEXT("Report", "Gender: "),                         ORVANTA_TR_TEXT("orvanta::frmResult", "The male rashis are more dynamic in nature while the female rashis are passive by nature.")},
    {&RashiCatalogueRow::BestPeriodOfActivity, ORVANTA_TR_TEXT("orvanta::frmResult", "Best Period Of Activity"),                 ORVANTA_TR_TEXT("Report", "Best Period of Activity: "),        ORVANTA_TR_TEXT("orvanta::frmResult", "This shows the best period of the day when people of this sign are more active.")},
    {&RashiCatalogueRow::Fertility,            ORVANTA_TR_TEXT("orvanta::frmResult", "Barren / Fruitful"),                       ORVANTA_TR_TEXT("Report", "Fruitful / Barren: "),              ORVANTA_TR_TEXT("orvanta::frmResult", "This classifies the signs on basis of fertility.")},
    {&RashiCatalogueRow::SignCaste,            ORVANTA_TR_TEXT("orvanta::frmResult", "Sign Caste"),                              ORVANTA_TR_TEXT("Report", "Sign Caste: "),                     ORVANTA_TR_TEXT("orvanta::frmResult", "This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers).")},
    {&RashiCatalogueRow::SignPosition,         ORVANTA_TR_TEXT("orvanta::frmResult", "Sign Position"),                           ORVANTA_TR_TEXT("Report", "Sign Position: "),                  ORVANTA_TR_TEXT("orvanta::frmResult", "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside).")},
    {&RashiCatalogueRow::ConstituentCharacter, ORVANTA_TR_TEXT("orvanta::frmResult", "Constituent Character"),                   ORVANTA_TR_TEXT("Report", "Constituent Characters: "),         ORVANTA_TR_TEXT("orvanta::frmResult", "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal).")},
    {&RashiCatalogueRow::LuckyDays,            ORVANTA_TR_TEXT("orvanta::frmResult", "Lucky Days"),                              ORVANTA_TR_TEXT("Report", "Lucky Days: "),                     ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the lucky days for people born under this sign.")},
    {&RashiCatalogueRow::LuckyNumbers,         ORVANTA_TR_TEXT("orvanta::frmResult", "Lucky Numbers"),                           ORVANTA_TR_TEXT("Report", "Lucky Numbers: "),                  ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the lucky numbers for people born under this sign.")},
    {&RashiCatalogueRow::BestDirection,        ORVANTA_TR_TEXT("orvanta::frmResult", "Best Direction"),                          ORVANTA_TR_TEXT("Report", "Best Direction: "),                 ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the lucky directions for people born under this sign.")},
    {&RashiCatalogueRow::LuckyColors,          ORVANTA_TR_TEXT("orvanta::frmResult", "Lucky Colors"),                            ORVANTA_TR_TEXT("Report", "Lucky Colors: "),                   ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the lucky colors for people born under this sign.")},
    {&RashiCatalogueRow::LuckyGemstone,        ORVANTA_TR_TEXT("orvanta::frmResult", "Lucky Gemstone"),                          ORVANTA_TR_TEXT("Report", "Lucky Gemstone: "),                 ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the lucky gemstones for people born under this sign.")},
    {&RashiCatalogueRow::PartOfTheBody,        ORVANTA_TR_TEXT("orvanta::frmResult", "Part Of The Body"),                        ORVANTA_TR_TEXT("Report", "Part of the Body: "),               ORVANTA_TR_TEXT("orvanta::frmResult", "This shows the parts of the bodies that the different signs represent.")},
    {&RashiCatalogueRow::Physique,             ORVANTA_TR_TEXT("orvanta::frmResult", "Physique"),                                ORVANTA_TR_TEXT("Report", "Physique: "),                       ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the general stature of people born under this sign.")},
    {&RashiCatalogueRow::Looks,                ORVANTA_TR_TEXT("orvanta::frmResult", "Looks"),                                   ORVANTA_TR_TEXT("Report", "Looks: "),                          ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the physical appearance of people born under this sign.")},
    {&RashiCatalogueRow::Nature,               ORVANTA_TR_TEXT("orvanta::frmResult", "Nature"),                                  ORVANTA_TR_TEXT("Report", "Nature: "),                         ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the human nature of people born under this sign.")},
    {&RashiCatalogueRow::CareerAndFinance,     ORVANTA_TR_TEXT("orvanta::frmResult", "Career And Finance"),                      ORVANTA_TR_TEXT("Report", "Career And Finance: "),             ORVANTA_TR_TEXT("orvanta::frmResult", "This shows their career interests and financial habits.")},
    {&RashiCatalogueRow::LoveAndDomesticLife,  ORVANTA_TR_TEXT("orvanta::frmResult", "Love And Domestic Life"),                  ORVANTA_TR_TEXT("Report", "Love And Domestic Life: "),         nullptr},
    {&RashiCatalogueRow::Health,               ORVANTA_TR_TEXT("orvanta::frmResult", "Health"),                                  ORVANTA_TR_TEXT("Report", "Health: "),                         ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the health issues of people born under this rashi.")},
    {&RashiCatalogueRow::CompatibleWith,       ORVANTA_TR_TEXT("orvanta::frmResult", "Compatible With"),                         ORVANTA_TR_TEXT("Report", "Compatible with: "),                ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the other rashis/ moon signs that are compatible with this sign.")},
    {&RashiCatalogueRow::NotCompatibleWith,    ORVANTA_TR_TEXT("orvanta::frmResult", "Not Compatible With"),                     ORVANTA_TR_TEXT("Report", "Not Compatible with: "),            ORVANTA_TR_TEXT("orvanta::frmResult", "This signifies the other rashis/ moon signs that are not compatible with this sign.")},
}};

// The row of a field of RashiCatalogueRow.
constexpr const RashiField& RashiFieldOf(std::string_view RashiCatalogueRow::*value)
{
    for (const RashiField& field : RashiFields) {
        if (field.Value == value) {
            return field;
        }
    }
    return RashiFields.front();
}

}  // namespace orvanta
