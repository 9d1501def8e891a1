// SPDX-License-Identifier: GPL-3.0-or-later
// The rules for what the user types into the main window: trimming, number
// conversion, the keystroke filter, the validation checks, and storing the
// accepted inputs in the birth record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/BirthRecord.h"
#include "core/common/TextRules.h"
#include "core/common/UiText.h"
#include "core/entry/BirthDataEntry.h"

namespace orvanta {

// The keystroke filter of the numeric boxes: a digit or Backspace (8) passes
// unchanged; any other character code comes back as 0, which inserts nothing.
std::int16_t NumericKeyFilter(std::int16_t keyCode);

// The messages of the input rules; their translations are looked up in
// EntryMessageContext.
inline constexpr const char* EntryMessageContext = "Entry";
inline constexpr std::string_view OnlyNumbersMessage = ORVANTA_TR_TEXT("Entry", "Only Numbers Are Accepted");

// The side a zone's texts name: "-" for a zone ahead of universal time, "+"
// for one behind it, read from the hour text or, when that has no sign, from
// the minute text. Texts without a sign leave the side to the longitude.
ZoneSide ZoneSideOfTexts(std::string_view hourText, std::string_view minuteText);

// The input a refusal puts the focus on.
enum class EntryField { None, Name, ZoneHour, ZoneMinute, LonD, LonM, LatD, LatM };

struct ValidationFailure {
    std::string_view Message;
    bool ErrorIcon;  // error (stop) icon; otherwise information
    EntryField Focus;
};

// The checks a reading must pass, in order; the first that fails is returned.
std::optional<ValidationFailure> CheckBirthData(const BirthDataEntry& entry);

// Copies accepted inputs into the record in the reading's order. A value that
// does not convert leaves its field as it was.
void StoreBirthData(const BirthDataEntry& entry, BirthRecord& record);

}  // namespace orvanta
