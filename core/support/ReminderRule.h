// SPDX-License-Identifier: GPL-3.0-or-later
// When the start-up update reminder speaks: a pure decision from the stored
// date of the last reminder and today's date, plus the stored date's format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/common/Calendar.h"

namespace orvanta {

// The stored form, yyyy-MM-dd. A desktop's short date format drops the
// century in many locales and would read back a hundred years off.
std::string FormatIsoDate(const CivilDate& date);

// Reads exactly yyyy-MM-dd naming a real date; anything else gives nothing.
std::optional<CivilDate> ParseIsoDate(std::string_view text);

// Days on either side of the last reminder that pass without a question.
inline constexpr int ReminderQuietDays = 14;

enum class ReminderAction {
    StoreTodayOnly,     // nothing readable remembered: start counting from today
    DoNothing,          // too soon
    AskThenStoreToday,  // ask, then count again from today whatever the answer
};

// `stored` is the remembered text, empty when none was ever stored; a text
// that is no date counts as none. A clock
// set back far enough (a stored date well in the future) also asks.
ReminderAction DecideReminder(std::string_view stored, const CivilDate& today);

}  // namespace orvanta
