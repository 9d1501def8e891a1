#include "app/WindowFlow.h"

#include "app/frmMain.h"
#include "reading/frmResult.h"

namespace orvanta {

frmMain* ShowMainWindow(BirthRecord& record, Platform& platform)
{
    auto* window = new frmMain(record, platform);
    QObject::connect(window, &frmMain::ReadingReady, window, [window, &record, &platform] {
        ShowResultWindow(record, platform);
        window->close();
    });
    window->show();
    return window;
}

frmResult* ShowResultWindow(BirthRecord& record, Platform& platform)
{
    auto* window = new frmResult(record, platform);
    QObject::connect(window, &frmResult::BackRequested, window, [window, &record, &platform] {
        ShowMainWindow(record, platform);
        window->close();
    });
    window->show();
    return window;
}

}  // namespace orvanta
