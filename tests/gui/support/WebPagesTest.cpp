// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/WebPages.h"

#include <gtest/gtest.h>

#include "core/support/WebLinks.h"
#include "platform/FakePlatform.h"

namespace orvanta {
namespace {

TEST(WebPages, EachOpensItsOwnAddress)
{
    FakePlatform platform;
    OpenHelpPage(platform);
    OpenHomePage(platform);
    OpenDownloadPage(platform);
    OpenHomePage(platform);  // a second click opens the page again
    EXPECT_EQ(platform.OpenedPages,
              QStringList({QString::fromUtf8(HelpPage.data()), QString::fromUtf8(HomePage.data()),
                           QString::fromUtf8(DownloadPage.data()), QString::fromUtf8(HomePage.data())}));
}

}  // namespace
}  // namespace orvanta
