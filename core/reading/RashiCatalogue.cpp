// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/RashiCatalogue.h"

#include <string>

#include "core/common/UiText.h"
#include "core/reading/RashiParagraphs.h"

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

// The tables stand in a namespace of their own, which the translation tools
// take as the context of their texts (CatalogueContext).
namespace Catalogue {

// The words of the classification columns, each with what it classifies,
// since a word such as "Mixed" or "Night" alone does not say.
//: The element of a rashi (tattva).
constexpr const char* Fire = TR_("Fire");
//: The element of a rashi (tattva).
constexpr const char* Earth = TR_("Earth");
//: The element of a rashi (tattva).
constexpr const char* Air = TR_("Air");
//: The element of a rashi (tattva).
constexpr const char* Water = TR_("Water");
//: The type of a rashi: movable (chara).
constexpr const char* Movable = TR_("Movable");
//: The type of a rashi: fixed (sthira).
constexpr const char* Fixed = TR_("Fixed");
//: The type of a rashi: mixed, dual (dvisvabhava).
constexpr const char* Mixed = TR_("Mixed");
//: The gender of a rashi.
constexpr const char* Male = TR_("Male");
//: The gender of a rashi.
constexpr const char* Female = TR_("Female");
//: A rashi's best period of activity: the day time.
constexpr const char* Day = TR_("Day");
//: A rashi's best period of activity: the night.
constexpr const char* Night = TR_("Night");
//: The fertility of a rashi.
constexpr const char* Fruitful = TR_("Fruitful");
//: The fertility of a rashi.
constexpr const char* SemiFruitful = TR_("Semi-Fruitful");
//: The fertility of a rashi.
constexpr const char* Barren = TR_("Barren");
//: The caste (varna) of a rashi.
constexpr const char* Brahmana = TR_("Brahmana");
//: The caste (varna) of a rashi.
constexpr const char* Kshatriya = TR_("Kshatriya");
//: The caste (varna) of a rashi.
constexpr const char* Vaisya = TR_("Vaisya");
//: The caste (varna) of a rashi.
constexpr const char* Sudra = TR_("Sudra");
//: The position of a rashi: the entrance (dvara).
constexpr const char* Dwara = TR_("Dwara");
//: The position of a rashi: outside (bahya).
constexpr const char* Bahya = TR_("Bahya");
//: The position of a rashi: inside (garbha).
constexpr const char* Garbha = TR_("Garbha");
//: The constituent character of a rashi: mineral (dhatu).
constexpr const char* Mineral = TR_("Mineral (Dhatu)");
//: The constituent character of a rashi: vegetable (mula).
constexpr const char* Vegetable = TR_("Vegetable (Moola)");
//: The constituent character of a rashi: animal (jiva).
constexpr const char* Animal = TR_("Animal (Jeeva)");
//: The physique of people of a rashi: short of stature.
constexpr const char* Short = TR_("Short");
//: The physique of people of a rashi: of middle stature.
constexpr const char* Even = TR_("Even");
//: The physique of people of a rashi: tall.
constexpr const char* Tall = TR_("Tall");

// The short columns in four groups. The English names and the lucky
// numbers stay as they are in every language.
constexpr ColumnGroup<4> NameTable{{&R::VedicName, &R::EnglishName, &R::Symbol, &R::RulingPlanet}, {{
    //    VedicName           EnglishName      Symbol                      RulingPlanet
    {TR_("Mesha"),       "Aries",         TR_("The Ram"),             TR_("Mars")},
    {TR_("Vrishabha"),   "Taurus",        TR_("The Bull"),            TR_("Venus")},
    {TR_("Mithuna"),     "Gemini",        TR_("The Twins"),           TR_("Mercury")},
    {TR_("Kataka"),      "Cancer",        TR_("The Crab"),            TR_("Moon")},
    {TR_("Simha"),       "Leo",           TR_("The Lion"),            TR_("Sun")},
    {TR_("Kanya"),       "Virgo",         TR_("The Virgin"),          TR_("Mercury")},
    {TR_("Thula"),       "Libra",         TR_("The Balance"),         TR_("Venus")},
    {TR_("Vrischika"),   "Scorpio",       TR_("The Scorpion"),        TR_("Mars")},
    {TR_("Dhanus"),      "Sagittarius",   TR_("The Archer"),          TR_("Jupiter")},
    {TR_("Makara"),      "Capricorn",     TR_("The Crocodile"),       TR_("Saturn")},
    {TR_("Kumbha"),      "Aquarius",      TR_("The Water Carrier"),   TR_("Saturn")},
    {TR_("Meena"),       "Pisces",        TR_("The Double Fish"),     TR_("Jupiter")},
}}};

constexpr ColumnGroup<9> ClassificationTable{{&R::Element, &R::SignColor, &R::TypeOfSign, &R::Gender,
                                               &R::BestPeriodOfActivity, &R::Fertility, &R::SignCaste,
                                               &R::SignPosition, &R::ConstituentCharacter}, {{
    //Element  SignColor                    TypeOfSign  Gender   Activity  Fertility      SignCaste   SignPosition  ConstituentCharacter
    {Fire,     TR_("Red, Brown, Copper"),   Movable,    Male,    Night,    Barren,        Kshatriya,  Dwara,        Mineral},
    {Earth,    TR_("White"),                Fixed,      Female,  Night,    SemiFruitful,  Vaisya,     Bahya,        Vegetable},
    {Air,      TR_("Green"),                Mixed,      Female,  Night,    Barren,        Sudra,      Garbha,       Animal},
    {Water,    TR_("Pink"),                 Movable,    Female,  Night,    Fruitful,      Brahmana,   Dwara,        Mineral},
    {Fire,     TR_("White"),                Fixed,      Male,    Day,      Barren,        Kshatriya,  Bahya,        Vegetable},
    {Earth,    TR_("Multicolored"),         Mixed,      Female,  Day,      Barren,        Vaisya,     Garbha,       Animal},
    {Air,      TR_("Black"),                Movable,    Male,    Day,      SemiFruitful,  Sudra,      Dwara,        Mineral},
    {Water,    TR_("Reddish Brown"),        Fixed,      Female,  Day,      Fruitful,      Brahmana,   Bahya,        Vegetable},
    {Fire,     TR_("Yellowish brown"),      Mixed,      Male,    Night,    SemiFruitful,  Kshatriya,  Garbha,       Animal},
    {Earth,    TR_("Multicolored"),         Movable,    Female,  Night,    Barren,        Vaisya,     Dwara,        Mineral},
    {Air,      TR_("Deep Brown"),           Fixed,      Male,    Day,      SemiFruitful,  Sudra,      Bahya,        Vegetable},
    {Water,    TR_("Blue"),                 Mixed,      Female,  Day,      Fruitful,      Brahmana,   Garbha,       Animal},
}}};

constexpr ColumnGroup<5> LuckyItemTable{{&R::LuckyDays, &R::LuckyNumbers, &R::BestDirection, &R::LuckyColors,
                                          &R::LuckyGemstone}, {{
    //    LuckyDays                             LuckyNumbers    BestDirection   LuckyColors                         LuckyGemstone
    {TR_("Monday, Tuesday"),               "9, 1",         TR_("East"),    TR_("Red, Brown, Copper"),          TR_("Coral")},
    {TR_("Thursday, Friday"),              "2, 8",         TR_("South"),   TR_("Pink, Green"),                 TR_("Diamond")},
    {TR_("Monday, Wednesday"),             "3, 7",         TR_("West"),    TR_("Yellow, Purple, Blue"),        TR_("Emerald")},
    {TR_("Monday, Thursday"),              "2, 7, 9",      TR_("North"),   TR_("White, Red, Yellow"),          TR_("Pearl")},
    {TR_("Sunday, Monday"),                "1, 4, 5, 9",   TR_("East"),    TR_("Orange, Red, Green"),          TR_("Ruby")},
    {TR_("Wednesday, Friday"),             "2, 3, 5, 6",   TR_("South"),   TR_("Green"),                       TR_("Emerald")},
    {TR_("Friday, Wednesday, Thursday"),   "1, 2, 4",      TR_("West"),    TR_("White, Green, Yellow"),        TR_("Diamond")},
    {TR_("Monday, Tuesday, Thursday"),     "3, 7, 9",      TR_("North"),   TR_("Brown, Red, Yellow, White"),   TR_("Coral")},
    {TR_("Sunday, Thursday"),              "3, 5, 6, 8",   TR_("East"),    TR_("Yellow, Gray, Brown"),         TR_("Yellow Sapphire")},
    {TR_("Saturday, Wednesday"),           "6, 8, 9",      TR_("South"),   TR_("Black, Blue"),                 TR_("Blue Sapphire")},
    {TR_("Thursday, Friday, Saturday"),    "2, 3, 7, 9",   TR_("West"),    TR_("Blue, Black"),                 TR_("Blue Sapphire")},
    {TR_("Thursday, Monday, Tuesday"),     "1, 3, 4",      TR_("North"),   TR_("Pink, Cream"),                 TR_("Yellow Sapphire")},
}}};

// The compatibility lists are traditional texts, not derived from the other
// columns: Kanya lists four signs, and Kumbha's list names its own sign.
// They name the signs by their English names; a translation names them as
// its readers know the rashis.
constexpr ColumnGroup<4> BodyAndCompatibilityTable{{&R::PartOfTheBody, &R::Physique, &R::CompatibleWith,
                                                     &R::NotCompatibleWith}, {{
    //    PartOfTheBody                   Physique   CompatibleWith                                        NotCompatibleWith
    {TR_("Head"),                    Short,     TR_("Leo, Sagittarius, Gemini, Aquarius, Libra"),     TR_("Scorpio, Pisces, Cancer")},
    {TR_("Face"),                    Short,     TR_("Cancer, Virgo, Scorpio, Capricorn, Pisces"),     TR_("Gemini, Aquarius, Libra")},
    {TR_("Shoulders"),               Even,      TR_("Aries, Leo, Libra, Sagittarius, Aquarius"),      TR_("Taurus, Virgo, Capricorn")},
    {TR_("Chest"),                   Even,      TR_("Virgo, Scorpio, Capricorn, Pisces, Taurus"),     TR_("Aries, Leo, Sagittarius")},
    {TR_("Heart & Stomach"),         Tall,      TR_("Libra, Sagittarius, Aquarius, Aries, Gemini"),   TR_("Scorpio, Pisces, Cancer")},
    {TR_("Abdomen"),                 Tall,      TR_("Scorpio, Capricorn, Pisces, Cancer"),            TR_("Gemini, Aquarius, Libra")},
    {TR_("Lower Abdomen & Groin"),   Tall,      TR_("Sagittarius, Aquarius, Aries, Gemini, Leo"),     TR_("Taurus, Virgo, Capricorn")},
    {TR_("External Genitalia"),      Tall,      TR_("Capricorn, Pisces, Taurus, Cancer, Virgo"),      TR_("Aries, Leo, Sagittarius")},
    {TR_("Thighs"),                  Even,      TR_("Aquarius, Aries, Gemini, Leo, Libra"),           TR_("Scorpio, Pisces, Cancer")},
    {TR_("Knees"),                   Even,      TR_("Pisces, Taurus, Cancer, Virgo, Scorpio"),        TR_("Gemini, Aquarius, Libra")},
    {TR_("Calves"),                  Short,     TR_("Aquarius, Libra, Gemini"),                       TR_("Taurus, Virgo, Capricorn")},
    {TR_("Feet"),                    Short,     TR_("Taurus, Cancer, Virgo, Scorpio, Capricorn"),     TR_("Aries, Leo, Sagittarius")},
}}};

}  // namespace Catalogue

// A rashi's paragraphs, with the short columns filled in from the tables.
RashiCatalogueRow JoinColumns(std::size_t i)
{
    RashiCatalogueRow row = RashiParagraphTexts()[i];
    FillColumns(row, Catalogue::NameTable, i);
    FillColumns(row, Catalogue::ClassificationTable, i);
    FillColumns(row, Catalogue::LuckyItemTable, i);
    FillColumns(row, Catalogue::BodyAndCompatibilityTable, i);
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
