// SPDX-License-Identifier: GPL-3.0-or-later
// The named time zones the picker offers: each row's text as the list shows
// it, and the hours and minutes choosing it writes into the zone boxes.
// Signs run opposite to the shown offset (west of Greenwich is positive), as
// the zone boxes expect; rows stay in list order, sorted ignoring case.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

struct TimeZoneRow {
    std::string_view Name;  // in the user's language where a translation has it
    std::string_view Code;  // the abbreviation and offset after it, never translated
    int Hours;
    int Minutes;
};

// A row's text as the list shows it in English: its name, then its code.
inline std::string TimeZoneRowText(const TimeZoneRow& row)
{
    return std::string(row.Name) + std::string(row.Code);
}

// The table stands in a namespace of its own, which the translation tools
// take as the context of the zones' names (TimeZoneContext).
inline constexpr const char* TimeZoneContext = "orvanta::TimeZones";

namespace TimeZones {

// The texts are kept as they have always been shown, odd spacing, repeated
// names and repeated abbreviations included ("+5.3" means five and a half).
inline constexpr std::array<TimeZoneRow, 71> Table{{
    {TR_("Alaska/Hawaii Daylight Time"),     ",AHDT,-9.0",     9,   0},
    {TR_("Alaska/Hawaii Standard Time"),     ",AHST,-10.0",   10,   0},
    {TR_("Alaska/Hawaii War Time"),          ",AHWT,-9.0",     9,   0},
    {TR_("Atlantic Standard Time"),          ",AST,-4.0",      4,   0},
    {TR_("Atlantic War Time"),               ",AWT,-3.0",      3,   0},
    {TR_("Australian Central Daylight Time"), ",ACDT,+10.5",  -10, -30},
    {TR_("Australian Central Standard Time"), ",ACST,+9.5",    -9, -30},
    {TR_("Australian Eastern Daylight Time"), ",AEDT,+11.0",  -11,   0},
    {TR_("Australian Eastern Standard Time"), ",AEST,+10.0",  -10,   0},
    {TR_("Australian Western Daylight Time"), ",AWDT,+9.0",    -9,   0},
    {TR_("Australian Western Standard Time"), ",AWST,+8.0",    -8,   0},
    {TR_("Azores Time"),                     ", AT, -2.0",     2,   0},
    {TR_("Baghdad Time"),                    ", BAT, +3.0",   -3,   0},
    {TR_("Bering Standard Time"),            ",BET,-11.0",    11,   0},
    {TR_("Brazil Zone 2"),                   ",BZT2,-3.0",     3,   0},
    {TR_("British Double Summer Time"),      ",BDST,+2.0",    -2,   0},
    {TR_("British Summer Time"),             ",BST,+1.0",     -1,   0},
    {TR_("British War Time"),                ",BWT,+2.0",     -2,   0},
    {TR_("Central Daylight Time"),           ",CDT,-5.0",      5,   0},
    {TR_("Central European Daylight"),       ",CED,+2.0",     -2,   0},
    {TR_("Central European Time"),           ",CET,+1.0",     -1,   0},
    {TR_("Central Standard Time"),           ",CST,-6.0",      6,   0},
    {TR_("Central War Time"),                ",CWT,-5.0",      5,   0},
    {TR_("China Coast Time"),                ",CCT,+8.0",     -8,   0},
    {TR_("Eastern Daylight Time"),           ",EDT,-4.0",      4,   0},
    {TR_("Eastern European Daylight Time"),  ",EED,+3.0",     -3,   0},
    {TR_("Eastern European Time"),           ",EET,+2.0",     -2,   0},
    {TR_("Eastern Standard Time"),           ",EST,-5.0",      5,   0},
    {TR_("Eastern War Time"),                ",EWT,-4.0",      4,   0},
    {TR_("Greenwich Mean Time"),             ",GMT,0.0",       0,   0},
    {TR_("Guam Standard Time"),              ",GST,+10.0",   -10,   0},
    {TR_("Hawaiian Daylight Time"),          ",HDT,-9.5",      9,  30},
    {TR_("Hawaiian Standard Time"),          ",HST,-10.5",    10,  30},
    {TR_("Hawaiian War Time"),               ",HWT,-9.5",      9,  30},
    {TR_("Indian Time"),                     ", IST, +5.3",   -5, -30},
    {TR_("Int'l Date Line East"),            ",IDLE,+12.0",  -12,   0},
    {TR_("Int'l Date Line West"),            ",IDLW,-12.0",   12,   0},
    {TR_("Iran Time"),                       ", IT, +3.5",    -3, -30},
    {TR_("Japan Standard Time"),             ",JST,+9.0",     -9,   0},
    {TR_("Java Time"),                       ", JT, +7.5",    -7, -30},
    {TR_("Middle European Daylight Time"),   ",MED,+2.0",     -2,   0},
    {TR_("Middle European Time"),            ",MET,+1.0",     -1,   0},
    {TR_("Moluccas Time"),                   ", MT, +8.5",    -8, -30},
    {TR_("Mountain Daylight Time"),          ",MDT,-6.0",      6,   0},
    {TR_("Mountain Standard Time"),          ",MST,-7.0",      7,   0},
    {TR_("Mountain War Time"),               ",MWT,-6.0",      6,   0},
    {TR_("New Zealand Std Summer Time"),     ",NZST,+13.0",  -13,   0},
    {TR_("New Zealand Std Time"),            ",NZT,+12.0",   -12,   0},
    {TR_("New Zealand Summer Time"),         ",NZS,+12.5",   -12, -30},
    {TR_("New Zealand Time"),                ",NZ,+11.5",    -11, -30},
    {TR_("Newfoundland Standard Time"),      ",NST,-3.5",      3,  30},
    {TR_("Nome Time"),                       ", NT, -11.0",   11,   0},
    {TR_("North Sumatra Time"),              ",NST,+6.5",     -6, -30},
    {TR_("Pacific Daylight Time"),           ",PDT,-7.0",      7,   0},
    {TR_("Pacific Standard Time"),           ",PST,-8.0",      8,   0},
    {TR_("Pacific War Time"),                ",PWT,-7.0",      7,   0},
    {TR_("South Australia Daylight Time"),   ",SAD,+10.5",   -10, -30},
    {TR_("South Australia Daylight Time"),   ",SDT,+10.5",   -10, -30},
    {TR_("South Australia Standard Time"),   ",SAST,+9.5",    -9, -30},
    {TR_("South Australia Standard Time"),   ",SAT,+9.5",     -9, -30},
    {TR_("South Sumatra Time"),              ",SST,+7.0",     -7,   0},
    {TR_("Universal Time"),                  ", UT, 0.0",      0,   0},
    {TR_("USSR Zone 10"),                    ",UZ10,+11.0",  -11,   0},
    {TR_("USSR Zone 3"),                     ",USZ3,+4.0",    -4,   0},
    {TR_("USSR Zone 4"),                     ",USZ4,+5.0",    -5,   0},
    {TR_("USSR Zone 5"),                     ",USZ5,+6.0",    -6,   0},
    {TR_("USSR Zone 6"),                     ",USZ6,+7.0",    -7,   0},
    {TR_("West Africa Time"),                ",WAT,-1.0",      1,   0},
    {TR_("Yukon Daylight Time"),             ",YDT,-8.0",      8,   0},
    {TR_("Yukon Standard Time"),             ",YST,-9.0",      9,   0},
    {TR_("Yukon War Time"),                  ",YWT,-8.0",      8,   0},
}};

}  // namespace TimeZones

inline constexpr const std::array<TimeZoneRow, 71>& TimeZoneTable = TimeZones::Table;

}  // namespace orvanta
