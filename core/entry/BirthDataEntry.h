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

// The months as the date list shows them; their translations are looked up
// in MonthListContext.
inline constexpr const char* MonthListContext = "Months";
inline constexpr std::array<std::string_view, 12> MonthList{
    ORVANTA_TR_TEXT("Months", "January"),   ORVANTA_TR_TEXT("Months", "February"),
    ORVANTA_TR_TEXT("Months", "March"),     ORVANTA_TR_TEXT("Months", "April"),
    ORVANTA_TR_TEXT("Months", "May"),       ORVANTA_TR_TEXT("Months", "June"),
    ORVANTA_TR_TEXT("Months", "July"),      ORVANTA_TR_TEXT("Months", "August"),
    ORVANTA_TR_TEXT("Months", "September"), ORVANTA_TR_TEXT("Months", "October"),
    ORVANTA_TR_TEXT("Months", "November"),  ORVANTA_TR_TEXT("Months", "December"),
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
