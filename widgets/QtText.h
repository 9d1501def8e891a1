// SPDX-License-Identifier: GPL-3.0-or-later
// Text between the core (UTF-8 in std::string) and Qt (QString): the one
// conversion each way that every window uses.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvanta {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text)
{
    return text.toStdString();
}

}  // namespace orvanta
