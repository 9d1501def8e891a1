// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowFlow.h"

#include <QApplication>
#include <QLoggingCategory>

#include "app/frmMain.h"
#include "reading/frmResult.h"

namespace orvanta {

namespace {

// Diagnostics, silent unless QT_LOGGING_RULES turns them on; tests that
// start the program itself follow its windows and messages through them.
Q_LOGGING_CATEGORY(lcWindows, "orvanta.windows", QtInfoMsg)

template <typename Window>
Window* OpenWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

frmMain* BackToMainWindow(frmResult& result, BirthRecord& record, Platform& platform, PlaceLookup* places)
{
    frmMain* main = ShowMainWindow(record, platform, places);
    result.close();
    return main;
}

}  // namespace

frmMain* ShowMainWindow(BirthRecord& record, Platform& platform, PlaceLookup* places)
{
    auto* window = new frmMain(record, platform, places);
    QObject::connect(window, &frmMain::ReadingReady, window,
                     [window, &record, &platform, places](const Reading& reading) {
                         ShowResultWindow(reading, record, platform, places);
                         window->close();
                     });
    window->show();
    qCDebug(lcWindows) << "main window shown";
    return window;
}

frmResult* ShowResultWindow(const Reading& reading, BirthRecord& record, Platform& platform, PlaceLookup* places)
{
    auto* window = new frmResult(reading, record, platform);
    QObject::connect(window, &frmResult::BackRequested, window, [window, &record, &platform, places] {
        BackToMainWindow(*window, record, platform, places);
    });
    window->show();
    qCDebug(lcWindows) << "result window shown:" << record.RashiName.c_str();
    return window;
}

void OpenReadingInOpenWindow(BirthRecord& record, Platform& platform, PlaceLookup* places, const QString& path)
{
    frmMain* main = OpenWindow<frmMain>();
    if (main == nullptr) {
        frmResult* result = OpenWindow<frmResult>();
        main = result != nullptr ? BackToMainWindow(*result, record, platform, places)
                                 : ShowMainWindow(record, platform, places);
    }
    main->OpenReadingFile(path);
    QWidget* front = OpenWindow<frmResult>();
    if (front == nullptr) {
        front = OpenWindow<frmMain>();
    }
    if (front != nullptr) {
        front->raise();
        front->activateWindow();
    }
}

}  // namespace orvanta
