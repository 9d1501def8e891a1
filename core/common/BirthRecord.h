// SPDX-License-Identifier: GPL-3.0-or-later
// The one record through which a reading passes: the birth data the user
// entered, the computed rashi name, and the catalogue texts of that rashi.
// The application owns a single instance and hands it out by reference.
#pragma once

#include <cstdint>
#include <string>

#include "core/common/RashiCatalogueRow.h"

namespace orvanta {

// Which side of Greenwich the zone lies on. A zone typed as plain digits
// takes the longitude's side; one written with a sign (by the picker, a
// saved reading or the atlas) says itself whether its clocks run ahead of
// universal time ("-") or behind it ("+"), as in Spain or Tonga.
enum class ZoneSide : std::int8_t { FromLongitude, AheadOfUtc, BehindUtc };

struct BirthRecord {
    // Birth data, in the order the reading flow writes it.
    std::string PersonName;
    std::int16_t BirthMonth = 0;
    std::int16_t BirthDay = 0;
    std::int16_t BirthYear = 0;
    std::int16_t BirthHour = 0;
    std::int16_t BirthMinute = 0;
    std::int16_t ZoneHours = 0;    // magnitude; the side comes from the longitude
    std::int16_t ZoneMinutes = 0;  // magnitude
    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    std::int16_t LatitudeDegrees = 0;
    std::int16_t LatitudeMinutes = 0;
    bool LongitudeEast = false;
    bool LatitudeSouth = false;
    bool DaylightSaving = false;
    ZoneSide ZoneDirection = ZoneSide::FromLongitude;

    // Vedic name of the Moon's rashi; kept as it was when no sign is found.
    std::string RashiName;

    // Texts of the last rashi looked up; empty until a lookup succeeds.
    RashiCatalogueRow SelectedRashi;

    bool operator==(const BirthRecord&) const = default;
};

// The longitude in degrees, west positive and east negative.
inline double SignedLongitudeOf(const BirthRecord& r)
{
    const double magnitude = r.LongitudeDegrees + r.LongitudeMinutes / 60.0;
    return r.LongitudeEast ? -magnitude : magnitude;
}

// True when the place counts as east of Greenwich; a longitude of exactly 0
// counts as west, whichever side was chosen.
inline bool PlaceIsEast(const BirthRecord& r)
{
    return SignedLongitudeOf(r) < 0.0;
}

// True when the birth place's clocks run ahead of universal time.
inline bool ZoneIsAheadOfUtc(const BirthRecord& r)
{
    switch (r.ZoneDirection) {
    case ZoneSide::AheadOfUtc: return true;
    case ZoneSide::BehindUtc: return false;
    case ZoneSide::FromLongitude: break;
    }
    return PlaceIsEast(r);
}

}  // namespace orvanta
