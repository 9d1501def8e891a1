// SPDX-License-Identifier: GPL-3.0-or-later
// The fifteen inputs of a reading as the main window holds them, and the
// lists it offers: one vocabulary for the window, the input rules and the
// reading file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/common/Coordinates.h"
#include "core/common/UiText.h"

namespace orvanta {

// A list of whole numbers from First to Last, each written in plain decimal.
struct ListRange {
    int First;
    int Last;

    bool Contains(int value) const { return value >= First && value <= Last; }
};

// The months as the date list shows them in English; another language's
// names come with its dates, from the system's locale data.
inline constexpr std::array<std::string_view, 12> MonthList{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};
inline constexpr ListRange DayList{1, 31};
inline constexpr ListRange YearList{1901, 2050};
inline constexpr ListRange HourList{0, 23};
inline constexpr ListRange MinuteList{0, 59};
inline constexpr ListRange SecondList{0, 59};  // shown, never read

// The main window's inputs, as the controls hold them.
struct BirthDataEntry {
    std::string Name{};
    int MonthIndex = 0;  // 0 = January
    int DayIndex = 0;    // 0 = the 1st
    std::string DayText = "1";
    std::string YearText = "1901";
    std::string HourText = "0";
    std::string MinuteText = "0";
    std::string ZoneHour{};
    std::string ZoneMinute{};
    CoordinateEntry Longitude{};  // West is its second side
    CoordinateEntry Latitude{};   // South is its second side
    bool DaylightSaving = false;

    bool operator==(const BirthDataEntry&) const = default;
};

}  // namespace orvanta
