// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartUp.h"

#include <QCoreApplication>
#include <QString>

#include "gui/app/WindowFlow.h"
#include "gui/app/frmMain.h"
#include "platform/Platform.h"
#include "gui/support/UpdateReminder.h"

namespace orvanta {

namespace {

// A second start with a file gives it to the running copy and ends quietly.
// Without a file, or when that copy does not take it, the user is told;
// unless the copy has ended meanwhile, and this start carries on in its place.
bool SecondStartEnds(Platform& platform, const QString& readingFile)
{
    if (!readingFile.isEmpty() && platform.HandOverReading(readingFile)) {
        return true;
    }
    if (readingFile.isEmpty() || !platform.ClaimSingleInstance()) {
        platform.ShowMessage(nullptr, QCoreApplication::translate("StartUp", "Application is already running"),
                             MessageIcon::Information);
        return true;
    }
    return false;
}

}  // namespace

bool StartUp(BirthRecord& record, Platform& platform, const QString& readingFile, PlaceLookup* places,
             const PreciseMoonSource* precise)
{
    if (!platform.ClaimSingleInstance() && SecondStartEnds(platform, readingFile)) {
        return false;
    }
    RemindOfUpdate(platform);

    frmMain* main = ShowMainWindow(record, platform, places, precise);
    platform.OnReadingHandedOver([&record, &platform, places, precise](const QString& path) {
        OpenReadingInOpenWindow(record, platform, places, path, precise);
    });
    if (main != nullptr && !readingFile.isEmpty()) {
        main->OpenReadingFile(readingFile);
    }
    return true;
}

}  // namespace orvanta
