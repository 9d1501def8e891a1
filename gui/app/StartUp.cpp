// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/StartUp.h"

#include <QCoreApplication>
#include <QString>

#include "gui/app/frmMain.h"
#include "gui/app/Translations.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/support/UpdateReminder.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

// A distribution's package manager brings updates; its build leaves the
// reminder out (ORVANTA_UPDATE_REMINDER=0).
#ifndef ORVANTA_UPDATE_REMINDER
#define ORVANTA_UPDATE_REMINDER 1
#endif
constexpr bool kRemindOfUpdates = ORVANTA_UPDATE_REMINDER != 0;

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

bool StartUp(Services& services, const QString& readingFile)
{
    Platform& platform = services.Platform;
    ApplyChosenLanguage(*QCoreApplication::instance(), platform);
    if (!platform.ClaimSingleInstance() && SecondStartEnds(platform, readingFile)) {
        return false;
    }
    if (kRemindOfUpdates) {
        RemindOfUpdate(platform);
    }

    frmMain* main = ShowMainWindow(services);
    platform.OnReadingHandedOver([&services](const QString& path) { OpenReadingInOpenWindow(services, path); });
    if (main != nullptr && !readingFile.isEmpty()) {
        main->OpenReadingFile(readingFile);
    }
    return true;
}

}  // namespace orvanta
