// SPDX-License-Identifier: GPL-3.0-or-later
// Reading what the user typed: trimming blanks and turning a text into a
// number the way the reading flow, the file reader and the atlas all do.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvanta {

// Removes leading and trailing blanks (spaces only, as the record expects).
std::string_view TrimBlanks(std::string_view text);

// A trimmed text read as a number: an optional sign, digits, an optional
// fraction and exponent. Empty when the text is no number or out of range.
std::optional<double> ReadNumber(std::string_view text);

// A trimmed text as a 16-bit integer: an optional sign, digits, an optional
// fraction and exponent; a fraction goes to the nearest integer, a tie to the
// even one. Empty when the text is no number or lies outside -32768..32767.
std::optional<std::int16_t> ConvertToInt16(std::string_view text);

}  // namespace orvanta
