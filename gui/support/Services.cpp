// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/Services.h"

#include "gui/support/MoonPreferences.h"

namespace orvanta {

Services::Services(BirthRecord& record, orvanta::Platform& platform, PlaceLookup* places,
                   const PreciseMoonSource* precise)
    : Record(record), Platform(platform), Places(places), Precise(precise), Method(ReadMoonMethod(platform))
{
}

}  // namespace orvanta
