// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/MoonPreferences.h"

#include "gui/widgets/QtText.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Reading");
// The ephemeris's key keeps its first name, so that settings already stored
// still count.
const QString kEphemeris = QStringLiteral("MoonPosition");
const QString kAyanamsa = QStringLiteral("Ayanamsa");

}  // namespace

MoonMethod ReadMoonMethod(Platform& platform)
{
    const QString ephemeris = platform.ReadSetting(kSection, kEphemeris).value_or(QString());
    const QString ayanamsa = platform.ReadSetting(kSection, kAyanamsa).value_or(QString());
    return MoonMethodOfSettings(ToStdString(ephemeris), ToStdString(ayanamsa));
}

bool WriteMoonMethod(Platform& platform, const MoonMethod& method)
{
    const bool ephemeris =
        platform.WriteSetting(kSection, kEphemeris, ToQString(MoonEphemerisSetting(method.Ephemeris)));
    const bool ayanamsa = platform.WriteSetting(kSection, kAyanamsa, ToQString(AyanamsaName(method.Ayanamsa)));
    return ephemeris && ayanamsa;
}

}  // namespace orvanta
