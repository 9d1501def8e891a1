// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/WindowFlow.h"

#include <QApplication>
#include <QLoggingCategory>

#include "core/reading/Reading.h"
#include "gui/app/Translations.h"
#include "gui/app/frmMain.h"
#include "gui/matching/frmMatch.h"
#include "gui/reading/frmResult.h"
#include "gui/support/LanguagePreference.h"
#include "gui/support/Services.h"
#include "gui/widgets/WindowFont.h"

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

frmMain* BackToMainWindow(frmResult& result, Services& services)
{
    frmMain* main = ShowMainWindow(services);
    result.close();
    return main;
}

}  // namespace

frmMain* ShowMainWindow(Services& services)
{
    auto* window = new frmMain(services);
    QObject::connect(window, &frmMain::ReadingReady, window, [window, &services](const Reading& reading) {
        ShowResultWindow(reading, services);
        window->close();
    });
    QObject::connect(window, &frmMain::MatchRequested, window,
                     [&services](const std::optional<MatchPerson>& onScreen) { ShowMatchWindow(services, onScreen); });
    // The windows speak the new language at once: the main window opens again
    // in it, keeping what the user has entered.
    QObject::connect(window, &frmMain::LanguageChanged, window, [window, &services] {
        InstallTranslations(*QCoreApplication::instance(), LocaleOfChoice(ReadLanguageChoice(services.Platform)));
        ApplyWindowFont();
        frmMain* fresh = ShowMainWindow(services);
        fresh->SetEntry(window->Entry());
        fresh->move(window->pos());
        window->close();
    });
    window->show();
    qCDebug(lcWindows) << "main window shown";
    return window;
}

frmResult* ShowResultWindow(const Reading& reading, Services& services)
{
    auto* window = new frmResult(reading, services);
    QObject::connect(window, &frmResult::BackRequested, window,
                     [window, &services] { BackToMainWindow(*window, services); });
    // The same birth by the other ephemeris, with the chosen ayanamsa; the
    // chosen method itself stays as it is.
    QObject::connect(window, &frmResult::OtherMethodRequested, window,
                     [window, &services](MoonEphemeris ephemeris) {
                         const MoonMethod method{ephemeris, services.Method.Ayanamsa};
                         ShowResultWindow(ComposeReading(services.Record, method, services.Precise), services);
                         window->close();
                     });
    // The reading on screen with the birth data it was composed from.
    QObject::connect(window, &frmResult::MatchWithRequested, window, [reading, &services] {
        ShowMatchWindow(services, MatchPerson{services.Record, reading});
    });
    window->show();
    qCDebug(lcWindows) << "result window shown:" << services.Record.RashiName.c_str();
    return window;
}

frmMatch* ShowMatchWindow(Services& services, const std::optional<MatchPerson>& onScreen)
{
    auto* window = new frmMatch(services, onScreen);
    window->show();
    qCDebug(lcWindows) << "matching window shown";
    return window;
}

void OpenReadingInOpenWindow(Services& services, const QString& path)
{
    frmMain* main = OpenWindow<frmMain>();
    frmResult* result = OpenWindow<frmResult>();
    // A file that is no reading is only reported: the window stays as it was.
    QWidget* shown = main != nullptr ? static_cast<QWidget*>(main) : result;
    const std::optional<BirthDataEntry> entry = frmMain::ReadReadingFile(services.Platform, shown, path);
    if (!entry) {
        return;
    }
    if (main == nullptr) {
        main = result != nullptr ? BackToMainWindow(*result, services) : ShowMainWindow(services);
    }
    main->OpenEntry(*entry);
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
