// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/LanguagePreference.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/Platform.h"

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Window");
const QString kKey = QStringLiteral("Language");

}  // namespace

QStringList OfferedLanguages()
{
    QStringList offered{SystemLanguage, EnglishLanguage};
    // The translations are compiled in as ":/i18n/orvanta_<code>.qm".
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("orvanta_*.qm")},
                                                                       QDir::Files, QDir::Name);
    for (const QString& file : files) {
        offered.append(file.mid(8, file.size() - 8 - 3));
    }
    return offered;
}

QString LanguageLabel(const QString& choice)
{
    if (choice == SystemLanguage) {
        //: The first choice of language in Preferences: the one the system is set to.
        return QCoreApplication::translate("orvanta::frmPreferences", "The system's language");
    }
    if (choice == EnglishLanguage) {
        return QStringLiteral("English");
    }
    return QLocale(choice).nativeLanguageName();
}

QString ReadLanguageChoice(Platform& platform)
{
    const QString stored = platform.ReadSetting(kSection, kKey).value_or(SystemLanguage);
    return OfferedLanguages().contains(stored) ? stored : SystemLanguage;
}

bool WriteLanguageChoice(Platform& platform, const QString& choice)
{
    return platform.WriteSetting(kSection, kKey, choice);
}

QLocale LocaleOfChoice(const QString& choice, const QLocale& system)
{
    if (choice == SystemLanguage) {
        return system;
    }
    return choice == EnglishLanguage ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(choice);
}

}  // namespace orvanta
