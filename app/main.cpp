// Start-up: refuse a second copy, remind of updates, then the main window.
#include <QApplication>

#include "common/BirthRecord.h"
#include "app/WindowFlow.h"
#include "platform/QtPlatform.h"
#include "widgets/WindowFont.h"
#include "support/UpdateReminder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    QApplication::setDesktopFileName(QStringLiteral("app.orvanta.Orvanta"));
    orvanta::ApplyWindowFont();

    orvanta::QtPlatform platform;
    if (!platform.ClaimSingleInstance()) {
        platform.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                             orvanta::MessageIcon::Information);
        return 0;
    }
    orvanta::RemindOfUpdate(platform);

    orvanta::BirthRecord record;
    orvanta::ShowMainWindow(record, platform);
    return QApplication::exec();
}
