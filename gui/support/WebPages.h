// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's help, home and download pages in the default browser.
#pragma once

namespace orvanta {

class Platform;

void OpenHelpPage(Platform& platform);
void OpenHomePage(Platform& platform);
void OpenDownloadPage(Platform& platform);

}  // namespace orvanta
