#include "app/frmMain.h"

#include "app/BirthRecord.h"
#include "app/WindowFlow.h"
#include "platform/Platform.h"

namespace orvanta {

// Placeholder until the main window is built.
frmMain::frmMain(BirthRecord& record, Platform& platform, QWidget* parent)
    : QMainWindow(parent), record_(record), platform_(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvanta v2.0"));
    setAttribute(Qt::WA_DeleteOnClose);
}

QWidget* ShowMainWindow(BirthRecord& record, Platform& platform)
{
    auto* window = new frmMain(record, platform);
    window->show();
    return window;
}

}  // namespace orvanta
