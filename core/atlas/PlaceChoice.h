// SPDX-License-Identifier: GPL-3.0-or-later
// What choosing a place of the atlas puts into the main window: the place
// and its coordinates as the boxes take them, and the zone in force at the
// entered date and time, or the two offsets to choose from where that clock
// time was skipped or came twice.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atlas/PlaceAtlas.h"
#include "core/atlas/ZoneInForce.h"
#include "core/common/Coordinates.h"
#include "core/common/UiText.h"
#include "core/entry/BirthDataEntry.h"

namespace orvanta {

// The place boxes and coordinates for a place of the atlas.
struct PlaceInputs {
    std::string City, State, Country;
    CoordinateEntry Longitude, Latitude;

    bool operator==(const PlaceInputs&) const = default;
};
PlaceInputs PlaceInputsFor(const PlaceHit& place);

// The entered date and clock time, or nothing when a list holds no number.
std::optional<CivilDateTime> LocalTimeOf(const BirthDataEntry& entry);

// One of the two offsets around a change of the clocks.
struct ZoneOption {
    UiText Label;        // "UTC-05:00 EST"
    ZoneBoxTexts Boxes;  // what choosing it writes
    UiText Line;         // what the line says once it is chosen
};

struct ZoneFill {
    enum class Outcome {
        Filled,       // Boxes hold the offset in force
        NeedsChoice,  // the time was skipped or came twice: Options hold both offsets
        NotFilled,    // no such date or time, or no such zone: the boxes stay as they are
    };
    Outcome Result = Outcome::NotFilled;
    ZoneBoxTexts Boxes;
    UiText Line;  // what was used, or why nothing was
    std::vector<ZoneOption> Options;
};

// The zone boxes for the place at the entry's date and time. DST stays
// unticked: the offset already holds any daylight or war time.
ZoneFill ZoneFillFor(const PlaceHit& place, const BirthDataEntry& entry, std::string_view tzVersion);

}  // namespace orvanta
