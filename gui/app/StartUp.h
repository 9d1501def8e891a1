// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence once the command line has been read: refuse a second
// copy (which hands its reading file to the running one), remind of updates
// (unless the build leaves updates to a package manager), show the main
// window, open the reading file the command line named, and open the files
// later starts hand over.
#pragma once

class QString;

namespace orvanta {

struct Services;

// False when another copy already runs: it has taken the reading file, or
// the user has been told; the program ends without a window.
bool StartUp(Services& services, const QString& readingFile);

}  // namespace orvanta
