// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/UpdateReminder.h"

#include <QCoreApplication>

#include "core/support/ReminderRule.h"
#include "gui/support/WebPages.h"
#include "gui/widgets/QtText.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("LastUpdateReminder");

CivilDate ToCivilDate(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

// A refused write is not worth a message at start-up: the worst outcome is
// being asked again at the next start.
void RememberToday(Platform& platform, const CivilDate& today)
{
    platform.WriteSetting(kSection, kKey, ToQString(FormatIsoDate(today)));
}

}  // namespace

void RemindOfUpdate(Platform& platform)
{
    const CivilDate today = ToCivilDate(platform.Today());
    const QString stored = platform.ReadSetting(kSection, kKey).value_or(QString());
    switch (DecideReminder(stored.toStdString(), today)) {
    case ReminderAction::DoNothing:
        return;
    case ReminderAction::StoreTodayOnly:
        RememberToday(platform, today);
        return;
    case ReminderAction::AskThenStoreToday: {
        const bool wantsUpdate = platform.AskYesNo(
            nullptr,
            QCoreApplication::translate("UpdateReminder",
                                        "There maybe an update to this software available\n"
                                        "Do you want to check for an update?"),
            MessageIcon::Information);
        RememberToday(platform, today);
        if (wantsUpdate) {
            OpenDownloadPage(platform);
        }
        return;
    }
    }
}

}  // namespace orvanta
