// Moving between the two main windows: each creates the other afresh, as a
// top-level window that deletes itself when closed.
#pragma once

class QWidget;

namespace orvanta {

struct BirthRecord;
class Platform;

// Shows a new main window with its defaults (the record is not read back).
QWidget* ShowMainWindow(BirthRecord& record, Platform& platform);

// Shows a new result window loaded from the record's selected rashi.
QWidget* ShowResultWindow(BirthRecord& record, Platform& platform);

}  // namespace orvanta
