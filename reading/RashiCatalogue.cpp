// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/RashiCatalogue.h"

#include <string>

#include "reading/RashiParagraphs.h"

namespace orvanta {
namespace {

using R = RashiCatalogueRow;
using Column = std::string_view R::*;

// Some columns of the catalogue as a table: which fields its columns fill,
// then one rashi per line, rows in zodiacal order.
template <std::size_t N>
struct ColumnGroup {
    std::array<Column, N> Columns;
    std::array<std::array<std::string_view, N>, 12> Rows;
};

template <std::size_t N>
void FillColumns(RashiCatalogueRow& row, const ColumnGroup<N>& group, std::size_t i)
{
    for (std::size_t j = 0; j < N; ++j) {
        row.*group.Columns[j] = group.Rows[i][j];
    }
}

// The short columns in four groups.
constexpr ColumnGroup<4> NameTable{{&R::VedicName, &R::EnglishName, &R::Symbol, &R::RulingPlanet}, {{
    // VedicName   EnglishName     Symbol                RulingPlanet
    {"Mesha",      "Aries",        "The Ram",            "Mars"},
    {"Vrishabha",  "Taurus",       "The Bull",           "Venus"},
    {"Mithuna",    "Gemini",       "The Twins",          "Mercury"},
    {"Kataka",     "Cancer",       "The Crab",           "Moon"},
    {"Simha",      "Leo",          "The Lion",           "Sun"},
    {"Kanya",      "Virgo",        "The Virgin",         "Mercury"},
    {"Thula",      "Libra",        "The Balance",        "Venus"},
    {"Vrischika",  "Scorpio",      "The Scorpion",       "Mars"},
    {"Dhanus",     "Sagittarius",  "The Archer",         "Jupiter"},
    {"Makara",     "Capricorn",    "The Crocodile",      "Saturn"},
    {"Kumbha",     "Aquarius",     "The Water Carrier",  "Saturn"},
    {"Meena",      "Pisces",       "The Double Fish",    "Jupiter"},
}}};

constexpr ColumnGroup<9> ClassificationTable{{&R::Element, &R::SignColor, &R::TypeOfSign, &R::Gender,
                                               &R::BestPeriodOfActivity, &R::Fertility, &R::SignCaste,
                                               &R::SignPosition, &R::ConstituentCharacter}, {{
    // Element SignColor              TypeOfSign  Gender     Activity  Fertility         SignCaste     SignPosition  ConstituentCharacter
    {"Fire",   "Red, Brown, Copper",  "Movable",  "Male",    "Night",  "Barren",         "Kshatriya",  "Dwara",      "Mineral (Dhatu)"},
    {"Earth",  "White",               "Fixed",    "Female",  "Night",  "Semi-Fruitful",  "Vaisya",     "Bahya",      "Vegetable (Moola)"},
    {"Air",    "Green",               "Mixed",    "Female",  "Night",  "Barren",         "Sudra",      "Garbha",     "Animal (Jeeva)"},
    {"Water",  "Pink",                "Movable",  "Female",  "Night",  "Fruitful",       "Brahmana",   "Dwara",      "Mineral (Dhatu)"},
    {"Fire",   "White",               "Fixed",    "Male",    "Day",    "Barren",         "Kshatriya",  "Bahya",      "Vegetable (Moola)"},
    {"Earth",  "Multicolored",        "Mixed",    "Female",  "Day",    "Barren",         "Vaisya",     "Garbha",     "Animal (Jeeva)"},
    {"Air",    "Black",               "Movable",  "Male",    "Day",    "Semi-Fruitful",  "Sudra",      "Dwara",      "Mineral (Dhatu)"},
    {"Water",  "Reddish Brown",       "Fixed",    "Female",  "Day",    "Fruitful",       "Brahmana",   "Bahya",      "Vegetable (Moola)"},
    {"Fire",   "Yellowish brown",     "Mixed",    "Male",    "Night",  "Semi-Fruitful",  "Kshatriya",  "Garbha",     "Animal (Jeeva)"},
    {"Earth",  "Multicolored",        "Movable",  "Female",  "Night",  "Barren",         "Vaisya",     "Dwara",      "Mineral (Dhatu)"},
    {"Air",    "Deep Brown",          "Fixed",    "Male",    "Day",    "Semi-Fruitful",  "Sudra",      "Bahya",      "Vegetable (Moola)"},
    {"Water",  "Blue",                "Mixed",    "Female",  "Day",    "Fruitful",       "Brahmana",   "Garbha",     "Animal (Jeeva)"},
}}};

constexpr ColumnGroup<5> LuckyItemTable{{&R::LuckyDays, &R::LuckyNumbers, &R::BestDirection, &R::LuckyColors,
                                          &R::LuckyGemstone}, {{
    // LuckyDays                     LuckyNumbers   BestDirection  LuckyColors                   LuckyGemstone
    {"Monday, Tuesday",              "9, 1",        "East",        "Red, Brown, Copper",         "Coral"},
    {"Thursday, Friday",             "2, 8",        "South",       "Pink, Green",                "Diamond"},
    {"Monday, Wednesday",            "3, 7",        "West",        "Yellow, Purple, Blue",       "Emerald"},
    {"Monday, Thursday",             "2, 7, 9",     "North",       "White, Red, Yellow",         "Pearl"},
    {"Sunday, Monday",               "1, 4, 5, 9",  "East",        "Orange, Red, Green",         "Ruby"},
    {"Wednesday, Friday",            "2, 3, 5, 6",  "South",       "Green",                      "Emerald"},
    {"Friday, Wednesday, Thursday",  "1, 2, 4",     "West",        "White, Green, Yellow",       "Diamond"},
    {"Monday, Tuesday, Thursday",    "3, 7, 9",     "North",       "Brown, Red, Yellow, White",  "Coral"},
    {"Sunday, Thursday",             "3, 5, 6, 8",  "East",        "Yellow, Gray, Brown",        "Yellow Sapphire"},
    {"Saturday, Wednesday",          "6, 8, 9",     "South",       "Black, Blue",                "Blue Sapphire"},
    {"Thursday, Friday, Saturday",   "2, 3, 7, 9",  "West",        "Blue, Black",                "Blue Sapphire"},
    {"Thursday, Monday, Tuesday",    "1, 3, 4",     "North",       "Pink, Cream",                "Yellow Sapphire"},
}}};

// The compatibility lists are traditional texts, not derived from the other
// columns: Kanya lists four signs, and Kumbha's list names its own sign.
constexpr ColumnGroup<4> BodyAndCompatibilityTable{{&R::PartOfTheBody, &R::Physique, &R::CompatibleWith,
                                                     &R::NotCompatibleWith}, {{
    // PartOfTheBody           Physique  CompatibleWith                                  NotCompatibleWith
    {"Head",                   "Short",  "Leo, Sagittarius, Gemini, Aquarius, Libra",    "Scorpio, Pisces, Cancer"},
    {"Face",                   "Short",  "Cancer, Virgo, Scorpio, Capricorn, Pisces",    "Gemini, Aquarius, Libra"},
    {"Shoulders",              "Even",   "Aries, Leo, Libra, Sagittarius, Aquarius",     "Taurus, Virgo, Capricorn"},
    {"Chest",                  "Even",   "Virgo, Scorpio, Capricorn, Pisces, Taurus",    "Aries, Leo, Sagittarius"},
    {"Heart & Stomach",        "Tall",   "Libra, Sagittarius, Aquarius, Aries, Gemini",  "Scorpio, Pisces, Cancer"},
    {"Abdomen",                "Tall",   "Scorpio, Capricorn, Pisces, Cancer",           "Gemini, Aquarius, Libra"},
    {"Lower Abdomen & Groin",  "Tall",   "Sagittarius, Aquarius, Aries, Gemini, Leo",    "Taurus, Virgo, Capricorn"},
    {"External Genitalia",     "Tall",   "Capricorn, Pisces, Taurus, Cancer, Virgo",     "Aries, Leo, Sagittarius"},
    {"Thighs",                 "Even",   "Aquarius, Aries, Gemini, Leo, Libra",          "Scorpio, Pisces, Cancer"},
    {"Knees",                  "Even",   "Pisces, Taurus, Cancer, Virgo, Scorpio",       "Gemini, Aquarius, Libra"},
    {"Calves",                 "Short",  "Aquarius, Libra, Gemini",                      "Taurus, Virgo, Capricorn"},
    {"Feet",                   "Short",  "Taurus, Cancer, Virgo, Scorpio, Capricorn",    "Aries, Leo, Sagittarius"},
}}};

// A rashi's paragraphs, with the short columns filled in from the tables.
RashiCatalogueRow JoinColumns(std::size_t i)
{
    RashiCatalogueRow row = RashiParagraphTexts()[i];
    FillColumns(row, NameTable, i);
    FillColumns(row, ClassificationTable, i);
    FillColumns(row, LuckyItemTable, i);
    FillColumns(row, BodyAndCompatibilityTable, i);
    return row;
}

std::array<RashiCatalogueRow, 12> JoinTables()
{
    std::array<RashiCatalogueRow, 12> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = JoinColumns(i);
    }
    return rows;
}

}  // namespace

const std::array<RashiCatalogueRow, 12>& RashiCatalogue()
{
    static const std::array<RashiCatalogueRow, 12> rows = JoinTables();
    return rows;
}

void GetRashiInformation(std::string_view name, BirthRecord& record)
{
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        if (row.VedicName == name) {
            record.SelectedRashi = row;
            return;
        }
    }
}

}  // namespace orvanta
