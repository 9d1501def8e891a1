// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's precise sidereal longitude at a universal time, from Swiss
// Ephemeris: its own files where they are installed, else its built-in
// analytic theory, and always which of the two. Nothing touches the library
// before the first position is asked for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

// The ayanamsas a precise position may be given with.
enum class Ayanamsa { Lahiri, Raman, Krishnamurti };

struct AyanamsaRow {
    Ayanamsa Value;
    std::string_view Name;  // the settings value, and in English the name shown
};

// The context the ayanamsas' names are translated in: they are the names
// of the astronomers they come from.
inline constexpr const char* AyanamsaContext = "Ayanamsa";

// One row a choice; the first is the default.
inline constexpr std::array<AyanamsaRow, 3> AyanamsaTable{{
    {Ayanamsa::Lahiri,       ORVANTA_TR_TEXT("Ayanamsa", "Lahiri")},
    {Ayanamsa::Raman,        ORVANTA_TR_TEXT("Ayanamsa", "Raman")},
    {Ayanamsa::Krishnamurti, ORVANTA_TR_TEXT("Ayanamsa", "Krishnamurti")},
}};

inline constexpr Ayanamsa DefaultAyanamsa = AyanamsaTable[0].Value;

std::string_view AyanamsaName(Ayanamsa ayanamsa);

// The ayanamsa of that name; any other text counts as the default.
Ayanamsa AyanamsaNamed(std::string_view name);

// What the library computed from.
enum class PreciseMoonData { EphemerisFiles, AnalyticTheory };

// How far a longitude may be off, in degrees: the band around a boundary in
// which the side cannot be told. With the files the Moon itself is good to
// far under an arcsecond; what is left is the difference between universal
// and dynamical time, extrapolated beyond the present (10 s of it move the
// Moon 0.0015 degrees). The analytic theory stays within about 3 arcseconds of the
// files over 1901-2050 (bench/PreciseMoonAgreement measures it), plus the same.
inline constexpr double EphemerisFilesAccuracyDegrees = 0.002;
inline constexpr double AnalyticTheoryAccuracyDegrees = 0.003;

struct PreciseMoonPosition {
    double TropicalLongitude = 0;   // apparent, of the true equinox of date; 0 to 360
    double SiderealLongitude = 0;   // 0 to 360
    double AyanamsaDegrees = 0;     // tropical minus sidereal (about 24 degrees)
    // The same without nutation: what a longitude of the mean equinox of
    // date, as the classic series gives, less makes this sidereal one.
    double MeanAyanamsaDegrees = 0;
    double SpeedDegreesPerDay = 0;  // of the sidereal longitude
    PreciseMoonData Data = PreciseMoonData::EphemerisFiles;
    double AccuracyDegrees = EphemerisFilesAccuracyDegrees;
};

// A position, or the reason there is none.
struct PreciseMoonResult {
    std::optional<PreciseMoonPosition> Position;
    UiText Problem;  // empty when Position holds

    explicit operator bool() const { return Position.has_value(); }
};

// What the position was computed from, for the user: which of the library's
// two ways, and why the second.
UiText DescribeData(PreciseMoonData data);

// The Julian day (universal time) of a moment that the reading's own
// arithmetic gives in Julian centuries from JD 2451545.0.
double JulianDayUt(double centuries);

// Where a reading takes its precise Moon from: the program passes a
// SwissEphemerisMoon, tests may pass one that cannot compute.
class PreciseMoonSource {
public:
    virtual ~PreciseMoonSource() = default;
    virtual PreciseMoonResult MoonAt(double julianDayUt, Ayanamsa ayanamsa) const = 0;
};

// The folder Debian's swe-basic-data installs the ephemeris files in.
std::string DefaultEphemerisFolder();

// Swiss Ephemeris with its files looked for in one folder; where they are
// missing (or the folder cannot be given to the library) the analytic
// theory answers. Debian's library keeps its folder, open files and
// sidereal mode per thread, so each computation sets them for its own
// thread first, and threads may compute at once. The environment variable
// SE_EPHE_PATH, where set, overrides the folder inside the library.
class SwissEphemerisMoon final : public PreciseMoonSource {
public:
    explicit SwissEphemerisMoon(std::string ephemerisFolder = DefaultEphemerisFolder());
    PreciseMoonResult MoonAt(double julianDayUt, Ayanamsa ayanamsa) const override;

private:
    std::string folder_;
};

// A source that never computes, as when the library is missing.
class UnavailablePreciseMoon final : public PreciseMoonSource {
public:
    PreciseMoonResult MoonAt(double julianDayUt, Ayanamsa ayanamsa) const override;
};

}  // namespace orvanta
