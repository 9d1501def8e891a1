// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/SignStayText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/reading/RashiCatalogue.h"

namespace orvanta {
namespace {

// The texts keep dates together with no-break spaces; compare them as plain text.
std::string Plain(std::string text)
{
    for (std::size_t at; (at = text.find("\u00A0")) != std::string::npos;) {
        text.replace(at, 2, " ");
    }
    return text;
}

// A stay in Kataka (sign 3) with its two changes the given minutes away.
SignStay Stay(ClockTime birth, double entered, double leaves, double accuracy = 5.5)
{
    SignStay stay;
    stay.Reading.RashiName = "Kataka";
    stay.SignIndex = 3;
    stay.Birth = birth;
    stay.AccuracyMinutes = accuracy;
    stay.DegreesIntoSign = 15;
    auto at = [&](double minutes) {
        return ClockTimeAt(DayNumberOf(birth), SecondsIntoDay(birth) + std::llround(minutes * 60));
    };
    stay.Entered = SignCrossing{entered, at(entered), "Mithuna", "Kataka"};
    stay.Leaves = SignCrossing{leaves, at(leaves), "Kataka", "Simha"};
    return stay;
}

constexpr ClockTime kMarch13{2020, 3, 13, 10, 0, 0};
constexpr ClockTime kMarch14Early{2020, 3, 14, 0, 3, 0};

TEST(DescribeSignStay, LinesAndNotices)
{
    struct Case {
        const char* what;
        SignStay stay;
        StayCertainty certainty;
        SignEnd end;
        const char* text;
    };
    const Case cases[] = {
        {"mid-sign", Stay(kMarch13, -(31 * 60 + 46), 25 * 60 + 40), StayCertainty::Settled, SignEnd::None,
         "Moon in Kataka from 12 Mar 02:14 to 14 Mar 11:40 (birthplace clock)"},
        {"into another year", Stay({2000, 1, 1, 12, 0, 0}, -2303.04, 1268.04), StayCertainty::Settled, SignEnd::None,
         "Moon in Kataka from 30 Dec 1999 21:37 to 2 Jan 2000 09:08 (birthplace clock)"},
        {"just past the notice", Stay(kMarch13, -2000, 15.01), StayCertainty::Settled, SignEnd::None, nullptr},
        {"change 9 minutes ahead", Stay(kMarch13, -2000, 9.02), StayCertainty::NearChange, SignEnd::End,
         "The Moon entered Simha 9 minutes after the recorded birth time. "
         "With a birth time of 10:10 or later, the rashi is Simha."},
        {"change at the notice's edge", Stay(kMarch13, -2000, 15), StayCertainty::NearChange, SignEnd::End, nullptr},
        {"change before midnight", Stay(kMarch14Early, -7.5, 2000), StayCertainty::NearChange, SignEnd::Start,
         "The Moon entered Kataka 8 minutes before the recorded birth time. "
         "With a birth time of 23:55 on 13 Mar or earlier, the rashi is Mithuna."},
        {"within the accuracy", Stay(kMarch13, -2000, 4), StayCertainty::CannotTell, SignEnd::End,
         "Kataka and Simha cannot be told apart by this method: the Moon entered Simha 4 minutes after the "
         "recorded birth time, within its accuracy of about 6 minutes. A more exact ephemeris and an exact "
         "birth time are needed."},
        {"at the accuracy's edge", Stay(kMarch13, -5.5, 2000), StayCertainty::CannotTell, SignEnd::Start, nullptr},
        {"exactly on the boundary", Stay(kMarch13, 0, 2000), StayCertainty::CannotTell, SignEnd::Start,
         "Mithuna and Kataka cannot be told apart by this method: the Moon entered Kataka at the recorded "
         "birth time, within its accuracy of about 6 minutes. A more exact ephemeris and an exact birth time "
         "are needed."},
    };
    for (const Case& c : cases) {
        const SignStayText text = DescribeSignStay(c.stay);
        EXPECT_EQ(text.Certainty, c.certainty) << c.what;
        EXPECT_EQ(text.NearEnd, c.end) << c.what;
        EXPECT_EQ(English(text.Heading).empty(), c.certainty == StayCertainty::Settled) << c.what;
        EXPECT_NE(English(text.Spoken).find(English(text.Text)), std::string::npos) << c.what;
        if (c.text != nullptr) {
            EXPECT_EQ(Plain(English(text.Text)), c.text) << c.what;
        }
    }
}

}  // namespace
}  // namespace orvanta
