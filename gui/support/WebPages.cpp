// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/WebPages.h"

#include <QString>

#include "core/support/WebLinks.h"
#include "gui/widgets/QtText.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

void Open(Platform& platform, std::string_view address)
{
    platform.OpenWebPage(ToQString(address));
}

}  // namespace

void OpenHelpPage(Platform& platform) { Open(platform, HelpPage); }
void OpenHomePage(Platform& platform) { Open(platform, HomePage); }
void OpenDownloadPage(Platform& platform) { Open(platform, DownloadPage); }

}  // namespace orvanta
