// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Coordinates.h"

#include <cmath>

namespace orvanta {

DegreesMinutes RoundToMinutes(double degrees)
{
    const long minutes = std::lround(std::fabs(degrees) * 60.0);
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60), degrees < 0.0 && minutes != 0};
}

CoordinateEntry CoordinateEntryFor(double degrees)
{
    const DegreesMinutes angle = RoundToMinutes(degrees);
    return {std::to_string(angle.Degrees), std::to_string(angle.Minutes), angle.Negative};
}

}  // namespace orvanta
