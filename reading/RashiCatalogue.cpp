#include "reading/RashiCatalogue.h"

#include <string>

#include "reading/RashiParagraphs.h"

namespace orvanta {
namespace {

// The short columns in four groups, each a table with one rashi per line,
// rows in zodiacal order.

struct Names {
    std::string_view VedicName, EnglishName, Symbol, RulingPlanet;
};

constexpr std::array<Names, 12> NameTable{{
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
}};

struct Classifications {
    std::string_view Element, SignColor, TypeOfSign, Gender, BestPeriodOfActivity, Fertility, SignCaste,
        SignPosition, ConstituentCharacter;
};

constexpr std::array<Classifications, 12> ClassificationTable{{
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
}};

struct LuckyItems {
    std::string_view LuckyDays, LuckyNumbers, BestDirection, LuckyColors, LuckyGemstone;
};

constexpr std::array<LuckyItems, 12> LuckyItemTable{{
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
}};

struct BodyAndCompatibility {
    std::string_view PartOfTheBody, Physique, CompatibleWith, NotCompatibleWith;
};

// The compatibility lists are traditional texts, not derived from the other
// columns: Kanya lists four signs, and Kumbha's list names its own sign.
constexpr std::array<BodyAndCompatibility, 12> BodyAndCompatibilityTable{{
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
}};

RashiCatalogueRow JoinColumns(std::size_t i)
{
    const Names& n = NameTable[i];
    const Classifications& c = ClassificationTable[i];
    const LuckyItems& l = LuckyItemTable[i];
    const BodyAndCompatibility& b = BodyAndCompatibilityTable[i];
    const RashiParagraphs& p = RashiParagraphTexts()[i];
    // Designated initializers: the compiler holds the field order to RashiCatalogueRow's.
    return {
        .VedicName = n.VedicName,
        .EnglishName = n.EnglishName,
        .RulingPlanet = n.RulingPlanet,
        .Symbol = n.Symbol,
        .Element = c.Element,
        .SignColor = c.SignColor,
        .TypeOfSign = c.TypeOfSign,
        .Gender = c.Gender,
        .BestPeriodOfActivity = c.BestPeriodOfActivity,
        .Fertility = c.Fertility,
        .SignCaste = c.SignCaste,
        .SignPosition = c.SignPosition,
        .ConstituentCharacter = c.ConstituentCharacter,
        .LuckyDays = l.LuckyDays,
        .LuckyNumbers = l.LuckyNumbers,
        .BestDirection = l.BestDirection,
        .LuckyColors = l.LuckyColors,
        .LuckyGemstone = l.LuckyGemstone,
        .PartOfTheBody = b.PartOfTheBody,
        .Physique = b.Physique,
        .Looks = p.Looks,
        .Nature = p.Nature,
        .CareerAndFinance = p.CareerAndFinance,
        .LoveAndDomesticLife = p.LoveAndDomesticLife,
        .Health = p.Health,
        .CompatibleWith = b.CompatibleWith,
        .NotCompatibleWith = b.NotCompatibleWith,
    };
}

std::array<RashiCatalogueRow, 12> JoinTables()
{
    std::array<RashiCatalogueRow, 12> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = JoinColumns(i);
    }
    return rows;
}

RashiInformation ToInformation(const RashiCatalogueRow& row)
{
    return {
        .VedicName = std::string(row.VedicName),
        .EnglishName = std::string(row.EnglishName),
        .RulingPlanet = std::string(row.RulingPlanet),
        .Symbol = std::string(row.Symbol),
        .Element = std::string(row.Element),
        .SignColor = std::string(row.SignColor),
        .TypeOfSign = std::string(row.TypeOfSign),
        .Gender = std::string(row.Gender),
        .BestPeriodOfActivity = std::string(row.BestPeriodOfActivity),
        .Fertility = std::string(row.Fertility),
        .SignCaste = std::string(row.SignCaste),
        .SignPosition = std::string(row.SignPosition),
        .ConstituentCharacter = std::string(row.ConstituentCharacter),
        .LuckyDays = std::string(row.LuckyDays),
        .LuckyNumbers = std::string(row.LuckyNumbers),
        .BestDirection = std::string(row.BestDirection),
        .LuckyColors = std::string(row.LuckyColors),
        .LuckyGemstone = std::string(row.LuckyGemstone),
        .PartOfTheBody = std::string(row.PartOfTheBody),
        .Physique = std::string(row.Physique),
        .Looks = std::string(row.Looks),
        .Nature = std::string(row.Nature),
        .CareerAndFinance = std::string(row.CareerAndFinance),
        .LoveAndDomesticLife = std::string(row.LoveAndDomesticLife),
        .Health = std::string(row.Health),
        .CompatibleWith = std::string(row.CompatibleWith),
        .NotCompatibleWith = std::string(row.NotCompatibleWith),
    };
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
            record.SelectedRashi = ToInformation(row);
            return;
        }
    }
}

}  // namespace orvanta
