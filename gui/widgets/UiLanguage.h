// SPDX-License-Identifier: GPL-3.0-or-later
// The language the windows speak: the one whose translation is installed,
// or English, the source language. Dates and month names follow it, written
// by QLocale, with Western digits.
#pragma once

#include <QLocale>
#include <QString>

#include "core/common/UiText.h"

namespace orvanta {

// English (the texts as written) until a translation is installed.
QLocale UiLocale();
bool UiSpeaksEnglish();

// Called by whoever installs the program's translation.
void SetUiLocale(const QLocale& locale);

// A month's name for the date list, 1 to 12.
QString MonthName(int month);

// A date or time of a core text in the windows' language.
QString CalendarText(const CalendarValue& value, const QString& english);

}  // namespace orvanta
