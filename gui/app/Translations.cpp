// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvanta {

void InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    // Qt's own dialogs and context menus, from the system's Qt translations.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    // The program's texts, compiled in from translations/orvanta_<language>.ts.
    auto* own = new QTranslator(&application);
    if (own->load(locale, QStringLiteral("orvanta"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(own);
    } else {
        delete own;
    }
}

}  // namespace orvanta
