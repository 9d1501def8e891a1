// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <utility>
#include <vector>

#include "gui/support/LanguagePreference.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

namespace {

// The translators this file installed, so that a change of language can
// take them out again.
std::vector<QPointer<QTranslator>>& Installed()
{
    static std::vector<QPointer<QTranslator>> installed;
    return installed;
}

void RemoveInstalled()
{
    for (const QPointer<QTranslator>& translator : std::exchange(Installed(), {})) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

bool Install(QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    Installed().emplace_back(translator);
    return true;
}

}  // namespace

void InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    RemoveInstalled();
    // The program's texts, compiled in from translations/orvanta_<language>.ts.
    auto* own = new QTranslator(&application);
    if (!own->load(locale, QStringLiteral("orvanta"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        SetUiLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    // The language found first among the locale's (LANGUAGE may list several).
    const QLocale spoken = own->language().isEmpty() ? locale : QLocale(own->language());
    // Qt's own texts: the system's Qt translation, then the program's own
    // file for a language Qt carries none for; the last installed is asked
    // first.
    Install(application, spoken, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(application, spoken, QStringLiteral("qtbase"), QStringLiteral(":/i18n"));
    QCoreApplication::installTranslator(own);
    Installed().emplace_back(own);
    SetUiLocale(spoken);
}

void ApplyChosenLanguage(QCoreApplication& application, Platform& platform)
{
    const QString choice = ReadLanguageChoice(platform);
    if (choice != SystemLanguage) {
        InstallTranslations(application, LocaleOfChoice(choice));
        ApplyWindowFont();
    }
}

}  // namespace orvanta
