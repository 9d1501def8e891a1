// Starts as the program starts (the real platform, the single-instance claim,
// the update reminder, the main window) and ends after the first paint.
#include <QApplication>
#include <QDir>

#include "StartupFirstPaint.h"
#include "common/BirthRecord.h"
#include "app/WindowFlow.h"
#include "app/frmMain.h"
#include "platform/QtPlatform.h"
#include "widgets/WindowFont.h"
#include "support/UpdateReminder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationName(QStringLiteral("Orvanta"));
    orvanta::ApplyWindowFont();
    orvanta::QtPlatform platform(QDir::tempPath() + QStringLiteral("/orvanta-bench.lock"));
    if (!platform.ClaimSingleInstance()) {
        return 1;
    }
    orvanta::RemindOfUpdate(platform);
    orvanta::BirthRecord record;
    QWidget* window = orvanta::ShowMainWindow(record, platform);
    new orvanta::bench::QuitAfterFirstPaint(*window);
    return QApplication::exec();
}
