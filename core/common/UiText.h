// SPDX-License-Identifier: GPL-3.0-or-later
// A text for the user that the core composes: an English pattern with
// numbered places (%1 to %9) and the parts that fill them. Its English form
// serves the core's tests and the report; a window shows it translated,
// pattern and parts alike, so the core stays free of the toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// An English source text and the context a translation of it is looked up in.
struct TextSource {
    const char* Context;
    const char* Text;
};

}  // namespace orvanta

// Marks a source text for the translation tools, which read this name as a
// spelling of QT_TRANSLATE_NOOP. ORVANTA_TR gives a TextSource; in a constant
// table, ORVANTA_TR_TEXT gives the bare text, whose context the table's
// reader knows.
#define ORVANTA_TR(context, text) (::orvanta::TextSource{context, text})
#define ORVANTA_TR_TEXT(context, text) text

// Marks a text of a constant table whose context is the namespace it stands
// in (the tools read this name as QT_TR_NOOP), such as orvanta::Catalogue.
// Short, so that the tables still read as tables.
#define TR_(text) text

namespace orvanta {

// A day or a clock time inside a text, which a window writes in the user's
// language; the core knows only its English form.
struct CalendarValue {
    enum class Form { DayMonth, DayMonthYear, HourMinute };
    Form Shape = Form::DayMonth;
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
};

struct UiText {
    // A pattern to translate, or, when Source.Text is null, Plain shown as
    // it stands (a name, a number, a time).
    TextSource Source{nullptr, nullptr};
    std::string Plain;
    std::vector<UiText> Parts;  // %1, %2, ... in order
    // Set for a date or time, whose English form is Plain.
    std::optional<CalendarValue> When;

    bool IsPlain() const { return Source.Text == nullptr; }
};

// A text shown as it stands, never translated.
UiText Verbatim(std::string text);

// A date or time: `english` as it is written in English.
UiText DateOrTime(const CalendarValue& value, std::string english);

// A pattern and its parts.
UiText Compose(TextSource pattern, std::vector<UiText> parts = {});

// The pattern with each %1 to %9 replaced by its part, in one pass, so a
// part's own "%2" stays as it is; a place without a part stays too.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts);

// The text in English, its source language.
std::string English(const UiText& text);

}  // namespace orvanta
