// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/Nakshatra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ephemeris/MoonRashi.h"
#include "core/ephemeris/NakshatraStay.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

using testing::Birth;

double Dms(int degrees, int minutes, int seconds) { return degrees + minutes / 60.0 + seconds / 3600.0; }

TEST(NakshatraOf, BoundaryRowsBelongToTheLaterMansion)
{
    const struct {
        double Longitude;
        const char* Name;
        int Pada;
        int Degrees, Minutes;  // into the nakshatra
    } rows[] = {
        {Dms(0, 0, 0), "Ashwini", 1, 0, 0},
        {Dms(13, 19, 59), "Ashwini", 4, 13, 19},
        {Dms(13, 20, 0), "Bharani", 1, 0, 0},
        {Dms(29, 59, 0), "Krittika", 1, 3, 19},
        {Dms(30, 0, 0), "Krittika", 2, 3, 20},
        {Dms(359, 59, 59), "Revati", 4, 13, 19},
        {Dms(120, 0, 0), "Magha", 1, 0, 0},                    // a sign boundary too
        {std::nextafter(120.0, 0.0), "Ashlesha", 4, 13, 19},  // still in Kataka, as the sign says
        {360.0, "Ashwini", 1, 0, 0},
        {-0.5, "Revati", 4, 12, 50},
    };
    for (const auto& row : rows) {
        const NakshatraPosition p = NakshatraOf(row.Longitude);
        EXPECT_EQ(p.Name, row.Name) << row.Longitude;
        EXPECT_EQ(p.Pada, row.Pada) << row.Longitude;
        EXPECT_EQ(p.Degrees * 60 + p.Minutes, row.Degrees * 60 + row.Minutes) << row.Longitude;
    }
}

// Every pada boundary, written in degrees and minutes, starts its pada; a
// second before it is still the pada before. A third of these sums round
// to just below the boundary.
TEST(NakshatraOf, EveryPadaStartsAtItsBoundary)
{
    for (int pada = 0; pada < PadaCount; ++pada) {
        const int minutes = pada * 200;
        const double at = Dms(minutes / 60, minutes % 60, 0);
        EXPECT_EQ(NakshatraOf(at).PadaOfZodiac(), pada) << minutes << " minutes";
        const double below = pada == 0 ? Dms(359, 59, 59) : at - 1 / 3600.0;
        EXPECT_EQ(NakshatraOf(below).PadaOfZodiac(), (pada + PadaCount - 1) % PadaCount) << minutes << " minutes";
    }
}

// Nine padas make a sign, so the pada always names the sign that the whole
// degrees name, right up to each sign boundary.
TEST(NakshatraOf, AgreesWithTheSign)
{
    for (int sign = 0; sign < 12; ++sign) {
        for (const double longitude : {30.0 * sign, std::nextafter(30.0 * (sign + 1), 0.0), 30.0 * sign + 17.3}) {
            EXPECT_EQ(NakshatraOf(longitude).PadaOfZodiac() / 9, static_cast<int>(std::floor(longitude / 30.0)))
                << longitude;
        }
    }
}

// The six worked births: their printed sidereal longitudes and the reading's
// own give the same birth star.
TEST(NakshatraOf, WorkedBirths)
{
    const struct {
        BirthRecord Record;
        double Printed;
        const char* Name;
        int Pada;
    } births[] = {
        {Birth(1, 1, 2000, 12, 0), 199.4624, "Swati", 4},
        {Birth(15, 8, 1947, 0, 0, 5, 30, true), 93.9878, "Pushya", 1},
        {Birth(4, 7, 1976, 12, 0, 5, 0, false, true), 168.4329, "Hasta", 3},
        {Birth(1, 1, 1901, 0, 0), 25.8300, "Bharani", 4},
        {Birth(31, 12, 2050, 23, 59), 120.2125, "Magha", 1},
        {Birth(4, 4, 2000, 12, 0), 347.8361, "Revati", 1},
    };
    for (const auto& b : births) {
        for (const double longitude : {b.Printed, ComputeMoonPosition(b.Record).MoonLongitude}) {
            const NakshatraPosition p = NakshatraOf(longitude);
            EXPECT_EQ(p.Name, b.Name) << longitude;
            EXPECT_EQ(p.Pada, b.Pada) << longitude;
        }
    }
}

TEST(NakshatraTable, LordsRepeatEveryNineMansions)
{
    for (std::size_t i = 0; i < 9; ++i) {
        for (std::size_t j = i + 1; j < 9; ++j) {
            EXPECT_NE(NakshatraTable[i].Lord, NakshatraTable[j].Lord);
        }
        EXPECT_EQ(NakshatraTable[i].Lord, NakshatraTable[i + 9].Lord);
        EXPECT_EQ(NakshatraTable[i].Lord, NakshatraTable[i + 18].Lord);
    }
}

// Decodes one UTF-8 sequence at `at`; -1 for a malformed one.
long NextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
        return -1;
    }
    long cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int i = 1; i < length; ++i) {
        if ((byte(at + static_cast<std::size_t>(i)) & 0xC0) != 0x80) {
            return -1;
        }
        cp = (cp << 6) | (byte(at + static_cast<std::size_t>(i)) & 0x3F);
    }
    at += static_cast<std::size_t>(length);
    return cp;
}

// The spelling rule the table's comment states, written out again so that
// a cell that breaks it stands out.
struct LetterRow {
    long CodePoint;
    std::string_view Latin;
};

constexpr LetterRow kConsonants[] = {
    {0x0915, "K"},  {0x0916, "Kh"}, {0x0917, "G"},  {0x0918, "Gh"}, {0x0919, "Ng"}, {0x091A, "Ch"},
    {0x091B, "Chh"}, {0x091C, "J"}, {0x091D, "Jh"}, {0x091E, "Ny"}, {0x091F, "Ṭ"},  {0x0920, "Ṭh"},
    {0x0921, "Ḍ"},  {0x0922, "Ḍh"}, {0x0923, "Ṇ"},  {0x0924, "T"},  {0x0925, "Th"}, {0x0926, "D"},
    {0x0927, "Dh"}, {0x0928, "N"},  {0x092A, "P"},  {0x092B, "Ph"}, {0x092D, "Bh"}, {0x092E, "M"},
    {0x092F, "Y"},  {0x0930, "R"},  {0x0932, "L"},  {0x0935, "V"},  {0x0937, "Sh"}, {0x0938, "S"},
    {0x0939, "H"},
};
// Long and short alike; a bare consonant carries the inherent a.
constexpr LetterRow kVowelSigns[] = {
    {0x093E, "a"}, {0x093F, "i"}, {0x0940, "i"}, {0x0941, "u"}, {0x0942, "u"}, {0x0947, "e"}, {0x094B, "o"},
};
constexpr LetterRow kVowels[] = {
    {0x0905, "A"}, {0x0906, "A"}, {0x0907, "I"}, {0x0908, "I"}, {0x0909, "U"}, {0x090A, "U"}, {0x090F, "E"},
    {0x0913, "O"},
};

std::optional<std::string_view> LatinOf(const LetterRow* begin, const LetterRow* end, long codePoint)
{
    const LetterRow* row = std::find_if(begin, end, [&](const LetterRow& r) { return r.CodePoint == codePoint; });
    return row == end ? std::nullopt : std::optional<std::string_view>(row->Latin);
}

// The Latin the rule gives a cell: one consonant with at most one vowel
// sign, or one independent vowel. Anything else (a nukta, a virama, a
// joiner, a second letter, a malformed sequence) has none.
std::optional<std::string> SpelledLatin(std::string_view devanagari)
{
    std::vector<long> letters;
    for (std::size_t at = 0; at < devanagari.size();) {
        letters.push_back(NextCodePoint(devanagari, at));
    }
    if (letters.size() == 1) {
        if (const auto vowel = LatinOf(std::begin(kVowels), std::end(kVowels), letters[0])) {
            return std::string(*vowel);
        }
    }
    if (letters.empty() || letters.size() > 2) {
        return std::nullopt;
    }
    const auto consonant = LatinOf(std::begin(kConsonants), std::end(kConsonants), letters[0]);
    const auto sign = letters.size() == 2 ? LatinOf(std::begin(kVowelSigns), std::end(kVowelSigns), letters[1])
                                          : std::optional<std::string_view>("a");
    if (!consonant || !sign) {
        return std::nullopt;
    }
    return std::string(*consonant) + std::string(*sign);
}

TEST(NameSyllableTable, EveryCellIsOneLetterSpelledByTheRule)
{
    std::map<std::string, std::string> letterOfLatin;
    for (std::size_t n = 0; n < NameSyllableTable.size(); ++n) {
        for (std::size_t pada = 0; pada < 4; ++pada) {
            const NameSyllable& s = NameSyllableTable[n][pada];
            const std::string where = std::string(NakshatraTable[n].Name) + " " + std::to_string(pada + 1);
            // Latin written precomposed: no combining mark (U+0300 to U+036F).
            for (std::size_t at = 0; at < s.Latin.size();) {
                const long cp = NextCodePoint(s.Latin, at);
                EXPECT_FALSE(cp == -1 || (cp >= 0x0300 && cp <= 0x036F)) << where;
            }
            EXPECT_EQ(SpelledLatin(s.Devanagari), std::string(s.Latin)) << where;
            // The screen reader speaks the Latin: one spelling, one letter.
            const auto [it, added] = letterOfLatin.emplace(s.Latin, s.Devanagari);
            EXPECT_TRUE(added || it->second == s.Devanagari)
                << where << ": " << s.Latin << " spells both " << it->second << " and " << s.Devanagari;
        }
    }
    EXPECT_EQ(NakshatraOf(Dms(43, 20, 0)).Syllable.Devanagari, "वा");  // Rohini pada 2
}

// The moment the pada named by the reading's own rule changes, walked to in
// whole minutes and then halved to well under a second: a plain search that
// shares nothing with the secant solver.
double PadaChange(double centuries, int direction)
{
    auto padaAt = [&](double minutes) {
        return NakshatraOf(SiderealMoonLongitude(centuries + minutes / (36525.0 * 1440.0))).PadaOfZodiac();
    };
    const int pada = padaAt(0);
    double inside = 0;
    while (padaAt(inside + direction) == pada) {
        inside += direction;
    }
    double outside = inside + direction;
    while (std::fabs(outside - inside) > 1e-4) {
        const double mid = (inside + outside) / 2;
        (padaAt(mid) == pada ? inside : outside) = mid;
    }
    return direction > 0 ? outside : inside;
}

TEST(FindNakshatraStay, CrossingsAgreeWithAPlainSearch)
{
    const BirthRecord births[] = {
        Birth(1, 1, 2000, 12, 0), Birth(15, 8, 1947, 0, 0, 5, 30, true), Birth(31, 12, 2050, 23, 59),
        Birth(4, 4, 2000, 12, 0), testing::Ravi(),
    };
    constexpr double kSecond = 1.0 / 60;
    for (const BirthRecord& birth : births) {
        const MoonComputation reading = ComputeMoonPosition(birth);
        const NakshatraStay stay = FindNakshatraStay(reading);
        ASSERT_TRUE(stay.PadaEntered && stay.PadaLeaves && stay.Entered && stay.Leaves) << reading.MoonLongitude;
        EXPECT_NEAR(stay.PadaEntered->MinutesFromBirth, PadaChange(reading.Centuries, -1), kSecond);
        EXPECT_NEAR(stay.PadaLeaves->MinutesFromBirth, PadaChange(reading.Centuries, +1), kSecond);
        const int pada = stay.Position.PadaOfZodiac();
        EXPECT_EQ(stay.PadaEntered->PadaAfter, pada);
        EXPECT_EQ(stay.PadaLeaves->PadaBefore, pada);
        EXPECT_EQ(stay.Entered->PadaAfter, stay.Position.Index * 4);
        EXPECT_EQ(stay.Leaves->PadaAfter, (stay.Position.Index * 4 + 4) % PadaCount);
        EXPECT_TRUE(stay.Entered->ChangesNakshatra() && stay.Leaves->ChangesNakshatra());
        // The Moon takes roughly a day over a nakshatra, a quarter of it over a pada.
        EXPECT_NEAR(stay.Leaves->MinutesFromBirth - stay.Entered->MinutesFromBirth, 1440, 300);
        EXPECT_LE(stay.Entered->MinutesFromBirth, stay.PadaEntered->MinutesFromBirth);
        EXPECT_GE(stay.Leaves->MinutesFromBirth, stay.PadaLeaves->MinutesFromBirth);
    }
}

// The search reused on any longitude: a steady motion, wrapping at 360.
TEST(CrossingSearch, FindsTheEndsOfAnyPartOfAnyLongitude)
{
    const struct {
        double Start, PerMinute, Width;
        int Part;
        double Entered, Leaves;  // minutes; NAN when beyond the search
    } cases[] = {
        {350.0, 0.01, NakshatraDegrees, 26, (NakshatraDegrees * 26 - 350.0) / 0.01, 1000.0},
        {5.0, 0.01, 30.0, 0, -500.0, 2500.0},
        {359.99, 0.01, PadaDegrees, 107, (PadaDegrees * 107 - 359.99) / 0.01, 1.0},
        {100.0, 0.0001, 30.0, 3, NAN, NAN},  // the ends lie months away
    };
    for (const auto& c : cases) {
        const CrossingSearch search(
            [&](double minutes) { return std::fmod(c.Start + c.PerMinute * minutes + 720.0, 360.0); }, 0.05);
        EXPECT_NEAR(search.AccuracyMinutes(), 0.05 / c.PerMinute, 1e-6 / c.PerMinute);
        const ArcStay stay = search.Stay(c.Width, c.Part);
        EXPECT_EQ(stay.EnteredMinutes.has_value(), !std::isnan(c.Entered)) << c.Start;
        EXPECT_EQ(stay.LeavesMinutes.has_value(), !std::isnan(c.Leaves)) << c.Start;
        if (stay.EnteredMinutes && stay.LeavesMinutes) {
            EXPECT_NEAR(*stay.EnteredMinutes, c.Entered, 1.0 / 60) << c.Start;
            EXPECT_NEAR(*stay.LeavesMinutes, c.Leaves, 1.0 / 60) << c.Start;
        }
    }
}

}  // namespace
}  // namespace orvanta
