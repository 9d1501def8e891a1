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

// The short columns in four groups.
constexpr ColumnGroup<4> NameTable{{&R::VedicName, &R::EnglishName, &R::Symbol, &R::RulingPlanet}, {{
    //    VedicName           EnglishName           Symbol                      RulingPlanet
    {TR_("Mesha"),       TR_("Aries"),         TR_("The Ram"),             TR_("Mars")},
    {TR_("Vrishabha"),   TR_("Taurus"),        TR_("The Bull"),            TR_("Venus")},
    {TR_("Mithuna"),     TR_("Gemini"),        TR_("The Twins"),           TR_("Mercury")},
    {TR_("Kataka"),      TR_("Cancer"),        TR_("The Crab"),            TR_("Moon")},
    {TR_("Simha"),       TR_("Leo"),           TR_("The Lion"),            TR_("Sun")},
    {TR_("Kanya"),       TR_("Virgo"),         TR_("The Virgin"),          TR_("Mercury")},
    {TR_("Thula"),       TR_("Libra"),         TR_("The Balance"),         TR_("Venus")},
    {TR_("Vrischika"),   TR_("Scorpio"),       TR_("The Scorpion"),        TR_("Mars")},
    {TR_("Dhanus"),      TR_("Sagittarius"),   TR_("The Archer"),          TR_("Jupiter")},
    {TR_("Makara"),      TR_("Capricorn"),     TR_("The Crocodile"),       TR_("Saturn")},
    {TR_("Kumbha"),      TR_("Aquarius"),      TR_("The Water Carrier"),   TR_("Saturn")},
    {TR_("Meena"),       TR_("Pisces"),        TR_("The Double Fish"),     TR_("Jupiter")},
}}};

constexpr ColumnGroup<9> ClassificationTable{{&R::Element, &R::SignColor, &R::TypeOfSign, &R::Gender,
                                               &R::BestPeriodOfActivity, &R::Fertility, &R::SignCaste,
                                               &R::SignPosition, &R::ConstituentCharacter}, {{
    //    Element         SignColor                    TypeOfSign        Gender           Activity        Fertility               SignCaste           SignPosition     ConstituentCharacter
    {TR_("Fire"),    TR_("Red, Brown, Copper"),   TR_("Movable"),   TR_("Male"),     TR_("Night"),   TR_("Barren"),          TR_("Kshatriya"),   TR_("Dwara"),    TR_("Mineral (Dhatu)")},
    {TR_("Earth"),   TR_("White"),                TR_("Fixed"),     TR_("Female"),   TR_("Night"),   TR_("Semi-Fruitful"),   TR_("Vaisya"),      TR_("Bahya"),    TR_("Vegetable (Moola)")},
    {TR_("Air"),     TR_("Green"),                TR_("Mixed"),     TR_("Female"),   TR_("Night"),   TR_("Barren"),          TR_("Sudra"),       TR_("Garbha"),   TR_("Animal (Jeeva)")},
    {TR_("Water"),   TR_("Pink"),                 TR_("Movable"),   TR_("Female"),   TR_("Night"),   TR_("Fruitful"),        TR_("Brahmana"),    TR_("Dwara"),    TR_("Mineral (Dhatu)")},
    {TR_("Fire"),    TR_("White"),                TR_("Fixed"),     TR_("Male"),     TR_("Day"),     TR_("Barren"),          TR_("Kshatriya"),   TR_("Bahya"),    TR_("Vegetable (Moola)")},
    {TR_("Earth"),   TR_("Multicolored"),         TR_("Mixed"),     TR_("Female"),   TR_("Day"),     TR_("Barren"),          TR_("Vaisya"),      TR_("Garbha"),   TR_("Animal (Jeeva)")},
    {TR_("Air"),     TR_("Black"),                TR_("Movable"),   TR_("Male"),     TR_("Day"),     TR_("Semi-Fruitful"),   TR_("Sudra"),       TR_("Dwara"),    TR_("Mineral (Dhatu)")},
    {TR_("Water"),   TR_("Reddish Brown"),        TR_("Fixed"),     TR_("Female"),   TR_("Day"),     TR_("Fruitful"),        TR_("Brahmana"),    TR_("Bahya"),    TR_("Vegetable (Moola)")},
    {TR_("Fire"),    TR_("Yellowish brown"),      TR_("Mixed"),     TR_("Male"),     TR_("Night"),   TR_("Semi-Fruitful"),   TR_("Kshatriya"),   TR_("Garbha"),   TR_("Animal (Jeeva)")},
    {TR_("Earth"),   TR_("Multicolored"),         TR_("Movable"),   TR_("Female"),   TR_("Night"),   TR_("Barren"),          TR_("Vaisya"),      TR_("Dwara"),    TR_("Mineral (Dhatu)")},
    {TR_("Air"),     TR_("Deep Brown"),           TR_("Fixed"),     TR_("Male"),     TR_("Day"),     TR_("Semi-Fruitful"),   TR_("Sudra"),       TR_("Bahya"),    TR_("Vegetable (Moola)")},
    {TR_("Water"),   TR_("Blue"),                 TR_("Mixed"),     TR_("Female"),   TR_("Day"),     TR_("Fruitful"),        TR_("Brahmana"),    TR_("Garbha"),   TR_("Animal (Jeeva)")},
}}};

constexpr ColumnGroup<5> LuckyItemTable{{&R::LuckyDays, &R::LuckyNumbers, &R::BestDirection, &R::LuckyColors,
                                          &R::LuckyGemstone}, {{
    //    LuckyDays                             LuckyNumbers         BestDirection   LuckyColors                         LuckyGemstone
    {TR_("Monday, Tuesday"),               TR_("9, 1"),         TR_("East"),    TR_("Red, Brown, Copper"),          TR_("Coral")},
    {TR_("Thursday, Friday"),              TR_("2, 8"),         TR_("South"),   TR_("Pink, Green"),                 TR_("Diamond")},
    {TR_("Monday, Wednesday"),             TR_("3, 7"),         TR_("West"),    TR_("Yellow, Purple, Blue"),        TR_("Emerald")},
    {TR_("Monday, Thursday"),              TR_("2, 7, 9"),      TR_("North"),   TR_("White, Red, Yellow"),          TR_("Pearl")},
    {TR_("Sunday, Monday"),                TR_("1, 4, 5, 9"),   TR_("East"),    TR_("Orange, Red, Green"),          TR_("Ruby")},
    {TR_("Wednesday, Friday"),             TR_("2, 3, 5, 6"),   TR_("South"),   TR_("Green"),                       TR_("Emerald")},
    {TR_("Friday, Wednesday, Thursday"),   TR_("1, 2, 4"),      TR_("West"),    TR_("White, Green, Yellow"),        TR_("Diamond")},
    {TR_("Monday, Tuesday, Thursday"),     TR_("3, 7, 9"),      TR_("North"),   TR_("Brown, Red, Yellow, White"),   TR_("Coral")},
    {TR_("Sunday, Thursday"),              TR_("3, 5, 6, 8"),   TR_("East"),    TR_("Yellow, Gray, Brown"),         TR_("Yellow Sapphire")},
    {TR_("Saturday, Wednesday"),           TR_("6, 8, 9"),      TR_("South"),   TR_("Black, Blue"),                 TR_("Blue Sapphire")},
    {TR_("Thursday, Friday, Saturday"),    TR_("2, 3, 7, 9"),   TR_("West"),    TR_("Blue, Black"),                 TR_("Blue Sapphire")},
    {TR_("Thursday, Monday, Tuesday"),     TR_("1, 3, 4"),      TR_("North"),   TR_("Pink, Cream"),                 TR_("Yellow Sapphire")},
}}};

// The compatibility lists are traditional texts, not derived from the other
// columns: Kanya lists four signs, and Kumbha's list names its own sign.
constexpr ColumnGroup<4> BodyAndCompatibilityTable{{&R::PartOfTheBody, &R::Physique, &R::CompatibleWith,
                                                     &R::NotCompatibleWith}, {{
    //    PartOfTheBody                   Physique        CompatibleWith                                        NotCompatibleWith
    {TR_("Head"),                    TR_("Short"),   TR_("Leo, Sagittarius, Gemini, Aquarius, Libra"),     TR_("Scorpio, Pisces, Cancer")},
    {TR_("Face"),                    TR_("Short"),   TR_("Cancer, Virgo, Scorpio, Capricorn, Pisces"),     TR_("Gemini, Aquarius, Libra")},
    {TR_("Shoulders"),               TR_("Even"),    TR_("Aries, Leo, Libra, Sagittarius, Aquarius"),      TR_("Taurus, Virgo, Capricorn")},
    {TR_("Chest"),                   TR_("Even"),    TR_("Virgo, Scorpio, Capricorn, Pisces, Taurus"),     TR_("Aries, Leo, Sagittarius")},
    {TR_("Heart & Stomach"),         TR_("Tall"),    TR_("Libra, Sagittarius, Aquarius, Aries, Gemini"),   TR_("Scorpio, Pisces, Cancer")},
    {TR_("Abdomen"),                 TR_("Tall"),    TR_("Scorpio, Capricorn, Pisces, Cancer"),            TR_("Gemini, Aquarius, Libra")},
    {TR_("Lower Abdomen & Groin"),   TR_("Tall"),    TR_("Sagittarius, Aquarius, Aries, Gemini, Leo"),     TR_("Taurus, Virgo, Capricorn")},
    {TR_("External Genitalia"),      TR_("Tall"),    TR_("Capricorn, Pisces, Taurus, Cancer, Virgo"),      TR_("Aries, Leo, Sagittarius")},
    {TR_("Thighs"),                  TR_("Even"),    TR_("Aquarius, Aries, Gemini, Leo, Libra"),           TR_("Scorpio, Pisces, Cancer")},
    {TR_("Knees"),                   TR_("Even"),    TR_("Pisces, Taurus, Cancer, Virgo, Scorpio"),        TR_("Gemini, Aquarius, Libra")},
    {TR_("Calves"),                  TR_("Short"),   TR_("Aquarius, Libra, Gemini"),                       TR_("Taurus, Virgo, Capricorn")},
    {TR_("Feet"),                    TR_("Short"),   TR_("Taurus, Cancer, Virgo, Scorpio, Capricorn"),     TR_("Aries, Leo, Sagittarius")},
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
