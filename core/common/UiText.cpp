// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/UiText.h"

#include <utility>

namespace orvanta {

UiText Verbatim(std::string text)
{
    UiText shown;
    shown.Plain = std::move(text);
    return shown;
}

UiText DateOrTime(const CalendarValue& value, std::string english)
{
    UiText shown = Verbatim(std::move(english));
    shown.When = value;
    return shown;
}

UiText Compose(TextSource pattern, std::vector<UiText> parts)
{
    UiText composed;
    composed.Source = pattern;
    composed.Parts = std::move(parts);
    return composed;
}

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < parts.size()) {
            filled += parts[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string English(const UiText& text)
{
    if (text.IsPlain()) {
        return text.Plain;
    }
    std::vector<std::string> parts;
    parts.reserve(text.Parts.size());
    for (const UiText& part : text.Parts) {
        parts.push_back(English(part));
    }
    return FillPattern(text.Source.Text, parts);
}

}  // namespace orvanta
