// SPDX-License-Identifier: GPL-3.0-or-later
// The birth star: which of the 27 lunar mansions of 13°20' and which of its
// four padas of 3°20' a sidereal longitude stands in, the mansion's ruling
// planet and the pada's traditional first syllable of a name.
#pragma once

#include <array>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

inline constexpr double NakshatraDegrees = 40.0 / 3.0;  // 13°20'
inline constexpr double PadaDegrees = 10.0 / 3.0;       // 3°20'
inline constexpr int PadaCount = 108;

// The contexts the names of the nakshatras and of their lords are
// translated in.
inline constexpr const char* NakshatraContext = "Nakshatra";
inline constexpr const char* LordContext = "Planet";

struct NakshatraRow {
    std::string_view Name;
    std::string_view Lord;  // a planet's name
};

// The ruling planets run Ketu to Mercury and start again at Magha and Mula.
inline constexpr std::array<NakshatraRow, 27> NakshatraTable{{
    //: The names of the 27 nakshatras (lunar mansions) and of the planets (grahas) that rule them.
    {ORVANTA_TR_TEXT("Nakshatra", "Ashwini"),           ORVANTA_TR_TEXT("Planet", "Ketu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Bharani"),           ORVANTA_TR_TEXT("Planet", "Venus")},
    {ORVANTA_TR_TEXT("Nakshatra", "Krittika"),          ORVANTA_TR_TEXT("Planet", "Sun")},
    {ORVANTA_TR_TEXT("Nakshatra", "Rohini"),            ORVANTA_TR_TEXT("Planet", "Moon")},
    {ORVANTA_TR_TEXT("Nakshatra", "Mrigashira"),        ORVANTA_TR_TEXT("Planet", "Mars")},
    {ORVANTA_TR_TEXT("Nakshatra", "Ardra"),             ORVANTA_TR_TEXT("Planet", "Rahu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Punarvasu"),         ORVANTA_TR_TEXT("Planet", "Jupiter")},
    {ORVANTA_TR_TEXT("Nakshatra", "Pushya"),            ORVANTA_TR_TEXT("Planet", "Saturn")},
    {ORVANTA_TR_TEXT("Nakshatra", "Ashlesha"),          ORVANTA_TR_TEXT("Planet", "Mercury")},
    {ORVANTA_TR_TEXT("Nakshatra", "Magha"),             ORVANTA_TR_TEXT("Planet", "Ketu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Purva Phalguni"),    ORVANTA_TR_TEXT("Planet", "Venus")},
    {ORVANTA_TR_TEXT("Nakshatra", "Uttara Phalguni"),   ORVANTA_TR_TEXT("Planet", "Sun")},
    {ORVANTA_TR_TEXT("Nakshatra", "Hasta"),             ORVANTA_TR_TEXT("Planet", "Moon")},
    {ORVANTA_TR_TEXT("Nakshatra", "Chitra"),            ORVANTA_TR_TEXT("Planet", "Mars")},
    {ORVANTA_TR_TEXT("Nakshatra", "Swati"),             ORVANTA_TR_TEXT("Planet", "Rahu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Vishakha"),          ORVANTA_TR_TEXT("Planet", "Jupiter")},
    {ORVANTA_TR_TEXT("Nakshatra", "Anuradha"),          ORVANTA_TR_TEXT("Planet", "Saturn")},
    {ORVANTA_TR_TEXT("Nakshatra", "Jyeshtha"),          ORVANTA_TR_TEXT("Planet", "Mercury")},
    {ORVANTA_TR_TEXT("Nakshatra", "Mula"),              ORVANTA_TR_TEXT("Planet", "Ketu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Purva Ashadha"),     ORVANTA_TR_TEXT("Planet", "Venus")},
    {ORVANTA_TR_TEXT("Nakshatra", "Uttara Ashadha"),    ORVANTA_TR_TEXT("Planet", "Sun")},
    {ORVANTA_TR_TEXT("Nakshatra", "Shravana"),          ORVANTA_TR_TEXT("Planet", "Moon")},
    {ORVANTA_TR_TEXT("Nakshatra", "Dhanishta"),         ORVANTA_TR_TEXT("Planet", "Mars")},
    {ORVANTA_TR_TEXT("Nakshatra", "Shatabhisha"),       ORVANTA_TR_TEXT("Planet", "Rahu")},
    {ORVANTA_TR_TEXT("Nakshatra", "Purva Bhadrapada"),  ORVANTA_TR_TEXT("Planet", "Jupiter")},
    {ORVANTA_TR_TEXT("Nakshatra", "Uttara Bhadrapada"), ORVANTA_TR_TEXT("Planet", "Saturn")},
    {ORVANTA_TR_TEXT("Nakshatra", "Revati"),            ORVANTA_TR_TEXT("Planet", "Mercury")},
}};

struct NameSyllable {
    std::string_view Latin;
    std::string_view Devanagari;  // UTF-8
};

// The first syllable of a name for each pada, nakshatra by nakshatra, as
// Hindi almanacs print it: the name-letter table (चरणाक्षर) of the Hindi
// primer Saral Jyotish, p. 83. The muhurta book Muhūrtarāj prints the same
// table (नक्षत्र-वर्ण … सारणी, p. 15), but for Krittika's अ इ, and with
// Abhijit's sounds जू जे जो खा as a 28th row that a division into 27 leaves
// out. Long vowels stand as printed, and so does a bare consonant (घ, ष, ठ).
// The Hoda chakra tabulated at srigaruda.com/hoa-chakra from Balabhadra's
// Hora Ratnam, this table's earlier source, has the same consonant in
// every cell but short vowels throughout (and Pushya 2 printed "ह" beside
// its reading "he"); the rule its note quotes from Balabhadra, Uttara
// Ashadha's four sounds spread over its first three padas, its own cells
// do not follow.
//
// The Latin spells every cell by one rule, so that no two letters read
// alike: क K, ख Kh, ग G, घ Gh, ङ Ng, च Ch, छ Chh, ज J, झ Jh, ञ Ny; the
// retroflex ट Ṭ, ठ Ṭh, ड Ḍ, ढ Ḍh, ण Ṇ beside the dental त T, थ Th, द D, ध Dh,
// न N; प P, फ Ph, भ Bh, म M, य Y, र R, ल L, व V, ष Sh, स S, ह H; then the vowel
// a, i, u, e or o, long and short alike, as almanacs in Latin write them.
//
// Other lists differ besides those two: Telugu almanacs give Shravana
// Abhijit's sounds (జూ జే జో ఖ) and Uttara Bhadrapada దు శం ఝా థ; an English
// translation of Hora Ratnam gives Shravana Kha Khi Khu Khe.
inline constexpr std::array<std::array<NameSyllable, 4>, 27> NameSyllableTable{{
    {{{"Chu", "चू"}, {"Che", "चे"}, {"Cho", "चो"}, {"La", "ला"}}},      // Ashwini
    {{{"Li", "ली"}, {"Lu", "लू"}, {"Le", "ले"}, {"Lo", "लो"}}},        // Bharani
    {{{"A", "आ"}, {"I", "ई"}, {"U", "उ"}, {"E", "ए"}}},                // Krittika
    {{{"O", "ओ"}, {"Va", "वा"}, {"Vi", "वी"}, {"Vu", "वू"}}},          // Rohini
    {{{"Ve", "वे"}, {"Vo", "वो"}, {"Ka", "का"}, {"Ki", "की"}}},        // Mrigashira
    {{{"Ku", "कू"}, {"Gha", "घ"}, {"Nga", "ङ"}, {"Chha", "छ"}}},       // Ardra
    {{{"Ke", "के"}, {"Ko", "को"}, {"Ha", "हा"}, {"Hi", "ही"}}},        // Punarvasu
    {{{"Hu", "हू"}, {"He", "हे"}, {"Ho", "हो"}, {"Ḍa", "डा"}}},        // Pushya
    {{{"Ḍi", "डी"}, {"Ḍu", "डू"}, {"Ḍe", "डे"}, {"Ḍo", "डो"}}},        // Ashlesha
    {{{"Ma", "मा"}, {"Mi", "मी"}, {"Mu", "मू"}, {"Me", "मे"}}},        // Magha
    {{{"Mo", "मो"}, {"Ṭa", "टा"}, {"Ṭi", "टी"}, {"Ṭu", "टू"}}},        // Purva Phalguni
    {{{"Ṭe", "टे"}, {"Ṭo", "टो"}, {"Pa", "पा"}, {"Pi", "पी"}}},        // Uttara Phalguni
    {{{"Pu", "पू"}, {"Sha", "ष"}, {"Ṇa", "ण"}, {"Ṭha", "ठ"}}},         // Hasta
    {{{"Pe", "पे"}, {"Po", "पो"}, {"Ra", "रा"}, {"Ri", "री"}}},        // Chitra
    {{{"Ru", "रू"}, {"Re", "रे"}, {"Ro", "रो"}, {"Ta", "ता"}}},        // Swati
    {{{"Ti", "ती"}, {"Tu", "तू"}, {"Te", "ते"}, {"To", "तो"}}},        // Vishakha
    {{{"Na", "ना"}, {"Ni", "नी"}, {"Nu", "नू"}, {"Ne", "ने"}}},        // Anuradha
    {{{"No", "नो"}, {"Ya", "या"}, {"Yi", "यी"}, {"Yu", "यू"}}},        // Jyeshtha
    {{{"Ye", "ये"}, {"Yo", "यो"}, {"Bha", "भा"}, {"Bhi", "भी"}}},      // Mula
    {{{"Bhu", "भू"}, {"Dha", "धा"}, {"Pha", "फा"}, {"Ḍha", "ढा"}}},    // Purva Ashadha
    {{{"Bhe", "भे"}, {"Bho", "भो"}, {"Ja", "जा"}, {"Ji", "जी"}}},      // Uttara Ashadha
    {{{"Khi", "खी"}, {"Khu", "खू"}, {"Khe", "खे"}, {"Kho", "खो"}}},    // Shravana (Telugu: జూ జే జో ఖ)
    {{{"Ga", "गा"}, {"Gi", "गी"}, {"Gu", "गू"}, {"Ge", "गे"}}},        // Dhanishta
    {{{"Go", "गो"}, {"Sa", "सा"}, {"Si", "सी"}, {"Su", "सू"}}},        // Shatabhisha
    {{{"Se", "से"}, {"So", "सो"}, {"Da", "दा"}, {"Di", "दी"}}},        // Purva Bhadrapada
    {{{"Du", "दू"}, {"Tha", "थ"}, {"Jha", "झ"}, {"Nya", "ञ"}}},        // Uttara Bhadrapada (Telugu: దు శం ఝా థ)
    {{{"De", "दे"}, {"Do", "दो"}, {"Cha", "चा"}, {"Chi", "ची"}}},      // Revati
}};

// Where a longitude stands among the mansions.
struct NakshatraPosition {
    int Index = 0;          // 0 for Ashwini, 26 for Revati
    int Pada = 1;           // 1 to 4
    int Degrees = 0;        // whole degrees into the nakshatra, 0 to 13
    int Minutes = 0;        // and whole minutes beyond them
    std::string_view Name;
    std::string_view Lord;
    NameSyllable Syllable;

    int PadaOfZodiac() const { return Index * 4 + Pada - 1; }  // 0 to 107
};

// The nakshatra of a sidereal longitude in degrees (taken modulo 360). A
// boundary belongs to the later mansion and pada, also when the longitude
// was written as degrees + minutes/60 + seconds/3600 and rounding left it a
// hair below; whole-degree boundaries are exact, so the nakshatra never
// disagrees with the sign that the whole degrees name.
NakshatraPosition NakshatraOf(double siderealLongitude);

// The position of the pada with this number counted round the zodiac from
// Ashwini's first (taken modulo 108), at its start.
NakshatraPosition PadaPosition(int padaOfZodiac);

}  // namespace orvanta
