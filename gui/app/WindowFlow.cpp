// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/WindowFlow.h"

#include <QApplication>
#include <QLoggingCategory>

#include "gui/app/frmMain.h"
#include "core/reading/Reading.h"
#include "gui/support/MoonPreferences.h"
#include "gui/reading/frmResult.h"

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

frmMain* BackToMainWindow(frmResult& result, BirthRecord& record, Platform& platform, PlaceLookup* places,
                          const PreciseMoonSource* precise)
{
    frmMain* main = ShowMainWindow(record, platform, places, precise);
    result.close();
    return main;
}

}  // namespace

frmMain* ShowMainWindow(BirthRecord& record, Platform& platform, PlaceLookup* places,
                        const PreciseMoonSource* precise)
{
    auto* window = new frmMain(record, platform, places, precise);
    QObject::connect(window, &frmMain::ReadingReady, window,
                     [window, &record, &platform, places, precise](const Reading& reading) {
                         ShowResultWindow(reading, record, platform, places, precise);
                         window->close();
                     });
    window->show();
    qCDebug(lcWindows) << "main window shown";
    return window;
}

frmResult* ShowResultWindow(const Reading& reading, BirthRecord& record, Platform& platform, PlaceLookup* places,
                            const PreciseMoonSource* precise)
{
    auto* window = new frmResult(reading, record, platform);
    QObject::connect(window, &frmResult::BackRequested, window, [window, &record, &platform, places, precise] {
        BackToMainWindow(*window, record, platform, places, precise);
    });
    // The same birth by the other method, with the ayanamsa of the choice;
    // the choice itself stays as it is.
    QObject::connect(window, &frmResult::OtherMethodRequested, window,
                     [window, &record, &platform, places, precise](MoonMethod method) {
                         const MoonChoice choice{method, ReadMoonChoice(platform).Zodiac};
                         ShowResultWindow(ComposeReading(record, {choice, precise}), record, platform, places,
                                          precise);
                         window->close();
                     });
    window->show();
    qCDebug(lcWindows) << "result window shown:" << record.RashiName.c_str();
    return window;
}

void OpenReadingInOpenWindow(BirthRecord& record, Platform& platform, PlaceLookup* places, const QString& path,
                             const PreciseMoonSource* precise)
{
    frmMain* main = OpenWindow<frmMain>();
    if (main == nullptr) {
        frmResult* result = OpenWindow<frmResult>();
        main = result != nullptr ? BackToMainWindow(*result, record, platform, places, precise)
                                 : ShowMainWindow(record, platform, places, precise);
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
