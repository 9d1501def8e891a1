// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up reminder to look for a newer version of the program.
#pragma once

namespace orvanta {

class Platform;

// Asks whether to check for an update when the last reminder lies more than
// 14 days away from today, and opens the download page on Yes.
void RemindOfUpdate(Platform& platform);

}  // namespace orvanta
