// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include <QCoreApplication>
#include <QString>

#include "app/WindowFlow.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "support/UpdateReminder.h"

namespace orvanta {

bool StartUp(BirthRecord& record, Platform& platform, const QString& readingFile, PlaceLookup* places)
{
    // A file handed to a second copy is not passed on: the running copy may
    // hold a reading the user is still working on.
    if (!platform.ClaimSingleInstance()) {
        platform.ShowMessage(nullptr, QCoreApplication::translate("StartUp", "Application is already running"),
                             MessageIcon::Information);
        return false;
    }
    RemindOfUpdate(platform);

    frmMain* main = ShowMainWindow(record, platform, places);
    if (main != nullptr && !readingFile.isEmpty()) {
        main->OpenReadingFile(readingFile);
    }
    return true;
}

}  // namespace orvanta
