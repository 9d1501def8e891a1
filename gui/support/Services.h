// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows share over a run of the program, as one object: the one
// record of the birth data, the desktop, the atlas, where the precise Moon
// comes from, and the Moon method. The method is read from the settings once,
// here, and the Preferences window keeps it up to date.
#pragma once

#include "core/reading/MoonMethod.h"

namespace orvanta {

struct BirthRecord;
struct PlaceLookup;
class Platform;
class PreciseMoonSource;

struct Services {
    // Without `places` the City box is a plain text box; without `precise`
    // the readings follow the classic series with no cross-check.
    Services(BirthRecord& record, orvanta::Platform& platform, PlaceLookup* places = nullptr,
             const PreciseMoonSource* precise = nullptr);

    BirthRecord& Record;
    orvanta::Platform& Platform;
    PlaceLookup* Places;
    const PreciseMoonSource* Precise;
    MoonMethod Method;
};

}  // namespace orvanta
