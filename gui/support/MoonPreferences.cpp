// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/MoonPreferences.h"

#include "platform/Platform.h"
#include "gui/widgets/QtText.h"

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Reading");
const QString kMethod = QStringLiteral("MoonPosition");
const QString kAyanamsa = QStringLiteral("Ayanamsa");

}  // namespace

MoonChoice ReadMoonChoice(Platform& platform)
{
    const QString method = platform.ReadSetting(kSection, kMethod).value_or(QString());
    const QString ayanamsa = platform.ReadSetting(kSection, kAyanamsa).value_or(QString());
    return MoonChoiceOfSettings(ToStdString(method), ToStdString(ayanamsa));
}

bool WriteMoonChoice(Platform& platform, const MoonChoice& choice)
{
    const bool method = platform.WriteSetting(kSection, kMethod, ToQString(MoonMethodSetting(choice.Method)));
    const bool ayanamsa = platform.WriteSetting(kSection, kAyanamsa, ToQString(AyanamsaName(choice.Zodiac)));
    return method && ayanamsa;
}

}  // namespace orvanta
