// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the program starts (the translation of the environment's
// language, the real platform, the single-instance claim, the update
// reminder, the main window) and ends after the first paint.
// Given an atlas database's path, the main window is handed the atlas, as
// the installed program is: start-up must not open it.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <memory>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "gui/app/Translations.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/support/UpdateReminder.h"
#include "gui/widgets/WindowFont.h"
#include "platform/QtPlatform.h"
#include "StartupFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    orvanta::InstallTranslations(app, QLocale());
    orvanta::ApplyWindowFont();
    orvanta::QtPlatform platform(QDir::tempPath() + QStringLiteral("/orvanta-bench.lock"));
    if (!platform.ClaimSingleInstance()) {
        return 1;
    }
    orvanta::RemindOfUpdate(platform);
    orvanta::BirthRecord record;
    std::unique_ptr<orvanta::PlaceLookup> places;
    if (argc > 1) {
        places = std::make_unique<orvanta::PlaceLookup>(argv[1]);
    }
    orvanta::Services services(record, platform, places.get());
    QWidget* window = orvanta::ShowMainWindow(services);
    new orvanta::bench::QuitAfterFirstPaint(*window);
    return QApplication::exec();
}
