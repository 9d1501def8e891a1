// SPDX-License-Identifier: GPL-3.0-or-later
// The About window names the program's licence and credits the atlas's data
// and Swiss Ephemeris, whose licences require the credit wherever the program
// shows its origins.
#include <QLabel>
#include <gtest/gtest.h>

#include "gui/support/frmAbout.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

TEST(AboutWindow, NamesTheLicenceAndTheCredits)
{
    FakePlatform platform;
    frmAbout about(platform);
    about.show();

    const auto* licence = about.findChild<QLabel*>(QStringLiteral("lblLicense"));
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->isVisible());
    // Read as a user reads it: a space that keeps words together is a space.
    const QString text = licence->text().replace(QChar(0x00a0), QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("GNU General Public License, version 3 or later")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("Contains GeoNames data (geonames.org), licensed under CC BY 4.0.")));
    // The wrapped line must get the height it needs, not be cut to one line.
    EXPECT_GE(licence->height(), licence->heightForWidth(licence->width()));

    const auto* swe = about.findChild<QLabel*>(QStringLiteral("lblSwissEphemeris"));
    ASSERT_NE(swe, nullptr);
    EXPECT_TRUE(swe->isVisible());
    EXPECT_TRUE(swe->text().contains(QStringLiteral("Swiss Ephemeris \u00a9 Astrodienst AG, AGPL-3.0")));
    EXPECT_GE(swe->height(), swe->heightForWidth(swe->width()));
}

}  // namespace
}  // namespace orvanta
