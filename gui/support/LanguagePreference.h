// SPDX-License-Identifier: GPL-3.0-or-later
// The language the windows speak, as the user chose it in Preferences: the
// system's (the default, which follows LANGUAGE and LANG), English, or one
// of the translations compiled into the program. Kept in the settings store.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvanta {

class Platform;

// The settings values: the system's language, English, and a translation's
// language code ("hi").
inline const QString SystemLanguage = QStringLiteral("system");
inline const QString EnglishLanguage = QStringLiteral("en");

// SystemLanguage, EnglishLanguage, then the code of every translation the
// program carries, in the order of their codes.
QStringList OfferedLanguages();

// How Preferences names a choice: each language in its own words.
QString LanguageLabel(const QString& choice);

// The stored choice; SystemLanguage where none is stored or it is none of
// the offered ones.
QString ReadLanguageChoice(Platform& platform);

// False when the settings store refused the value.
bool WriteLanguageChoice(Platform& platform, const QString& choice);

// The locale whose translation the windows load for a choice.
QLocale LocaleOfChoice(const QString& choice, const QLocale& system = QLocale());

}  // namespace orvanta
