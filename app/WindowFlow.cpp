// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFlow.h"

#include "app/frmMain.h"
#include "reading/frmResult.h"

namespace orvanta {

frmMain* ShowMainWindow(BirthRecord& record, Platform& platform, PlaceLookup* places)
{
    auto* window = new frmMain(record, platform, places);
    QObject::connect(window, &frmMain::ReadingReady, window,
                     [window, &record, &platform, places](const Reading& reading) {
                         ShowResultWindow(reading, record, platform, places);
                         window->close();
                     });
    window->show();
    return window;
}

frmResult* ShowResultWindow(const Reading& reading, BirthRecord& record, Platform& platform, PlaceLookup* places)
{
    auto* window = new frmResult(reading, record, platform);
    QObject::connect(window, &frmResult::BackRequested, window, [window, &record, &platform, places] {
        ShowMainWindow(record, platform, places);
        window->close();
    });
    window->show();
    return window;
}

}  // namespace orvanta
