// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/Ephemeris.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace orvanta {

namespace {

// Writes a non-negative whole number held in a double, without fill or sign;
// returns the end of what was written. The buffer holds at least 32 chars.
char* WriteWhole(char* out, double value)
{
    if (!(value >= 0.0)) {
        value = 0.0;  // only reachable through rounding of enormous angles
    }
    if (value < 1e15) {
        return std::to_chars(out, out + 32, static_cast<unsigned long long>(value)).ptr;
    }
    const int n = std::snprintf(out, 32, "%.0f", value);
    return out + (n > 0 && n < 32 ? n : 0);
}

char* WriteText(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

}  // namespace

std::string LongitudeToSignText(double longitude)
{
    if (!std::isfinite(longitude)) {
        return {};
    }
    const double v = std::fabs(longitude);
    double d = std::floor(v);
    const double mf = 60.0 * (v - d);
    const double m = std::floor(mf);
    const double s = std::floor(60.0 * (mf - m));
    const double k = std::floor(d / 30.0);
    d -= 30.0 * k;  // the same as subtracting 30 while d >= 30

    // Built in place and copied once: this runs on every reading.
    char text[3 * 32 + 16];
    char* end = WriteWhole(text, d);
    end = WriteText(end, "\u00B0 ");
    end = WriteWhole(end, m);
    end = WriteText(end, "' ");
    end = WriteWhole(end, s);
    end = WriteText(end, "\" ");
    if (k < 12.0) {
        end = WriteText(end, SignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3));
    }
    return std::string(text, end);
}

}  // namespace orvanta
