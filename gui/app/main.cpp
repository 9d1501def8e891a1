// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, then the program's windows.
#include <QApplication>
#include <QLocale>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "core/ephemeris/PreciseMoon.h"
#include "gui/app/CommandLine.h"
#include "gui/app/MatchCommand.h"
#include "gui/app/StartUp.h"
#include "gui/app/Translations.h"
#include "gui/support/Services.h"
#include "gui/widgets/WindowFont.h"
#include "platform/QtPlatform.h"

int main(int argc, char** argv)
{
    // The whole command line is judged before Qt looks for a display, so
    // help, version and a wrong command line answer without one.
    const QStringList arguments = orvanta::ArgumentsOf(argc, argv);
    const orvanta::CommandLine commandLine = orvanta::ParseCommandLine(arguments);
    if (commandLine.EndNow) {
        return orvanta::PrintAndEnd(arguments, argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));

    // A printed match needs the settings and the files, never a display.
    if (!commandLine.MatchFiles.isEmpty()) {
        QCoreApplication app(argc, argv);
        orvanta::InstallTranslations(app, QLocale());
        orvanta::QtPlatform platform;
        const orvanta::SwissEphemerisMoon precise;
        return orvanta::PrintMatch(platform, &precise, commandLine.MatchFiles);
    }

    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("app.orvanta.Orvanta"));
    orvanta::InstallTranslations(app, QLocale());
    orvanta::ApplyWindowFont();

    orvanta::QtPlatform platform;
    orvanta::BirthRecord record;
    // Only the place of the atlas is settled here; the first search opens it.
    orvanta::PlaceLookup places(orvanta::FindAtlasDatabase(QCoreApplication::applicationDirPath().toStdString()));
    // Nothing of Swiss Ephemeris is touched here; the first reading opens it.
    const orvanta::SwissEphemerisMoon precise;
    orvanta::Services services(record, platform, &places, &precise);
    if (!orvanta::StartUp(services, commandLine.ReadingFile)) {
        return 0;
    }
    return QApplication::exec();
}
