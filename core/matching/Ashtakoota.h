// SPDX-License-Identifier: GPL-3.0-or-later
// The eight kootas of two Moons, a bride's and a groom's: each koota's points
// from the tables, the total of 36, and the two doshas the tradition names,
// with whether the condition under which it lifts them holds. The tradition
// is directional: Varna, Vashya and Gana read the groom against the bride.
#pragma once

#include <array>
#include <cstdint>

#include "core/matching/KootaTables.h"

namespace orvanta {

enum class Koota : std::uint8_t { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };
inline constexpr int KootaCount = 8;
inline constexpr std::array<Koota, KootaCount> AllKootas{{Koota::Varna, Koota::Vashya, Koota::Tara, Koota::Yoni,
                                                         Koota::GrahaMaitri, Koota::Gana, Koota::Bhakoot,
                                                         Koota::Nadi}};
// Each koota's most points is its place in the order: 1 for Varna to 8 for Nadi.
inline constexpr int MaxPoints(Koota koota) { return static_cast<int>(koota) + 1; }
inline constexpr int MaxTotalPoints = 36;

// Where a Moon stands, as far as the kootas ask.
struct MoonPlace {
    int Rashi = 0;           // 0 for Mesha to 11 for Meena
    int Pada = 0;            // counted round the zodiac, 0 to 107
    bool LaterHalf = false;  // 15° or more into the rashi: Vashya halves Dhanus and Makara

    int Nakshatra() const { return Pada / 4; }
    bool operator==(const MoonPlace&) const = default;
};

// The place of a sidereal longitude, its nakshatra and pada as the reading
// finds them.
MoonPlace MoonPlaceAt(double siderealLongitude);

// Each side's class in one koota, as an index into that koota's names
// (KootaTables.h): the varna, vashya group, tara (1 to 9, the other's
// nakshatra counted from one's own), yoni, rashi lord, gana, rashi (for
// Bhakoot) and nadi.
int ClassOf(Koota koota, const MoonPlace& self, const MoonPlace& other);

struct AshtakootaScore {
    std::array<int, KootaCount> Halves{};  // each koota's points, counted in halves
    int TotalHalves = 0;
    int GroomFromBride = 1;  // the groom's rashi counted from the bride's, 1 to 12

    bool NadiDosha = false;          // the same nadi
    bool NadiDoshaLifted = false;    // ... in one rashi with other nakshatras, or one nakshatra with other padas
    bool BhakootDosha = false;       // rashis 2/12, 5/9 or 6/8 apart
    bool BhakootDoshaLifted = false; // ... with one lord, or a lord that counts the other a friend

    int PointsHalves(Koota koota) const { return Halves[static_cast<std::size_t>(koota)]; }
};

AshtakootaScore ScoreAshtakoota(const MoonPlace& bride, const MoonPlace& groom);

}  // namespace orvanta
