// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/TextRules.h"

#include <charconv>
#include <cmath>

namespace orvanta {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when the text is a plain decimal number: [sign] digits [. digits] [e [sign] digits].
bool IsDecimalNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text)
{
    std::string_view s = TrimBlanks(text);
    if (!IsDecimalNumber(s)) {
        return std::nullopt;
    }
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> ConvertToInt16(std::string_view text)
{
    const auto value = ReadNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // The default rounding mode sends a tie to the even neighbour.
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace orvanta
