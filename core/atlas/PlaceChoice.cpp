// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atlas/PlaceChoice.h"

#include <cmath>

#include "core/common/TextRules.h"

namespace orvanta {

namespace {

// Which of two occurrences of a repeated clock time an option stands for.
enum class Occurrence { None, First, Second };

UiText OptionLabel(const UtcOffset& offset, Occurrence occurrence)
{
    std::string label = FormatUtcOffset(offset.Seconds);
    if (!offset.Abbreviation.empty()) {
        label += " " + offset.Abbreviation;
    }
    switch (occurrence) {
    //: Where the clocks were set back, a clock time came twice; the choice of its first occurrence, %1 the
    //: offset ("UTC+01:00 (BST)").
    case Occurrence::First: return Compose(ORVANTA_TR("PlaceChoice", "the first, %1"), {Verbatim(label)});
    //: The choice of the second occurrence of a clock time that came twice, %1 the offset.
    case Occurrence::Second: return Compose(ORVANTA_TR("PlaceChoice", "the second, %1"), {Verbatim(label)});
    case Occurrence::None: break;
    }
    return Verbatim(label);
}

ZoneOption OptionFor(const PlaceHit& place, const CivilDateTime& local, const ZoneInForce& zone,
                     const UtcOffset& offset, std::string_view tzVersion, Occurrence occurrence)
{
    ZoneInForce chosen = zone;
    chosen.Kind = LocalTimeKind::Unique;
    chosen.Offset = offset;
    return {OptionLabel(offset, occurrence), ZoneBoxTextsFor(offset.Seconds),
            //: An offset the user has chosen, as the line of choices names it: %1 the choice.
            Compose(ORVANTA_TR("PlaceChoice", "%1 (chosen)"),
                    {DescribeZoneInForce(place.Name, local, chosen, tzVersion)})};
}

}  // namespace

PlaceInputs PlaceInputsFor(const PlaceHit& place)
{
    return {
        .City = place.Name,
        .State = place.Region,
        .Country = place.Country,
        .Longitude = CoordinateEntryFor(place.Longitude),
        .Latitude = CoordinateEntryFor(place.Latitude),
    };
}

std::optional<CivilDateTime> LocalTimeOf(const BirthDataEntry& entry)
{
    const auto day = ConvertToInt16(entry.DayText);
    const auto year = ConvertToInt16(entry.YearText);
    const auto hour = ConvertToInt16(entry.HourText);
    const auto minute = ConvertToInt16(entry.MinuteText);
    if (!day || !year || !hour || !minute) {
        return std::nullopt;
    }
    return CivilDateTime{*year, entry.MonthIndex + 1, *day, *hour, *minute, 0};
}

ZoneFill ZoneFillFor(const PlaceHit& place, const BirthDataEntry& entry, std::string_view tzVersion)
{
    const auto local = LocalTimeOf(entry);
    if (!local) {
        return {ZoneFill::Outcome::NotFilled, {}, NoSuchDateOrTimeLine(place.Name), {}};
    }
    const ZoneInForce zone = ResolveZone(place.ZoneId, *local, place.Longitude);
    ZoneFill fill;
    fill.Line = DescribeZoneInForce(place.Name, *local, zone, tzVersion);
    switch (zone.Kind) {
    case LocalTimeKind::Unique:
        fill.Result = ZoneFill::Outcome::Filled;
        fill.Boxes = ZoneBoxTextsFor(zone.Offset.Seconds);
        break;
    case LocalTimeKind::Skipped:
        fill.Result = ZoneFill::Outcome::NeedsChoice;
        fill.Options = {OptionFor(place, *local, zone, zone.Earlier, tzVersion, Occurrence::None),
                        OptionFor(place, *local, zone, zone.Later, tzVersion, Occurrence::None)};
        break;
    case LocalTimeKind::Repeated:
        fill.Result = ZoneFill::Outcome::NeedsChoice;
        fill.Options = {OptionFor(place, *local, zone, zone.Earlier, tzVersion, Occurrence::First),
                        OptionFor(place, *local, zone, zone.Later, tzVersion, Occurrence::Second)};
        break;
    case LocalTimeKind::UnknownZone:
    case LocalTimeKind::InvalidTime:
        fill.Result = ZoneFill::Outcome::NotFilled;
        break;
    }
    return fill;
}

}  // namespace orvanta
