#include "ephemeris/Ephemeris.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvanta {

double JulianDayNumber(int month, int day, int year)
{
    const double m = month + 12.0 * (year + 4800.0) - 3.0;
    double j = std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0)
               + day + std::floor(m / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

namespace {

// Appends a non-negative whole number held in a double, without fill or sign.
void AppendWhole(std::string& out, double value)
{
    char buffer[32];
    if (!(value >= 0.0)) {
        value = 0.0;  // only reachable through rounding of enormous angles
    }
    if (value < 1e15) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer,
                                       static_cast<unsigned long long>(value)).ptr;
        out.append(buffer, end);
    } else {
        const int n = std::snprintf(buffer, sizeof buffer, "%.0f", value);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
        }
    }
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

    std::string text;
    AppendWhole(text, d);
    text += "\u00B0 ";
    AppendWhole(text, m);
    text += "' ";
    AppendWhole(text, s);
    text += "\" ";
    if (k < 12.0) {
        text += SignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3);
    }
    return text;
}

}  // namespace orvanta
