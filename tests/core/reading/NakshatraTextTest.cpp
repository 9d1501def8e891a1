// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/NakshatraText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/reading/RashiCatalogue.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

// The texts keep dates together with no-break spaces; compare them as plain text.
std::string Plain(const UiText& text)
{
    std::string plain = English(text);
    for (std::size_t at; (at = plain.find("\u00A0")) != std::string::npos;) {
        plain.replace(at, 2, " ");
    }
    return plain;
}

constexpr ClockTime kBirth{2024, 6, 14, 10, 0, 0};

PadaCrossing At(double minutes, int padaBefore)
{
    const ClockTime clock = ClockTimeAt(DayNumberOf(kBirth), SecondsIntoDay(kBirth) + std::llround(minutes * 60));
    return {minutes, clock, padaBefore, (padaBefore + 1) % PadaCount};
}

// A birth in Rohini (padas 12 to 15 of the zodiac), its nakshatra entered 9
// hours before and left 18 h 12 min after, its pada's ends the given minutes
// away.
NakshatraStay Rohini(int pada, double padaEntered, double padaLeaves)
{
    NakshatraStay stay;
    stay.Position = PadaPosition(pada);
    stay.Birth = kBirth;
    stay.AccuracyMinutes = 5.5;
    stay.Entered = At(pada == 12 ? padaEntered : -540, 11);
    stay.Leaves = At(pada == 15 ? padaLeaves : 1092, 15);
    stay.PadaEntered = At(padaEntered, pada - 1);
    stay.PadaLeaves = At(padaLeaves, pada);
    return stay;
}

TEST(DescribeNakshatra, Line)
{
    const NakshatraText text = DescribeNakshatra(Rohini(13, -120, 200));
    EXPECT_EQ(Plain(text.Line), "Nakshatra Rohini, pada 2 \u2014 lord Moon \u2014 name syllable Va (वा)");
    EXPECT_EQ(Plain(text.LineSpoken), "Nakshatra Rohini, pada 2, lord Moon, name syllable Va (वा).");
}

// The result window's page on the birth star: the short line, the four
// padas' syllables and both stays, which stay whole under a notice.
TEST(DescribeNakshatra, PageTexts)
{
    const struct {
        const char* What;
        NakshatraStay Stay;
        const char* PadaStay;
    } cases[] = {
        {"mid-pada", Rohini(13, -120, 200),
         "Moon in pada 2 of Rohini from 14 Jun 08:00 to 14 Jun 13:20 (birthplace clock)"},
        {"pada change 9 minutes ahead", Rohini(13, -300, 9.02),
         "Moon in pada 2 of Rohini from 14 Jun 05:00 to 14 Jun 10:09 (birthplace clock)"},
    };
    // Rohini's syllables as the table spells them, padas 12 to 15 of the zodiac.
    std::string rohini[4];
    for (int k = 0; k < 4; ++k) {
        rohini[k] = Plain(SyllableText(NameSyllableTable[3][k]));
    }
    for (const auto& c : cases) {
        const NakshatraText text = DescribeNakshatra(c.Stay);
        EXPECT_EQ(Plain(text.Short), "Rohini 2 \u00B7 " + rohini[1]) << c.What;
        EXPECT_EQ(Plain(text.ShortSpoken), "Birth star Rohini, pada 2, name syllable " + rohini[1]) << c.What;
        EXPECT_EQ(English(text.Lord), "Moon") << c.What;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(Plain(text.Syllables[k]), rohini[k]) << c.What << ", pada " << k + 1;
        }
        EXPECT_EQ(Plain(text.NakshatraStayLine), "Moon in Rohini from 14 Jun 01:00 to 15 Jun 04:12 (birthplace clock)")
            << c.What;
        EXPECT_EQ(Plain(text.PadaStayLine), c.PadaStay) << c.What;
    }
}

TEST(DescribeNakshatra, StayAndNotices)
{
    const struct {
        const char* What;
        NakshatraStay Stay;
        StayCertainty Certainty;
        const char* Heading;
        const char* Text;
    } cases[] = {
        {"mid-pada", Rohini(13, -120, 200), StayCertainty::Settled, "",
         "Moon in Rohini from 14 Jun 01:00 to 15 Jun 04:12 (birthplace clock)"},
        {"pada change 9 minutes ahead", Rohini(13, -300, 9.02), StayCertainty::NearChange, "Close to a pada change",
         "The Moon entered pada 3 of Rohini 9 minutes after the recorded birth time. With a birth time of 10:10 or "
         "later, it is pada 3 of Rohini with the name syllable Vi (वी)."},
        {"nakshatra change 12 minutes behind", Rohini(12, -12.4, 300), StayCertainty::NearChange,
         "Close to a nakshatra change",
         "The Moon entered pada 1 of Rohini 12 minutes before the recorded birth time. With a birth time of 09:47 or "
         "earlier, it is pada 4 of Krittika with the name syllable E (ए)."},
        {"within the accuracy", Rohini(13, -300, 4), StayCertainty::CannotTell, "Pada cannot be told",
         "The pada cannot be told by this method: the Moon entered pada 3 of Rohini 4 minutes after the recorded "
         "birth time, within its accuracy of about 6 minutes. The name syllable is Va (वा) or Vi (वी)."},
    };
    for (const auto& c : cases) {
        const NakshatraText text = DescribeNakshatra(c.Stay);
        EXPECT_EQ(text.Certainty, c.Certainty) << c.What;
        EXPECT_EQ(English(text.Heading), c.Heading) << c.What;
        EXPECT_EQ(Plain(text.Text), c.Text) << c.What;
        EXPECT_NE(English(text.Spoken).find(English(text.Text)), std::string::npos) << c.What;
    }
}

TEST(DescribeNakshatra, StayWithoutAnEndNamesNoClock)
{
    NakshatraStay stay = Rohini(13, -120, 200);
    stay.Entered.reset();
    stay.Leaves.reset();
    EXPECT_EQ(English(DescribeNakshatra(stay).Text), "Moon in Rohini");
}

}  // namespace
}  // namespace orvanta
