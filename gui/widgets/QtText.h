// SPDX-License-Identifier: GPL-3.0-or-later
// Text between the core (UTF-8 in std::string) and Qt (QString): the one
// conversion each way that every window uses, and the translated form of
// the texts the core composes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/common/UiText.h"

namespace orvanta {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text)
{
    return text.toStdString();
}

// A core text in the user's language: its pattern and every translatable
// part looked up in their contexts; without a translation, the English.
QString Translated(const UiText& text);

// A text of a constant table (marked ORVANTA_TR_TEXT) in the user's language.
QString Translated(const char* context, std::string_view text);

}  // namespace orvanta
