// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence once the command line has been read: refuse a second
// copy, remind of updates, show the main window and open the reading file
// the command line named.
#pragma once

class QString;

namespace orvanta {

struct BirthRecord;
struct PlaceLookup;
class Platform;

// False when another copy already runs: the user has been told, and the
// program ends without a window.
bool StartUp(BirthRecord& record, Platform& platform, const QString& readingFile, PlaceLookup* places = nullptr);

}  // namespace orvanta
