// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, then the program's windows.
#include <QApplication>
#include <QLocale>

#include "app/CommandLine.h"
#include "app/PlaceLookup.h"
#include "app/StartUp.h"
#include "app/Translations.h"
#include "common/BirthRecord.h"
#include "platform/QtPlatform.h"
#include "widgets/WindowFont.h"

int main(int argc, char** argv)
{
    // Help and version are answered before Qt looks for a display.
    const orvanta::CommandLine early = orvanta::ParseCommandLine(orvanta::ArgumentsOf(argc, argv));
    if (early.EndNow && !early.TextIsError) {
        return orvanta::PrintAndEnd(early);
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setDesktopFileName(QStringLiteral("app.orvanta.Orvanta"));
    orvanta::InstallTranslations(app, QLocale());

    // Qt has now taken its own options (-platform, -style, ...) out; only
    // what remains must make sense to Orvanta.
    const orvanta::CommandLine commandLine = orvanta::ParseCommandLine(QApplication::arguments());
    if (commandLine.EndNow) {
        return orvanta::PrintAndEnd(commandLine);
    }
    orvanta::ApplyWindowFont();

    orvanta::QtPlatform platform;
    orvanta::BirthRecord record;
    // Only the place of the atlas is settled here; the first search opens it.
    orvanta::PlaceLookup places(orvanta::FindAtlasDatabase(QCoreApplication::applicationDirPath().toStdString()));
    if (!orvanta::StartUp(record, platform, commandLine.ReadingFile, &places)) {
        return 0;
    }
    return QApplication::exec();
}
