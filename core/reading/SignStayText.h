// SPDX-License-Identifier: GPL-3.0-or-later
// What the result window says about how firm the rashi is: when the Moon
// entered the sign and when it leaves it, or, close to a change, a notice
// naming the other rashi, with the figures the window's gauge draws.
#pragma once

#include <string_view>

#include "core/common/RashiCatalogueRow.h"
#include "core/common/UiText.h"
#include "core/ephemeris/SignCrossings.h"
#include "core/reading/StayText.h"

namespace orvanta {

// The end of the sign the nearer change lies at, when it is within the notice.
enum class SignEnd { None, Start, End };

struct SignStayText {
    StayCertainty Certainty = StayCertainty::Settled;
    UiText Heading;  // empty for the quiet line; marks a notice
    UiText Text;     // the line, or the body of the notice
    UiText Spoken;   // heading and text as one, for screen readers

    // What the gauge draws and says.
    double DegreesIntoSign = 0;
    double AccuracyDegrees = MethodAccuracyDegrees;
    SignEnd NearEnd = SignEnd::None;
    std::string_view Rashi;
    std::string_view EarlierRashi;  // the sign before this one
    std::string_view LaterRashi;    // the sign after it
    UiText GaugeSpoken;
};

SignStayText DescribeSignStay(const SignStay& stay);

}  // namespace orvanta
