// SPDX-License-Identifier: GPL-3.0-or-later
// The About window names the program's licence and credits the atlas's data,
// whose licence requires the credit wherever the program shows its origins.
#include <QLabel>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "platform/FakePlatform.h"
#include "support/frmAbout.h"

namespace orvanta {
namespace {

TEST(AboutWindow, NamesTheLicenceAndCreditsGeoNames)
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
}

}  // namespace
}  // namespace orvanta
