// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/UiLanguage.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include "core/entry/BirthDataEntry.h"
#include "gui/widgets/QtText.h"

namespace orvanta {

namespace {

QLocale& Current()
{
    static QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

// Almanacs print Western digits in every Indian language; a locale whose
// own digits differ keeps its words but not its digits.
QString WithWesternDigits(QString text)
{
    for (QChar& c : text) {
        if (c.isDigit() && c.unicode() > 0x7F) {
            c = QChar(u'0' + c.digitValue());
        }
    }
    return text;
}

QString FormatOf(CalendarValue::Form shape)
{
    switch (shape) {
    case CalendarValue::Form::DayMonth:
        //: How a date without its year is written, as a QLocale date format: d is the day,
        //: MMM the month's short name, MMMM its full name. Example: 14 Jun.
        return QCoreApplication::translate("Dates", "d MMM");
    case CalendarValue::Form::DayMonthYear:
        //: How a date is written, as a QLocale date format: d is the day, MMM the month's short
        //: name, MMMM its full name, yyyy the year. Example: 14 Jun 2024.
        return QCoreApplication::translate("Dates", "d MMM yyyy");
    case CalendarValue::Form::HourMinute:
        break;
    }
    //: How a clock time is written, as a QLocale time format: HH the hour 00 to 23, mm the
    //: minutes. Example: 01:00.
    return QCoreApplication::translate("Dates", "HH:mm");
}

}  // namespace

QLocale UiLocale()
{
    return Current();
}

bool UiSpeaksEnglish()
{
    return Current().language() == QLocale::English;
}

void SetUiLocale(const QLocale& locale)
{
    Current() = locale;
}

QString MonthName(int month)
{
    if (UiSpeaksEnglish() || month < 1 || month > 12) {
        return month >= 1 && month <= 12 ? ToQString(MonthList[static_cast<std::size_t>(month - 1)]) : QString();
    }
    return WithWesternDigits(Current().standaloneMonthName(month));
}

QString CalendarText(const CalendarValue& value, const QString& english)
{
    if (UiSpeaksEnglish()) {
        return english;
    }
    const QString format = FormatOf(value.Shape);
    const QString text = value.Shape == CalendarValue::Form::HourMinute
                             ? Current().toString(QTime(value.Hour, value.Minute), format)
                             : Current().toString(QDate(value.Year, value.Month, value.Day), format);
    // A date is never parted where a line wraps.
    return WithWesternDigits(text).replace(QLatin1Char(' '), QChar(0x00A0));
}

}  // namespace orvanta
