// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between the two main windows, in one place: the main window opens
// the result window once a reading is ready and closes; the result window's
// Back opens a fresh main window and closes. Each window is created afresh,
// top-level, and deletes itself when closed; neither knows the other.
#pragma once

#include <optional>

class QString;

namespace orvanta {

struct MatchPerson;
struct Reading;
struct Services;
class frmMain;
class frmMatch;
class frmResult;

// Shows a new main window with its defaults (the record is not read back).
frmMain* ShowMainWindow(Services& services);

// Shows a new result window for the reading. Its link to the other method's
// reading shows that reading in a new result window.
frmResult* ShowResultWindow(const Reading& reading, Services& services);

// Shows a new matching window beside the open one, the reading on screen
// (if any) offered to either side and standing as the bride's.
frmMatch* ShowMatchWindow(Services& services, const std::optional<MatchPerson>& onScreen);

// Opens a reading file in whichever of the two windows is open, as "Open
// Previously Saved Reading" does: from the result window it first goes back
// to a fresh main window, as Back does. The window left open comes to the front.
void OpenReadingInOpenWindow(Services& services, const QString& path);

}  // namespace orvanta
