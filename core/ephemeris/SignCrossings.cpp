// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/SignCrossings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvanta {

namespace {

constexpr double kMinutesPerCentury = 36525.0 * 24.0 * 60.0;
constexpr double kSpeedStepMinutes = 10.0;
// The secant steps stop once a step is this small; the error left is far
// smaller still, well inside a second.
constexpr double kStepToleranceMinutes = 1e-4;

// The secant steps start from the guess that the speed at birth gives and
// converge within a few evaluations.
std::optional<double> SolveCrossing(const std::function<double(double)>& longitude, double boundary,
                                    double speedPerMinute)
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

LongitudeAtMinutes ReadingLongitude(double birthCenturies)
{
    return [birthCenturies](double minutes) {
        return SiderealMoonLongitude(birthCenturies + minutes / kMinutesPerCentury);
    };
}

LongitudeAtMinutes PreciseLongitude(const PreciseMoonSource& source, double birthCenturies, Ayanamsa ayanamsa)
{
    return [&source, birthCenturies, ayanamsa](double minutes) {
        const PreciseMoonResult at = source.MoonAt(JulianDayUt(birthCenturies + minutes / kMinutesPerCentury), ayanamsa);
        return at ? at.Position->SiderealLongitude : std::nan("");
    };
}

// Clock times are counted from the start of the civil birth date on the
// birth place's clock, which runs a fixed offset from universal time.
ClockTime BirthplaceClock(const MoonComputation& reading, double minutesFromBirth)
{
    const long long birthDay = static_cast<long long>(reading.DayNumber);
    return ClockTimeAt(birthDay, std::llround((reading.LocalHours * 60.0 + minutesFromBirth) * 60.0));
}

CrossingSearch::CrossingSearch(LongitudeAtMinutes longitude, double accuracyDegrees)
    : longitude_(std::move(longitude)), accuracyDegrees_(accuracyDegrees), atBirth_(longitude_(0.0))
{
    speedPerMinute_ = (Unwrapped(kSpeedStepMinutes) - Unwrapped(-kSpeedStepMinutes)) / (2.0 * kSpeedStepMinutes);
}

// The longitude unwrapped around the birth's, so that it runs on without a
// jump at 0/360 (the Moon moves under 50 degrees in the search window).
double CrossingSearch::Unwrapped(double minutes) const
{
    return atBirth_ + std::remainder(longitude_(minutes) - atBirth_, 360.0);
}

std::optional<double> CrossingSearch::Crossing(double boundary) const
{
    return SolveCrossing([this](double minutes) { return Unwrapped(minutes); }, boundary, speedPerMinute_);
}

ArcStay CrossingSearch::Stay(double widthDegrees, int part) const
{
    // The copy of the part, a whole turn either way, that holds the birth.
    double start = part * widthDegrees;
    start += 360.0 * std::round((atBirth_ - start - widthDegrees / 2.0) / 360.0);
    ArcStay stay;
    stay.Part = part;
    stay.DegreesIntoPart = std::max(0.0, atBirth_ - start);
    stay.EnteredMinutes = Crossing(start);
    stay.LeavesMinutes = Crossing(start + widthDegrees);
    return stay;
}

std::optional<SignStay> FindSignStay(const BirthRecord& record)
{
    return FindSignStay(ComputeMoonPosition(record));
}

std::optional<SignStay> FindSignStay(const MoonComputation& computation)
{
    return FindSignStay(computation, CrossingSearch(ReadingLongitude(computation.Centuries), MethodAccuracyDegrees));
}

std::optional<SignStay> FindSignStay(const MoonComputation& computation, const CrossingSearch& search)
{
    SignStay stay;
    stay.Reading = computation;
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

    stay.SpeedDegreesPerDay = search.SpeedDegreesPerDay();
    stay.AccuracyDegrees = search.AccuracyDegrees();
    stay.AccuracyMinutes = search.AccuracyMinutes();
    stay.Birth = BirthplaceClock(reading, 0.0);

    const ArcStay arc = search.Stay(30.0, stay.SignIndex);
    auto crossing = [&](const std::optional<double>& minutes, int fromSign) -> std::optional<SignCrossing> {
        if (!minutes) {
            return std::nullopt;
        }
        return SignCrossing{*minutes, BirthplaceClock(reading, *minutes), RashiOfSign(fromSign),
                            RashiOfSign(fromSign + 1)};
    };
    stay.Entered = crossing(arc.EnteredMinutes, stay.SignIndex - 1);
    stay.Leaves = crossing(arc.LeavesMinutes, stay.SignIndex);
    return stay;
}

}  // namespace orvanta
