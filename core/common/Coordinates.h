// SPDX-License-Identifier: GPL-3.0-or-later
// A longitude or latitude as the main window's boxes hold it (degree and
// minute texts and the side), and an angle rounded to whole minutes of arc:
// one vocabulary for the entry, the reading file, the atlas and the window.
#pragma once

#include <string>

namespace orvanta {

struct CoordinateEntry {
    std::string Degrees{};
    std::string Minutes{};
    bool WestOrSouth = false;  // the frame's second option; East or North otherwise

    bool operator==(const CoordinateEntry&) const = default;
};

// An angle rounded to the nearest minute of arc, as whole degrees and
// minutes of its magnitude (59.5 minutes carry into the next degree).
struct DegreesMinutes {
    int Degrees = 0;
    int Minutes = 0;
    bool Negative = false;

    bool operator==(const DegreesMinutes&) const = default;
};
DegreesMinutes RoundToMinutes(double degrees);

// The boxes for an angle that is negative to the west or south.
CoordinateEntry CoordinateEntryFor(double degrees);

}  // namespace orvanta
