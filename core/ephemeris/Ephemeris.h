// SPDX-License-Identifier: GPL-3.0-or-later
// Angle arithmetic shared by the Moon computation: the text of a longitude
// within its sign. The day number of a civil date comes from the calendar.
#pragma once

#include <string>
#include <string_view>

#include "core/common/Calendar.h"  // JulianDayNumber

namespace orvanta {

// Degrees to radians: the 15-digit literal the lunar series was fitted with
// (one unit in the last place above the double nearest pi/180).
inline constexpr double DegToRad = 0.0174532925199433;

// The twelve signs from Aries, three letters each; sign k owns [3k, 3k+3).
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Whole degrees within the sign, minutes, seconds (all truncated) and the
// sign's abbreviation, as in 3° 27' 24" Leo (UTF-8). A negative longitude
// is written as its magnitude; from 360 on the abbreviation is empty, and a
// value that is not finite gives an empty text.
std::string LongitudeToSignText(double longitude);

}  // namespace orvanta
