// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/QtText.h"

#include <QCoreApplication>
#include <vector>

#include "gui/widgets/UiLanguage.h"

namespace orvanta {

QString Translated(const UiText& text)
{
    if (text.When) {
        return CalendarText(*text.When, ToQString(text.Plain));
    }
    if (text.IsPlain()) {
        return ToQString(text.Plain);
    }
    std::vector<std::string> parts;
    parts.reserve(text.Parts.size());
    for (const UiText& part : text.Parts) {
        parts.push_back(ToStdString(Translated(part)));
    }
    const QString pattern = QCoreApplication::translate(text.Source.Context, text.Source.Text);
    return ToQString(FillPattern(ToStdString(pattern), parts));
}

QString Translated(const char* context, std::string_view text)
{
    // The table's texts are views; translate() wants a terminated string.
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

}  // namespace orvanta
