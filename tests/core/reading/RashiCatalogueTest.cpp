// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/RashiCatalogue.h"

#include "core/ephemeris/MoonRashi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvanta {
namespace {

RashiCatalogueRow Lookup(std::string_view name)
{
    BirthRecord record;
    GetRashiInformation(name, record);
    return record.SelectedRashi;
}

std::vector<std::string> SplitList(std::string_view text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(", ", start)) != std::string::npos; start = comma + 2) {
        items.emplace_back(text.substr(start, comma - start));
    }
    items.emplace_back(text.substr(start));
    return items;
}

// Splits a paragraph after each '.', '!' or '?' that ends the text or is
// followed by a blank; the blank itself belongs to neither sentence.
std::vector<std::string_view> Sentences(std::string_view text)
{
    std::vector<std::string_view> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool terminal = text[i] == '.' || text[i] == '!' || text[i] == '?';
        if (terminal && (i + 1 == text.size() || text[i + 1] == ' ')) {
            sentences.push_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    if (start < text.size()) {
        sentences.push_back(text.substr(start));  // an unfinished last sentence
    }
    return sentences;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

std::set<std::string> Words(std::string_view text)
{
    std::set<std::string> words;
    std::string word;
    for (const char c : Lower(text) + ' ') {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.insert(word);
            word.clear();
        }
    }
    return words;
}

struct Paragraph {
    const char* column;
    std::string_view RashiCatalogueRow::*field;
    std::size_t minSentences, maxSentences;
    std::size_t minCharacters, maxCharacters;
};

constexpr Paragraph ParagraphColumns[] = {
    {"Looks", &RashiCatalogueRow::Looks, 2, 5, 103, 221},
    {"Nature", &RashiCatalogueRow::Nature, 11, 16, 515, 883},
    {"CareerAndFinance", &RashiCatalogueRow::CareerAndFinance, 2, 5, 126, 282},
    {"LoveAndDomesticLife", &RashiCatalogueRow::LoveAndDomesticLife, 3, 6, 140, 324},
    {"Health", &RashiCatalogueRow::Health, 2, 4, 81, 166},
};

TEST(GetRashiInformation, MeshaFillsItsTexts)
{
    const RashiCatalogueRow mesha = Lookup("Mesha");
    EXPECT_EQ(mesha.VedicName, "Mesha");
    EXPECT_EQ(mesha.EnglishName, "Aries");
    EXPECT_EQ(mesha.RulingPlanet, "Mars");
    EXPECT_EQ(mesha.Symbol, "The Ram");
    EXPECT_EQ(mesha.Element, "Fire");
    EXPECT_EQ(mesha.LuckyNumbers, "9, 1");
    EXPECT_EQ(mesha.NotCompatibleWith, "Scorpio, Pisces, Cancer");
}

TEST(GetRashiInformation, MeenaTheLastRowIsFound)
{
    const RashiCatalogueRow meena = Lookup("Meena");
    EXPECT_EQ(meena.EnglishName, "Pisces");
    EXPECT_EQ(meena.LuckyGemstone, "Yellow Sapphire");
}

TEST(GetRashiInformation, NearMissesLeaveTheRecordUntouched)
{
    BirthRecord afterThula;
    afterThula.PersonName = "Asha";
    GetRashiInformation("Thula", afterThula);
    const BirthRecord starts[] = {BirthRecord{}, afterThula};

    for (const char* name : {"mesha", " Mesha", "Mesha ", "Aries", "", "MESHA", "Mesh", "Meshaa"}) {
        for (const BirthRecord& start : starts) {
            BirthRecord record = start;
            GetRashiInformation(name, record);
            EXPECT_EQ(record, start) << '"' << name << '"';
        }
    }
}

TEST(GetRashiInformation, KumbhaAfterMeshaReplacesAllFields)
{
    BirthRecord record;
    GetRashiInformation("Mesha", record);
    GetRashiInformation("Kumbha", record);

    EXPECT_EQ(record.SelectedRashi, Lookup("Kumbha"));
    EXPECT_EQ(record.SelectedRashi.EnglishName, "Aquarius");
    EXPECT_EQ(record.SelectedRashi.CompatibleWith, "Aquarius, Libra, Gemini");
    EXPECT_EQ(record.SelectedRashi.Nature, RashiCatalogue()[10].Nature);
}

TEST(RashiCatalogue, EveryComputedRashiNameIsFoundInItsRow)
{
    for (std::size_t i = 0; i < RashiNameTable.size(); ++i) {
        const RashiCatalogueRow& row = RashiCatalogue()[i];
        EXPECT_EQ(row.VedicName, RashiNameTable[i].VedicName) << i;
        EXPECT_EQ(row.EnglishName.substr(0, 3), RashiNameTable[i].Abbreviation) << i;
        EXPECT_EQ(Lookup(RashiNameTable[i].VedicName).VedicName, RashiNameTable[i].VedicName) << i;
    }
}

TEST(RashiCatalogue, ValuesThatBreakThePattern)
{
    EXPECT_EQ(Lookup("Mithuna").Gender, "Female");
    EXPECT_EQ(Lookup("Kanya").CompatibleWith, "Scorpio, Capricorn, Pisces, Cancer");
    EXPECT_EQ(Lookup("Kumbha").CompatibleWith, "Aquarius, Libra, Gemini");
    EXPECT_EQ(Lookup("Dhanus").SignColor, "Yellowish brown");
    EXPECT_EQ(Lookup("Vrishabha").LuckyNumbers, "2, 8");
}

// Several columns repeat with the elements (period 4) or the modes (period 3)
// of the zodiac; a typo or a value in the wrong column breaks the cycle.
TEST(RashiCatalogue, CyclicColumnsFollowTheirCycles)
{
    struct Cycle {
        std::string_view RashiCatalogueRow::*field;
        std::vector<std::string> values;
    };
    const Cycle cycles[] = {
        {&RashiCatalogueRow::Element, {"Fire", "Earth", "Air", "Water"}},
        {&RashiCatalogueRow::SignCaste, {"Kshatriya", "Vaisya", "Sudra", "Brahmana"}},
        {&RashiCatalogueRow::BestDirection, {"East", "South", "West", "North"}},
        {&RashiCatalogueRow::NotCompatibleWith,
         {"Scorpio, Pisces, Cancer", "Gemini, Aquarius, Libra", "Taurus, Virgo, Capricorn", "Aries, Leo, Sagittarius"}},
        {&RashiCatalogueRow::TypeOfSign, {"Movable", "Fixed", "Mixed"}},
        {&RashiCatalogueRow::SignPosition, {"Dwara", "Bahya", "Garbha"}},
        {&RashiCatalogueRow::ConstituentCharacter, {"Mineral (Dhatu)", "Vegetable (Moola)", "Animal (Jeeva)"}},
    };
    for (std::size_t i = 0; i < RashiCatalogue().size(); ++i) {
        const RashiCatalogueRow info = Lookup(RashiCatalogue()[i].VedicName);
        for (const Cycle& cycle : cycles) {
            EXPECT_EQ(info.*cycle.field, cycle.values[i % cycle.values.size()]) << "row " << i;
        }
    }
}

TEST(RashiCatalogue, ClassesComeFromTheirVocabularies)
{
    struct Vocabulary {
        std::string_view RashiCatalogueRow::*field;
        std::set<std::string, std::less<>> words;
    };
    const Vocabulary vocabularies[] = {
        {&RashiCatalogueRow::Gender, {"Male", "Female"}},
        {&RashiCatalogueRow::BestPeriodOfActivity, {"Day", "Night"}},
        {&RashiCatalogueRow::Fertility, {"Barren", "Semi-Fruitful", "Fruitful"}},
        {&RashiCatalogueRow::Physique, {"Short", "Even", "Tall"}},
        {&RashiCatalogueRow::RulingPlanet, {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"}},
    };
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        const RashiCatalogueRow info = Lookup(row.VedicName);
        for (const Vocabulary& vocabulary : vocabularies) {
            EXPECT_TRUE(vocabulary.words.contains(info.*vocabulary.field)) << row.VedicName << ": " << info.*vocabulary.field;
        }
    }
}

// Lists are shown as stored, so every separator must be exactly ", ".
TEST(RashiCatalogue, ListsHoldKnownItemsSeparatedByCommaAndBlank)
{
    std::set<std::string> signs;
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        signs.emplace(row.EnglishName);
    }
    const std::set<std::string> weekdays = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const std::set<std::string> digits = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    struct List {
        std::string_view RashiCatalogueRow::*field;
        const std::set<std::string>* items;  // null: any single word or words without commas
    };
    const List lists[] = {
        {&RashiCatalogueRow::LuckyDays, &weekdays},        {&RashiCatalogueRow::LuckyNumbers, &digits},
        {&RashiCatalogueRow::CompatibleWith, &signs},      {&RashiCatalogueRow::NotCompatibleWith, &signs},
        {&RashiCatalogueRow::LuckyColors, nullptr},        {&RashiCatalogueRow::SignColor, nullptr},
    };
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        const RashiCatalogueRow info = Lookup(row.VedicName);
        for (const List& list : lists) {
            for (const std::string& item : SplitList(info.*list.field)) {
                const bool wellFormed = !item.empty() && item.find(',') == std::string::npos && item.front() != ' ' &&
                                        item.back() != ' ';
                EXPECT_TRUE(wellFormed) << row.VedicName << ": \"" << info.*list.field << '"';
                if (list.items != nullptr) {
                    EXPECT_TRUE(list.items->contains(item)) << row.VedicName << ": " << item;
                }
            }
        }
    }
}

// The result window and the report show these texts as they stand, and the
// reading file's encoding is single-byte: only printable ASCII may appear.
TEST(RashiCatalogue, EveryParagraphKeepsToItsLengthAndForm)
{
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        for (const Paragraph& paragraph : ParagraphColumns) {
            const std::string_view text = row.*paragraph.field;
            const std::string where = std::string(row.VedicName) + " " + paragraph.column;
            EXPECT_GE(text.size(), paragraph.minCharacters) << where;
            EXPECT_LE(text.size(), paragraph.maxCharacters) << where;
            EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; })) << where;

            const std::vector<std::string_view> sentences = Sentences(text);
            EXPECT_GE(sentences.size(), paragraph.minSentences) << where;
            EXPECT_LE(sentences.size(), paragraph.maxSentences) << where;
            std::size_t addressed = 0;
            for (const std::string_view sentence : sentences) {
                const bool wellFormed = sentence.size() > 1 && std::isupper(static_cast<unsigned char>(sentence.front())) &&
                                        (sentence.back() == '.' || sentence.back() == '!' || sentence.back() == '?') &&
                                        sentence.find("  ") == std::string_view::npos;
                EXPECT_TRUE(wellFormed) << where << ": \"" << sentence << '"';
                addressed += sentence.starts_with("You ") || sentence.starts_with("Your ");
            }
            EXPECT_GE(2 * addressed, sentences.size()) << where << ": most sentences speak to the reader";
        }
    }
}

TEST(RashiCatalogue, NoSentenceIsRepeated)
{
    std::map<std::string_view, std::string> firstSeen;
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        for (const Paragraph& paragraph : ParagraphColumns) {
            const std::string where = std::string(row.VedicName) + " " + paragraph.column;
            for (const std::string_view sentence : Sentences(row.*paragraph.field)) {
                const auto [seen, isNew] = firstSeen.emplace(sentence, where);
                EXPECT_TRUE(isNew) << where << " repeats " << seen->second << ": \"" << sentence << '"';
            }
        }
    }
}

TEST(RashiCatalogue, LooksAgreeWithThePhysique)
{
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        const std::set<std::string> words = Words(row.Looks);
        const bool tall = words.contains("tall");
        const bool shortWord = words.contains("short");
        const bool medium = words.contains("medium") || words.contains("middle");
        if (row.Physique == "Tall") {
            EXPECT_TRUE(tall && !shortWord) << row.VedicName << ": " << row.Looks;
        } else if (row.Physique == "Short") {
            EXPECT_TRUE(shortWord && !tall) << row.VedicName << ": " << row.Looks;
        } else {
            EXPECT_TRUE(medium && !tall && !shortWord) << row.VedicName << ": " << row.Looks;
        }
    }
}

// "Heart & Stomach" must bring up the heart or the stomach, "Shoulders" a
// shoulder: any word of the governed part, compared by its first letters.
TEST(RashiCatalogue, HealthNamesTheGovernedPartOfTheBody)
{
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        const std::string health = Lower(row.Health);
        bool named = false;
        for (const std::string& word : Words(row.PartOfTheBody)) {
            named = named || (word.size() >= 4 && health.find(word.substr(0, 5)) != std::string::npos);
        }
        EXPECT_TRUE(named) << row.VedicName << " (" << row.PartOfTheBody << "): " << row.Health;
    }
}

}  // namespace
}  // namespace orvanta
