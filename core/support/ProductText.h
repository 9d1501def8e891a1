// SPDX-License-Identifier: GPL-3.0-or-later
// What the program is, in the one wording that the About window and the
// result window's About page both show under their own names for it.
#pragma once

#include <string>

#include "core/common/UiText.h"

namespace orvanta {

inline UiText ProductDescription(std::string programName)
{
    //: %1 is the program's name ("Orvanta" or "Orvanta Free").
    return Compose(ORVANTA_TR("About",
                              "%1 is a moon sign / rashi calculator software based on Vedic Astrology. This program "
                              "tells us in detail the characteristics and features of people born under a particular "
                              "moon sign. This is different from the sun sign calculated in western astrology. This "
                              "helps you understand your positive and negative traits, thus helping you improve your "
                              "personality."),
                   {Verbatim(std::move(programName))});
}

}  // namespace orvanta
