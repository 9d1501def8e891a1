// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/SignCrossings.h"

#include <cmath>

namespace orvanta {

namespace {

constexpr double kMinutesPerCentury = 36525.0 * 24.0 * 60.0;
constexpr double kSpeedStepMinutes = 10.0;
// The secant steps stop once a step is this small; the error left is far
// smaller still, well inside a second.
constexpr double kStepToleranceMinutes = 1e-4;

// The reading's sidereal longitude at a moment given in minutes from the
// birth, unwrapped around the birth's longitude so that it runs on without a
// jump at 0/360 (the Moon moves under 50 degrees in the search window).
class LongitudeNearBirth {
public:
    LongitudeNearBirth(double birthCenturies, double birthLongitude)
        : centuries_(birthCenturies), longitude_(birthLongitude)
    {
    }

    double operator()(double minutes) const
    {
        const double at = SiderealMoonLongitude(centuries_ + minutes / kMinutesPerCentury);
        return longitude_ + std::remainder(at - longitude_, 360.0);
    }

private:
    double centuries_;
    double longitude_;
};

// The moment in minutes when the longitude reaches `boundary`: the first one
// at which the reading counts the later sign. The longitude always grows, at
// between about 11 and 16 degrees a day, so secant steps from the guess that
// the speed at birth gives converge within a few evaluations.
std::optional<double> SolveCrossing(const LongitudeNearBirth& longitude, double boundary, double speedPerMinute)
{
    double x0 = 0.0;
    double f0 = longitude(0.0) - boundary;
    if (f0 == 0.0) {
        return 0.0;
    }
    double x1 = -f0 / speedPerMinute;
    double f1 = longitude(x1) - boundary;
    for (int step = 0; step < 30 && f1 != 0.0 && f1 != f0 && std::fabs(x1 - x0) >= kStepToleranceMinutes; ++step) {
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = longitude(x1) - boundary;
    }
    if (std::isfinite(x1) && std::fabs(x1) <= CrossingSearchMinutes && std::fabs(f1) < 1e-6) {
        return x1;
    }
    return std::nullopt;
}

std::string_view RashiOfSign(int index)
{
    return RashiNameTable[static_cast<std::size_t>((index % 12 + 12) % 12)].VedicName;
}

}  // namespace

std::optional<SignStay> FindSignStay(const BirthRecord& record)
{
    SignStay stay;
    stay.Reading = ComputeMoonPosition(record);
    const MoonComputation& reading = stay.Reading;
    if (reading.RashiName.empty()) {
        return std::nullopt;
    }
    // The sign is the reading's own; its boundaries are whole multiples of
    // 30 degrees, so the truncated degrees the reading goes by change sign
    // exactly where the longitude does.
    while (RashiOfSign(stay.SignIndex) != reading.RashiName) {
        ++stay.SignIndex;
    }
    stay.DegreesIntoSign = reading.MoonLongitude - 30.0 * stay.SignIndex;

    const LongitudeNearBirth longitude(reading.Centuries, reading.MoonLongitude);
    const double speedPerMinute =
        (longitude(kSpeedStepMinutes) - longitude(-kSpeedStepMinutes)) / (2.0 * kSpeedStepMinutes);
    stay.SpeedDegreesPerDay = speedPerMinute * 24.0 * 60.0;
    stay.AccuracyMinutes = MethodAccuracyDegrees / speedPerMinute;

    // Clock times are counted from the start of the civil birth date on the
    // birth place's clock, which runs a fixed offset from universal time.
    const long long birthDay = static_cast<long long>(reading.DayNumber);
    const double birthMinuteOfDay = reading.LocalHours * 60.0;
    stay.Birth = ClockTimeAt(birthDay, std::llround(birthMinuteOfDay * 60.0));

    auto crossing = [&](int fromSign) -> std::optional<SignCrossing> {
        const std::optional<double> minutes = SolveCrossing(longitude, 30.0 * (fromSign + 1), speedPerMinute);
        if (!minutes) {
            return std::nullopt;
        }
        SignCrossing c;
        c.MinutesFromBirth = *minutes;
        c.Clock = ClockTimeAt(birthDay, std::llround((birthMinuteOfDay + *minutes) * 60.0));
        c.RashiBefore = RashiOfSign(fromSign);
        c.RashiAfter = RashiOfSign(fromSign + 1);
        return c;
    };
    stay.Entered = crossing(stay.SignIndex - 1);
    stay.Leaves = crossing(stay.SignIndex);
    return stay;
}

}  // namespace orvanta
