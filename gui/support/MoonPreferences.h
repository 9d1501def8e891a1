// SPDX-License-Identifier: GPL-3.0-or-later
// The user's choice of Moon, kept in the settings store: read at every
// reading, written by the Preferences window.
#pragma once

#include "core/reading/MoonMethod.h"

namespace orvanta {

class Platform;

MoonChoice ReadMoonChoice(Platform& platform);

// False when the settings store refused the value.
bool WriteMoonChoice(Platform& platform, const MoonChoice& choice);

}  // namespace orvanta
