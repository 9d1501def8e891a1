// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/matching/Match.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestRecords.h"
#include "core/ephemeris/Nakshatra.h"

namespace orvanta {
namespace {

constexpr double kAccuracy = 0.05;  // degrees, the classic series'

// A reading with its Moon at `longitude`: the pada's nearer change a little
// ahead (or behind), and the pada in doubt when `padaInDoubt`; the sign as
// far from its ends as the longitude says, in doubt only with the pada at
// the sign's end.
Reading MoonAt(double longitude, bool padaInDoubt = false, bool changeAhead = true)
{
    const MoonPlace place = MoonPlaceAt(longitude);
    Reading reading;
    reading.Rashi.VedicName = RashiNameTable[static_cast<std::size_t>(place.Rashi)].VedicName;

    NakshatraStay star;
    star.Position = NakshatraOf(longitude);
    const int before = (place.Pada + PadaCount - 1) % PadaCount;
    const int after = (place.Pada + 1) % PadaCount;
    star.PadaEntered = PadaCrossing{changeAhead ? -200.0 : -3.0, {}, before, place.Pada};
    star.PadaLeaves = PadaCrossing{changeAhead ? 3.0 : 200.0, {}, place.Pada, after};
    reading.Nakshatra = star;
    NakshatraText lines;
    lines.Certainty = padaInDoubt ? StayCertainty::CannotTell : StayCertainty::Settled;
    reading.NakshatraLines = lines;

    SignStayText sign;
    sign.DegreesIntoSign = std::fmod(longitude, 30.0);
    sign.AccuracyDegrees = kAccuracy;
    const bool atSignEnd = changeAhead ? after % 9 == 0 : place.Pada % 9 == 0;
    if (padaInDoubt && atSignEnd) {
        sign.Certainty = StayCertainty::CannotTell;
        sign.NearEnd = changeAhead ? SignEnd::End : SignEnd::Start;
    }
    reading.SignStay = sign;
    return reading;
}

TEST(PossiblePlaces, EveryPlaceTheMoonMayStandIn)
{
    const struct {
        const char* What;
        Reading Moon;
        std::vector<MoonPlace> Places;
    } cases[] = {
        {"settled", MoonAt(35.0), {{1, 10, false}}},
        {"pada in doubt within a nakshatra", MoonAt(35.0, true), {{1, 10, false}, {1, 11, false}}},
        {"into the next rashi", MoonAt(359.98, true), {{11, 107, true}, {0, 0, false}}},
        {"back into the last rashi", MoonAt(0.02, true, false), {{0, 0, false}, {11, 107, true}}},
        // Dhanus's halves are two vashyas; Mithuna's one.
        {"Dhanus at 15°", MoonAt(255.02), {{8, 76, true}, {8, 76, false}}},
        {"Mithuna at 15°", MoonAt(75.02), {{2, 22, true}}},
        {"Dhanus well past 15°", MoonAt(255.2), {{8, 76, true}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PossiblePlaces(c.Moon), c.Places) << c.What;
    }
    Reading noSign = MoonAt(35.0);
    noSign.SignStay.reset();
    EXPECT_TRUE(PossiblePlaces(noSign).empty());
    EXPECT_FALSE(MatchReadings(noSign, MoonAt(35.0)).has_value());
}

TEST(MatchReadings, RowsTotalVerdictAndDoshas)
{
    // Shastri's couple: Krittika in Vrishabha, Revati in Meena.
    const Match match = *MatchReadings(MoonAt(35.0), MoonAt(350.0));
    const struct {
        Koota Which;
        const char* Bride;
        const char* Groom;
        const char* Points;
    } rows[] = {
        {Koota::Varna, "Vaishya", "Brahmin", "1"},          {Koota::Vashya, "Four-footed", "Water", "1"},
        {Koota::Tara, "Vadha (7)", "Kshema (4)", "1\u00BD"}, {Koota::Yoni, "Ram", "Elephant", "3"},
        {Koota::GrahaMaitri, "Venus", "Jupiter", "\u00BD"},  {Koota::Gana, "Rakshasa", "Deva", "0"},
        {Koota::Bhakoot, "Vrishabha", "Meena", "7"},         {Koota::Nadi, "Antya", "Antya", "0"},
    };
    for (const auto& r : rows) {
        const KootaRow& row = match.Kootas[static_cast<std::size_t>(r.Which)];
        EXPECT_EQ(English(row.Bride), r.Bride);
        EXPECT_EQ(English(row.Groom), r.Groom);
        EXPECT_EQ(English(row.Points), r.Points);
    }
    EXPECT_EQ(English(match.Kootas[3].Spoken), "Yoni: the bride Ram, the groom Elephant; 3 of 4 points.");
    EXPECT_EQ(English(match.Total), "14 of 36");
    EXPECT_EQ(match.Verdict, MatchVerdict::NotRecommended);
    EXPECT_FALSE(match.Doubt.has_value());
    ASSERT_EQ(match.Doshas.size(), 1U);
    EXPECT_EQ(English(match.Doshas[0].Heading), "Nadi dosha");
    EXPECT_EQ(English(match.Doshas[0].Text),
              "Both Moons are in the Antya nadi, which gets 0 of 8 points. The tradition lifts this dosha where the "
              "two are in one rashi but different nakshatras, or in one nakshatra but different padas. That does "
              "not hold here.");
}

TEST(MatchReadings, BhakootDoshaNamesItsPairAndWhetherItLifts)
{
    // Simha and Meena, 6/8; the Sun and Jupiter are friends.
    const Match match = *MatchReadings(MoonAt(125.0), MoonAt(335.0));
    ASSERT_EQ(match.Doshas.size(), 1U);
    EXPECT_EQ(English(match.Doshas[0].Text),
              "Counted from the bride's rashi the groom's is number 8, and hers counted from his is number 6 "
              "(shadashtaka), which gets 0 of 7 points. The tradition lifts this dosha where the two rashis have "
              "one lord, or a lord that counts the other a friend. That holds here.");
}

// A Moon in doubt gives each koota every value its places give, and the
// total and the verdict as a range.
TEST(MatchReadings, MoonInDoubtGivesARange)
{
    // The bride at the very end of Meena, the pada in doubt: Revati or Ashwini.
    const struct {
        const char* What;
        double Groom;
        const char* Total;
        MatchVerdict Verdict;
    } cases[] = {
        {"either side of 18", 71.5, "16 or 24\u00BD of 36", MatchVerdict::CannotTell},
        {"below 18 either way", 35.0, "14 or 17\u00BD of 36", MatchVerdict::NotRecommended},
    };
    for (const auto& c : cases) {
        const Match match = *MatchReadings(MoonAt(359.98, true), MoonAt(c.Groom));
        EXPECT_EQ(English(match.Total), c.Total) << c.What;
        EXPECT_EQ(match.Verdict, c.Verdict) << c.What;
        ASSERT_TRUE(match.Doubt.has_value()) << c.What;
        EXPECT_EQ(English(match.Doubt->Heading), "Score cannot be told exactly");
        EXPECT_EQ(English(match.Doubt->Text), std::string("The bride's rashi cannot be told by this method. The kootas "
                                                          "that depend on it show each possible value, and the total "
                                                          "is ") + c.Total + ".")
            << c.What;
    }
    const Match match = *MatchReadings(MoonAt(359.98, true), MoonAt(35.0));
    EXPECT_EQ(English(match.Kootas[3].Bride), "Elephant or Horse");
    EXPECT_EQ(English(match.Kootas[3].Groom), "Ram");
    EXPECT_EQ(English(match.Kootas[6].Points), "0 or 7");
}

TEST(PointsText, HalvesAsPrinted)
{
    EXPECT_EQ(PointsText(0), "0");
    EXPECT_EQ(PointsText(1), "\u00BD");
    EXPECT_EQ(PointsText(3), "1\u00BD");
    EXPECT_EQ(PointsText(72), "36");
}

// Saved readings' entries, composed as the window composes them: each in a
// record of its own, leaving the shared one as it was.
TEST(ComposeMatchPerson, ComposesWithoutTouchingTheSharedRecord)
{
    BirthRecord shared = testing::Ravi();
    const BirthRecord before = shared;
    const ComposedPerson bride = ComposeMatchPerson(testing::EntryOfBirth(1, 1, 2000, 12, 0), MoonMethod{});
    const ComposedPerson groom = ComposeMatchPerson(testing::EntryOfBirth(12, 3, 1975, 9, 5), MoonMethod{});
    EXPECT_EQ(shared, before);
    ASSERT_FALSE(bride.Refusal.has_value());
    EXPECT_EQ(bride.Person.Birth.PersonName, "Asha");
    EXPECT_EQ(bride.Person.Moon.Rashi.VedicName, "Thula");

    const std::optional<Match> match = MatchReadings(bride.Person.Moon, groom.Person.Moon);
    ASSERT_TRUE(match.has_value());
    const AshtakootaScore score = ScoreAshtakoota(MoonPlaceAt(bride.Person.Moon.Moon.MoonLongitude),
                                                  MoonPlaceAt(groom.Person.Moon.Moon.MoonLongitude));
    EXPECT_EQ(match->MinTotalHalves, score.TotalHalves);
    EXPECT_EQ(match->MaxTotalHalves, score.TotalHalves);

    const PersonLines lines = DescribePerson(bride.Person);
    EXPECT_EQ(English(lines.Name), "Asha");
    EXPECT_EQ(English(lines.Birth), "1\u00A0Jan\u00A02000, 12:00");
    EXPECT_EQ(English(lines.Place), "50\u00B000\u2032 N, 10\u00B000\u2032 W");
    EXPECT_EQ(English(lines.Rashi), "Thula");

    BirthDataEntry unnamed = testing::EntryOfBirth();
    unnamed.Name.clear();
    EXPECT_TRUE(ComposeMatchPerson(unnamed, MoonMethod{}).Refusal.has_value());
}

// Two hours earlier the same Moon stands 0.04° short of Purva Bhadrapada,
// inside the classic series' accuracy: the reading's own rule puts the pada
// in doubt, and the match gives both.
TEST(ComposeMatchPerson, TheReadingsDoubtCarriesIntoTheMatch)
{
    const ComposedPerson groom = ComposeMatchPerson(testing::EntryOfBirth(12, 3, 1975, 7, 5), MoonMethod{});
    ASSERT_EQ(groom.Person.Moon.NakshatraLines->Certainty, StayCertainty::CannotTell);
    EXPECT_EQ(PossiblePlaces(groom.Person.Moon), (std::vector<MoonPlace>{{10, 95, true}, {10, 96, true}}));
    EXPECT_EQ(English(DescribePerson(groom.Person).Nakshatra), "pada 4 of Shatabhisha or pada 1 of Purva Bhadrapada");
    const ComposedPerson bride = ComposeMatchPerson(testing::EntryOfBirth(), MoonMethod{});
    EXPECT_TRUE(MatchReadings(bride.Person.Moon, groom.Person.Moon)->Doubt.has_value());
}

}  // namespace
}  // namespace orvanta
