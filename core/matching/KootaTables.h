// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of Ashtakoota matching: the class each rashi and each nakshatra
// falls in for the eight kootas, and the points each pair of classes earns.
// Each table names its source above it; docs/matching-tables.md says where
// other common tables differ, and which printed cells were out of reach.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta::koota {

// The source of the classes and rules, cited below as "Shastri":
// Nemichandra Shastri, Bhāratīya Jyotiṣ (Bharatiya Jnanpith, New Delhi),
// the section "melāpaka" of its chapter on marriage.

enum class Varna : std::uint8_t { Brahmin, Kshatriya, Vaishya, Shudra };  // highest first
enum class Vashya : std::uint8_t { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
enum class Yoni : std::uint8_t {
    Ashva, Gaja, Mesha, Sarpa, Shvana, Marjara, Mushaka, Go, Mahisha, Vyaghra, Mriga, Vanara, Nakula, Simha
};
enum class Planet : std::uint8_t { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };
enum class Gana : std::uint8_t { Deva, Manushya, Rakshasa };
enum class Nadi : std::uint8_t { Adi, Madhya, Antya };

using enum Varna;
using enum Vashya;
using enum Yoni;
using enum Planet;
using enum Gana;
using enum Nadi;

struct RashiClasses {
    Varna VarnaOf;
    Vashya FirstHalf;   // below 15° of the sign
    Vashya SecondHalf;  // from 15°
    Planet Lord;
};

// Varna: Shastri's list by rashi. Vashya: the groups of Muhurta Chintamani
// (vivāha prakaraṇa 23); Muhūrtarāj's table gives the four-footed, human and
// water signs, halving Dhanus (a man, then a horse) and Makara (a goat, then
// a fish); Kataka water, Simha forest and Vrischika insect as the almanacs
// have them, that table's column for them being illegible. Lords: every text's.
inline constexpr std::array<RashiClasses, 12> RashiKootaTable{{
    //  varna      below 15°    from 15°     lord
    {Kshatriya, Chatushpada, Chatushpada, Mars},     // Mesha
    {Vaishya,   Chatushpada, Chatushpada, Venus},    // Vrishabha
    {Shudra,    Manava,      Manava,      Mercury},  // Mithuna
    {Brahmin,   Jalachara,   Jalachara,   Moon},     // Kataka
    {Kshatriya, Vanachara,   Vanachara,   Sun},      // Simha
    {Vaishya,   Manava,      Manava,      Mercury},  // Kanya
    {Shudra,    Manava,      Manava,      Venus},    // Thula
    {Brahmin,   Keeta,       Keeta,       Mars},     // Vrischika
    {Kshatriya, Manava,      Chatushpada, Jupiter},  // Dhanus
    {Vaishya,   Chatushpada, Jalachara,   Saturn},   // Makara
    {Shudra,    Manava,      Manava,      Saturn},   // Kumbha
    {Brahmin,   Jalachara,   Jalachara,   Jupiter},  // Meena
}};

struct NakshatraClasses {
    Yoni YoniOf;
    Gana GanaOf;
    Nadi NadiOf;
};

// Shastri: the yoni pairs of nakshatras, the gana chakra and the nadi lists.
inline constexpr std::array<NakshatraClasses, 27> NakshatraKootaTable{{
    //  yoni     gana      nadi
    {Ashva,   Deva,     Adi},     // Ashwini
    {Gaja,    Manushya, Madhya},  // Bharani
    {Mesha,   Rakshasa, Antya},   // Krittika
    {Sarpa,   Manushya, Antya},   // Rohini
    {Sarpa,   Deva,     Madhya},  // Mrigashira
    {Shvana,  Manushya, Adi},     // Ardra
    {Marjara, Deva,     Adi},     // Punarvasu
    {Mesha,   Deva,     Madhya},  // Pushya
    {Marjara, Rakshasa, Antya},   // Ashlesha
    {Mushaka, Rakshasa, Antya},   // Magha
    {Mushaka, Manushya, Madhya},  // Purva Phalguni
    {Go,      Manushya, Adi},     // Uttara Phalguni
    {Mahisha, Deva,     Adi},     // Hasta
    {Vyaghra, Rakshasa, Madhya},  // Chitra
    {Mahisha, Deva,     Antya},   // Swati
    {Vyaghra, Rakshasa, Antya},   // Vishakha
    {Mriga,   Deva,     Madhya},  // Anuradha
    {Mriga,   Rakshasa, Adi},     // Jyeshtha
    {Shvana,  Rakshasa, Adi},     // Mula
    {Vanara,  Manushya, Madhya},  // Purva Ashadha
    {Nakula,  Manushya, Antya},   // Uttara Ashadha
    {Vanara,  Deva,     Antya},   // Shravana
    {Simha,   Rakshasa, Madhya},  // Dhanishta
    {Ashva,   Rakshasa, Adi},     // Shatabhisha
    {Simha,   Manushya, Adi},     // Purva Bhadrapada
    {Go,      Manushya, Madhya},  // Uttara Bhadrapada
    {Gaja,    Deva,     Antya},   // Revati
}};

// Points are written as the tables print them, halves as 0.5; the scoring
// counts in halves, so every sum is exact.
template <std::size_t Size>
using PointGrid = std::array<std::array<double, Size>, Size>;

// Vashya points, the groom's class down and the bride's across. The common
// almanac grid: Shastri's own chakra is not legible in the copy consulted,
// and his worked couple scores a four-footed bride with a water-sign groom 2
// where this grid gives 1.
inline constexpr PointGrid<5> VashyaPoints{{
    //  Chatushpada Manava Jalachara Vanachara Keeta    the groom's class:
    {{2,          1,     1,        0.5,      1}},  // Chatushpada
    {{0,          2,     0.5,      0,        1}},  // Manava
    {{1,          0.5,   2,        1,        1}},  // Jalachara
    {{0.5,        0,     1,        2,        0}},  // Vanachara
    {{1,          1,     1,        0,        2}},  // Keeta
}};

// Tara: Shastri counts from each one's nakshatra to the other's, both
// inclusive, and keeps the remainder by 9 (9 for none). These taras are
// Vipat, Pratyak and Vadha, the ill ones; two good counts get 3, one 1½.
// Both ill never happens: the two counts add up to 29 (or 2), 2 by nines.
inline constexpr std::array<bool, 10> TaraIsIll{{false, false, false, true, false, true, false, true, false, false}};

// Yoni points, symmetric; 4 for the same yoni and 0 for Shastri's seven
// great enmities (cow–tiger, elephant–lion, horse–buffalo, dog–deer,
// serpent–mongoose, monkey–ram, cat–rat). The cells between are the common
// almanac grid: Shastri's chakra is not legible in the copy consulted.
inline constexpr PointGrid<14> YoniPoints{{
    //  Ash Gaj Mes Sar Shv Mar Mus Go  Mah Vya Mri Van Nak Sim
    {{4,  2,  2,  3,  2,  2,  2,  1,  0,  1,  3,  3,  2,  1}},  // Ashva (horse)
    {{2,  4,  3,  3,  2,  2,  2,  2,  3,  1,  2,  3,  2,  0}},  // Gaja (elephant)
    {{2,  3,  4,  2,  1,  2,  1,  3,  3,  1,  2,  0,  3,  1}},  // Mesha (ram)
    {{3,  3,  2,  4,  2,  1,  1,  1,  1,  2,  2,  2,  0,  2}},  // Sarpa (serpent)
    {{2,  2,  1,  2,  4,  2,  1,  2,  2,  1,  0,  2,  1,  1}},  // Shvana (dog)
    {{2,  2,  2,  1,  2,  4,  0,  2,  2,  1,  3,  3,  2,  1}},  // Marjara (cat)
    {{2,  2,  1,  1,  1,  0,  4,  2,  2,  2,  2,  2,  1,  2}},  // Mushaka (rat)
    {{1,  2,  3,  1,  2,  2,  2,  4,  3,  0,  3,  2,  2,  1}},  // Go (cow)
    {{0,  3,  3,  1,  2,  2,  2,  3,  4,  1,  2,  2,  2,  1}},  // Mahisha (buffalo)
    {{1,  1,  1,  2,  1,  1,  2,  0,  1,  4,  1,  1,  2,  1}},  // Vyaghra (tiger)
    {{3,  2,  2,  2,  0,  3,  2,  3,  2,  1,  4,  2,  2,  1}},  // Mriga (deer)
    {{3,  3,  0,  2,  2,  3,  2,  2,  2,  1,  2,  4,  3,  2}},  // Vanara (monkey)
    {{2,  2,  3,  0,  1,  2,  1,  2,  2,  2,  2,  3,  4,  2}},  // Nakula (mongoose)
    {{1,  0,  1,  2,  1,  1,  2,  1,  1,  1,  1,  2,  2,  4}},  // Simha (lion)
}};

enum class Friendship : std::uint8_t { Friend, Neutral, Enemy };
inline constexpr Friendship F = Friendship::Friend;
inline constexpr Friendship N = Friendship::Neutral;
inline constexpr Friendship E = Friendship::Enemy;

// Shastri: the natural friendship of the planets, how the planet down
// counts the planet across (a planet's own place left neutral).
inline constexpr std::array<std::array<Friendship, 7>, 7> NaturalFriendship{{
    //  Sun Moon Mars Merc Jup Ven Sat
    {{N,  F,   F,   N,   F,  E,  E}},  // Sun
    {{F,  N,   N,   F,   N,  N,  N}},  // Moon
    {{F,  F,   N,   E,   F,  N,  N}},  // Mars
    {{F,  E,   N,   N,   N,  F,  N}},  // Mercury
    {{F,  F,   F,   E,   N,  E,  N}},  // Jupiter
    {{E,  E,   N,   F,   N,  N,  F}},  // Venus
    {{E,  E,   E,   F,   N,  F,  N}},  // Saturn
}};

// Graha Maitri points of the two rashi lords, as Muhūrtarāj prints them
// after Daivajña Manohar: one lord or mutual friends 5, friend and neutral
// 4, both neutral 3, friend and enemy 1, neutral and enemy ½, mutual
// enemies 0; the same grid follows from the friendships above.
inline constexpr PointGrid<7> GrahaMaitriPoints{{
    //  Sun Moon Mars Merc Jup  Ven  Sat
    {{5,  5,   5,   4,   5,   0,   0}},    // Sun
    {{5,  5,   4,   1,   4,   0.5, 0.5}},  // Moon
    {{5,  4,   5,   0.5, 5,   3,   0.5}},  // Mars
    {{4,  1,   0.5, 5,   0.5, 5,   4}},    // Mercury
    {{5,  4,   5,   0.5, 5,   0.5, 3}},    // Jupiter
    {{0,  0.5, 3,   5,   0.5, 5,   5}},    // Venus
    {{0,  0.5, 0.5, 4,   3,   5,   5}},    // Saturn
}};

// Gana points, the groom's gana down and the bride's across. The common
// almanac grid; it agrees with Shastri's worked couple (a Deva groom and a
// Rakshasa bride: 0) and with the second printed couple (a Manushya groom
// and a Deva bride: 5).
inline constexpr PointGrid<3> GanaPoints{{
    //  Deva Manushya Rakshasa    the groom's gana:
    {{6,   6,       0}},  // Deva
    {{5,   6,       0}},  // Manushya
    {{1,   0,       6}},  // Rakshasa
}};

// Bhakoot: Shastri counts from the bride's rashi to the groom's and back;
// 6 and 8 bring death, 9 and 5 the loss of children, 2 and 12 poverty: 0
// points; any other pair 7. The count from the bride's rashi, 1 to 12:
inline constexpr std::array<bool, 13> BhakootIsIll{
    {false, false, true, false, false, true, true, false, true, true, false, false, true}};

// Nadi: the same nadi for both gets 0 of 8, different nadis 8.

// The names the window and the report show (context "Matching").
inline constexpr std::array<std::string_view, 8> KootaNames{{
    //: The eight kootas of Ashtakoota matching, left in Sanskrit.
    ORVANTA_TR_TEXT("Matching", "Varna"),
    ORVANTA_TR_TEXT("Matching", "Vashya"),
    ORVANTA_TR_TEXT("Matching", "Tara"),
    ORVANTA_TR_TEXT("Matching", "Yoni"),
    ORVANTA_TR_TEXT("Matching", "Graha Maitri"),
    ORVANTA_TR_TEXT("Matching", "Gana"),
    ORVANTA_TR_TEXT("Matching", "Bhakoot"),
    ORVANTA_TR_TEXT("Matching", "Nadi"),
}};

inline constexpr std::array<std::string_view, 4> VarnaNames{{
    //: A varna (class) of a rashi in matching.
    ORVANTA_TR_TEXT("Matching", "Brahmin"),
    ORVANTA_TR_TEXT("Matching", "Kshatriya"),
    ORVANTA_TR_TEXT("Matching", "Vaishya"),
    ORVANTA_TR_TEXT("Matching", "Shudra"),
}};

inline constexpr std::array<std::string_view, 5> VashyaNames{{
    //: A vashya group of rashis: four-footed, human, water, forest (Leo), insect (Scorpio).
    ORVANTA_TR_TEXT("Matching", "Four-footed"),
    ORVANTA_TR_TEXT("Matching", "Human"),
    ORVANTA_TR_TEXT("Matching", "Water"),
    ORVANTA_TR_TEXT("Matching", "Forest"),
    ORVANTA_TR_TEXT("Matching", "Insect"),
}};

// The taras 1 to 9, counted from one's own nakshatra.
inline constexpr std::array<std::string_view, 10> TaraNames{{
    "",
    //: A tara: the other's nakshatra counted from one's own, by nines.
    ORVANTA_TR_TEXT("Matching", "Janma"),
    ORVANTA_TR_TEXT("Matching", "Sampat"),
    ORVANTA_TR_TEXT("Matching", "Vipat"),
    ORVANTA_TR_TEXT("Matching", "Kshema"),
    ORVANTA_TR_TEXT("Matching", "Pratyak"),
    ORVANTA_TR_TEXT("Matching", "Sadhana"),
    ORVANTA_TR_TEXT("Matching", "Vadha"),
    ORVANTA_TR_TEXT("Matching", "Mitra"),
    ORVANTA_TR_TEXT("Matching", "Ati-mitra"),
}};

inline constexpr std::array<std::string_view, 14> YoniNames{{
    //: A yoni (the animal of a nakshatra) in matching.
    ORVANTA_TR_TEXT("Matching", "Horse"),
    ORVANTA_TR_TEXT("Matching", "Elephant"),
    ORVANTA_TR_TEXT("Matching", "Ram"),
    ORVANTA_TR_TEXT("Matching", "Serpent"),
    ORVANTA_TR_TEXT("Matching", "Dog"),
    ORVANTA_TR_TEXT("Matching", "Cat"),
    ORVANTA_TR_TEXT("Matching", "Rat"),
    ORVANTA_TR_TEXT("Matching", "Cow"),
    ORVANTA_TR_TEXT("Matching", "Buffalo"),
    ORVANTA_TR_TEXT("Matching", "Tiger"),
    ORVANTA_TR_TEXT("Matching", "Deer"),
    ORVANTA_TR_TEXT("Matching", "Monkey"),
    ORVANTA_TR_TEXT("Matching", "Mongoose"),
    ORVANTA_TR_TEXT("Matching", "Lion"),
}};

// The planets' names are the nakshatra table's, context "Planet".
inline constexpr std::array<std::string_view, 7> PlanetNames{{
    ORVANTA_TR_TEXT("Planet", "Sun"),
    ORVANTA_TR_TEXT("Planet", "Moon"),
    ORVANTA_TR_TEXT("Planet", "Mars"),
    ORVANTA_TR_TEXT("Planet", "Mercury"),
    ORVANTA_TR_TEXT("Planet", "Jupiter"),
    ORVANTA_TR_TEXT("Planet", "Venus"),
    ORVANTA_TR_TEXT("Planet", "Saturn"),
}};

inline constexpr std::array<std::string_view, 3> GanaNames{{
    //: A gana (temperament) of a nakshatra: divine, human, demonic.
    ORVANTA_TR_TEXT("Matching", "Deva"),
    ORVANTA_TR_TEXT("Matching", "Manushya"),
    ORVANTA_TR_TEXT("Matching", "Rakshasa"),
}};

inline constexpr std::array<std::string_view, 3> NadiNames{{
    //: A nadi of a nakshatra: first, middle, last.
    ORVANTA_TR_TEXT("Matching", "Adi"),
    ORVANTA_TR_TEXT("Matching", "Madhya"),
    ORVANTA_TR_TEXT("Matching", "Antya"),
}};

}  // namespace orvanta::koota
