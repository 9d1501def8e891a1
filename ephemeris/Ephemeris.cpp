#include "ephemeris/Ephemeris.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace orvanta {

namespace {

// Floor division of integers, also for negative numerators. For whole-number
// inputs it equals the floor of the real quotient, and it avoids five
// floating-point divisions.
constexpr long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

double JulianDayNumber(int month, int day, int year)
{
    const long long m = month + 12LL * (year + 4800LL) - 3;
    long long j = FloorDiv(365 * m + 7 + 2 * (m - 12 * FloorDiv(m, 12)), 12) + day + FloorDiv(m, 48) - 32083;
    if (j > 2299171) {
        j = j + FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    }
    return static_cast<double>(j);
}

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
