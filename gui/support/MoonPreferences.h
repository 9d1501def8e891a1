// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon method, kept in the settings store: read once a run (Services),
// written by the Preferences window.
#pragma once

#include "core/reading/MoonMethod.h"

namespace orvanta {

class Platform;

MoonMethod ReadMoonMethod(Platform& platform);

// False when the settings store refused the value.
bool WriteMoonMethod(Platform& platform, const MoonMethod& method);

}  // namespace orvanta
