// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/matching/Ashtakoota.h"

#include <cmath>

#include "core/ephemeris/Nakshatra.h"

namespace orvanta {

namespace {

using namespace koota;

constexpr int PadasPerRashi = 9;

std::size_t At(auto value) { return static_cast<std::size_t>(value); }

const RashiClasses& SignClasses(const MoonPlace& place) { return RashiKootaTable[At(place.Rashi)]; }
const NakshatraClasses& StarClasses(const MoonPlace& place) { return NakshatraKootaTable[At(place.Nakshatra())]; }

koota::Vashya VashyaOf(const MoonPlace& place)
{
    return place.LaterHalf ? SignClasses(place).SecondHalf : SignClasses(place).FirstHalf;
}

// The other's nakshatra counted from one's own, both inclusive, by nines.
int Tara(const MoonPlace& self, const MoonPlace& other)
{
    const int count = (other.Nakshatra() - self.Nakshatra() + 27) % 27 + 1;
    const int tara = count % 9;
    return tara == 0 ? 9 : tara;
}

int Halves(double points) { return static_cast<int>(std::lround(points * 2)); }

int TaraHalves(const MoonPlace& bride, const MoonPlace& groom)
{
    const int good = (TaraIsIll[At(Tara(bride, groom))] ? 0 : 1) + (TaraIsIll[At(Tara(groom, bride))] ? 0 : 1);
    return good * 3;  // 3 halves for each good count: 3 points, 1½ or 0
}

bool CountsAFriend(Planet self, Planet other)
{
    return NaturalFriendship[At(self)][At(other)] == Friendship::Friend;
}

}  // namespace

MoonPlace MoonPlaceAt(double siderealLongitude)
{
    const NakshatraPosition position = NakshatraOf(siderealLongitude);
    MoonPlace place;
    place.Pada = position.PadaOfZodiac();
    place.Rashi = place.Pada / PadasPerRashi;
    // The degrees within the sign from the same exact thirds the pada is found
    // with; only 15° matters, well inside a pada.
    const double intoSign = std::fmod(std::fmod(siderealLongitude, 360.0) + 360.0, 30.0);
    place.LaterHalf = intoSign >= 15.0;
    return place;
}

int ClassOf(Koota which, const MoonPlace& self, const MoonPlace& other)
{
    switch (which) {
    case Koota::Varna: return static_cast<int>(SignClasses(self).VarnaOf);
    case Koota::Vashya: return static_cast<int>(VashyaOf(self));
    case Koota::Tara: return Tara(self, other);
    case Koota::Yoni: return static_cast<int>(StarClasses(self).YoniOf);
    case Koota::GrahaMaitri: return static_cast<int>(SignClasses(self).Lord);
    case Koota::Gana: return static_cast<int>(StarClasses(self).GanaOf);
    case Koota::Bhakoot: return self.Rashi;
    case Koota::Nadi: return static_cast<int>(StarClasses(self).NadiOf);
    }
    return 0;
}

AshtakootaScore ScoreAshtakoota(const MoonPlace& bride, const MoonPlace& groom)
{
    AshtakootaScore score;
    auto set = [&score](Koota koota, int halves) { score.Halves[At(koota)] = halves; };

    // A groom of the bride's varna or a higher one: the varnas run highest first.
    set(Koota::Varna, SignClasses(groom).VarnaOf <= SignClasses(bride).VarnaOf ? 2 : 0);
    set(Koota::Vashya, Halves(VashyaPoints[At(VashyaOf(groom))][At(VashyaOf(bride))]));
    set(Koota::Tara, TaraHalves(bride, groom));
    set(Koota::Yoni, Halves(YoniPoints[At(StarClasses(groom).YoniOf)][At(StarClasses(bride).YoniOf)]));
    const Planet brideLord = SignClasses(bride).Lord;
    const Planet groomLord = SignClasses(groom).Lord;
    set(Koota::GrahaMaitri, Halves(GrahaMaitriPoints[At(groomLord)][At(brideLord)]));
    set(Koota::Gana, Halves(GanaPoints[At(StarClasses(groom).GanaOf)][At(StarClasses(bride).GanaOf)]));

    score.GroomFromBride = (groom.Rashi - bride.Rashi + 12) % 12 + 1;
    score.BhakootDosha = BhakootIsIll[At(score.GroomFromBride)];
    score.BhakootDoshaLifted = score.BhakootDosha && (brideLord == groomLord || CountsAFriend(brideLord, groomLord) ||
                                                      CountsAFriend(groomLord, brideLord));
    set(Koota::Bhakoot, score.BhakootDosha ? 0 : 14);

    score.NadiDosha = StarClasses(bride).NadiOf == StarClasses(groom).NadiOf;
    const bool oneRashiTwoStars = bride.Rashi == groom.Rashi && bride.Nakshatra() != groom.Nakshatra();
    const bool oneStarTwoPadas = bride.Nakshatra() == groom.Nakshatra() && bride.Pada != groom.Pada;
    score.NadiDoshaLifted = score.NadiDosha && (oneRashiTwoStars || oneStarTwoPadas);
    set(Koota::Nadi, score.NadiDosha ? 0 : 16);

    for (const int halves : score.Halves) {
        score.TotalHalves += halves;
    }
    return score;
}

}  // namespace orvanta
