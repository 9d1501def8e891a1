// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click on "Find My Rashi" to the result window's first paint,
// offscreen, beside the time the same reading spends being composed
// (ComposeReading: the Moon, the rashi, its texts and its stay), and in the
// search for the Moon's sign changes with the line the window shows of them. Also reports how often each result
// window decoded its sign picture, and what the birth star's page costs when the user first opens it.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <array>
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "WindowFirstPaint.h"
#include "core/common/BirthRecord.h"
#include "core/ephemeris/PreciseMoon.h"
#include "core/reading/Reading.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/reading/frmResult.h"
#include "gui/support/Services.h"
#include "gui/widgets/WindowFont.h"
#include "platform/QtPlatform.h"

using namespace orvanta;
using bench::Clock;

namespace {

constexpr int kReadings = 50;

template <typename T>
T* Child(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        std::fprintf(stderr, "missing control %s\n", name);
        std::exit(1);
    }
    return child;
}

// Reading i: a date spread over the years so the twelve rashis all come up.
void FillMainWindow(QWidget* main, int i)
{
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Asha"));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(i % 12);
    Child<QComboBox>(main, "cboDate")->setCurrentText(QString::number(1 + (i * 7) % 28));
    Child<QComboBox>(main, "cboYear")->setCurrentText(QString::number(1950 + i));
    Child<QComboBox>(main, "cboHH")->setCurrentText(QString::number((i * 5) % 24));
    Child<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("5"));
    Child<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("30"));
    Child<QLineEdit>(main, "txtLonD")->setText(QStringLiteral("77"));
    Child<QLineEdit>(main, "txtLonM")->setText(QStringLiteral("12"));
    Child<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("28"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("36"));
    Child<QRadioButton>(main, "optLong0")->setChecked(true);
}

void SettleEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

double ComputationMillis(const BirthRecord& birth)
{
    constexpr int repeats = 200;
    BirthRecord record = birth;
    const auto start = Clock::now();
    double kept = 0;
    for (int r = 0; r < repeats; ++r) {
        kept += static_cast<double>(ComposeReading(record).Rashi.Nature.size());
    }
    bench::KeepValue(kept);
    return bench::Millis(Clock::now() - start) / repeats;
}

int CloseResultWindows()
{
    int decodes = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* result = qobject_cast<frmResult*>(top)) {
            decodes = std::max(decodes, result->PictureDecodes());
            result->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return decodes;
}

// The birth star's part of composing a reading: its search and its lines.
double NakshatraMicros(const Reading& reading)
{
    constexpr int repeats = 2000;
    const auto start = Clock::now();
    for (int r = 0; r < repeats; ++r) {
        const NakshatraStay stay = FindNakshatraStay(reading.Moon);
        bench::KeepValue(static_cast<double>(English(DescribeNakshatra(stay).Text).size()));
    }
    return bench::Millis(Clock::now() - start) * 1000.0 / repeats;
}

// The window's whole use of the search: the crossings and the composed line.
double SignStayMicros(const Reading& reading)
{
    constexpr int repeats = 2000;
    const auto start = Clock::now();
    for (int r = 0; r < repeats; ++r) {
        const std::optional<SignStay> stay = FindSignStay(reading.Moon);
        bench::KeepValue(stay ? static_cast<double>(English(DescribeSignStay(*stay).Text).size()) : 0.0);
    }
    return bench::Millis(Clock::now() - start) * 1000.0 / repeats;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The lock and the settings must not be the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyWindowFont();
    QtPlatform platform(QDir::tempPath() + QStringLiteral("/orvanta-bench-reading.lock"));
    const SwissEphemerisMoon swiss;
    // One reading by the services' method, with the other's cross-check, as
    // the program makes it: click to first paint, or negative.
    const auto clickToPaint = [](Services& services, int i) {
        QWidget* main = ShowMainWindow(services);
        FillMainWindow(main, i);
        SettleEvents();
        return bench::MillisToFirstPaint<frmResult>([main] { Child<QPushButton>(main, "cmdRashi")->click(); });
    };

    // The first reading of a run opens Swiss Ephemeris's files.
    BirthRecord firstRecord;
    Services first(firstRecord, platform, nullptr, &swiss);
    const double firstReadingMs = clickToPaint(first, 0);
    CloseResultWindows();

    std::vector<double> windowMs;
    std::vector<double> computeMs;
    std::vector<double> stayUs;
    std::vector<double> starUs;
    std::vector<double> withStarMs;     // a result window with the birth star, to first paint
    std::vector<double> withoutStarMs;  // the same reading without it, as before the birth star
    std::vector<double> ratios;         // click to paint, against the same without the birth star
    std::vector<double> pageMs;         // the birth star's page, from its tab's choice to its first paint
    std::vector<double> swissMs;        // click to paint with Swiss Ephemeris chosen
    int mostDecodes = 0;
    for (int i = 0; i < kReadings; ++i) {
        // Swiss Ephemeris chosen, then the classic series, for the same birth.
        BirthRecord swissRecord;
        Services bySwiss(swissRecord, platform, nullptr, &swiss);
        bySwiss.Method.Ephemeris = MoonEphemeris::SwissEphemeris;
        swissMs.push_back(clickToPaint(bySwiss, i));
        CloseResultWindows();

        BirthRecord record;
        Services services(record, platform, nullptr, &swiss);
        const double clickMs = clickToPaint(services, i);
        if (clickMs < 0 || swissMs.back() < 0) {
            std::fprintf(stderr, "reading %d: no result window was painted\n", i);
            return 1;
        }
        windowMs.push_back(clickMs);
        mostDecodes = std::max(mostDecodes, CloseResultWindows());
        computeMs.push_back(ComputationMillis(record));

        // The birth star's cost in the same run: its part of composing the
        // reading, and its panel, shown and painted with and without it in turn.
        const Reading withStar = ComposeReading(record);
        stayUs.push_back(SignStayMicros(withStar));
        Reading withoutStar = withStar;
        withoutStar.Nakshatra.reset();
        withoutStar.NakshatraLines.reset();
        starUs.push_back(NakshatraMicros(withStar));
        // Each first in turn, so that neither gains from the other's caches.
        std::array<const Reading*, 2> order{&withStar, &withoutStar};
        if (i % 2 == 1) {
            std::swap(order[0], order[1]);
        }
        for (const Reading* shown : order) {
            frmResult* result = nullptr;
            const double ms =
                bench::MillisToFirstPaint<frmResult>([&] { result = ShowResultWindow(*shown, services); });
            (shown == &withStar ? withStarMs : withoutStarMs).push_back(ms);
            // The birth star's page, laid out when the user first opens it.
            if (shown == &withStar && result != nullptr) {
                pageMs.push_back(bench::MillisToFirstPaint<frmResult>([result] { result->ShowBirthStarPage(); }));
            }
            CloseResultWindows();
        }
        const double before = clickMs - (withStarMs.back() - withoutStarMs.back()) - starUs.back() / 1000.0;
        ratios.push_back(clickMs / before);
    }

    const double window = bench::Median(windowMs);
    std::printf("readings: %d (offscreen)\n", kReadings);
    std::printf("click to first paint of the result window: median %.2f ms, first %.2f ms, max %.2f ms\n", window,
                windowMs.front(), *std::max_element(windowMs.begin(), windowMs.end()));
    std::printf("ComposeReading alone: median %.4f ms\n", bench::Median(computeMs));
    std::printf("sign changes found and described (FindSignStay, DescribeSignStay) alone: median %.2f us per call\n",
                bench::Median(stayUs));
    std::printf("birth star's search and lines (FindNakshatraStay, DescribeNakshatra): median %.2f us per call\n",
                bench::Median(starUs));
    std::printf("result window to first paint: with the birth star median %.2f ms, without %.2f ms\n",
                bench::Median(withStarMs), bench::Median(withoutStarMs));
    std::printf("birth star's page, laid out when first shown, to its first paint: median %.2f ms\n",
                bench::Median(pageMs));
    const double ratio = bench::Median(ratios);
    std::printf("click to first paint against the same without the birth star: median ratio %.3f (target 1.1: %s)\n",
                ratio, ratio <= 1.1 ? "met" : "MISSED");
    const double swissRatio = bench::Median(swissMs) / window;
    std::printf("first reading of the run (Swiss Ephemeris's files opened): %.2f ms\n", firstReadingMs);
    std::printf("click to first paint with Swiss Ephemeris chosen: median %.2f ms, ratio to the classic series "
                "%.3f (target 1.2: %s)\n",
                bench::Median(swissMs), swissRatio, swissRatio <= 1.2 ? "met" : "MISSED");
    std::printf("sign pictures decoded per result window: at most %d\n", mostDecodes);
    std::printf("target 20 ms per reading: %s\n", window <= 20.0 ? "met" : "MISSED");
    return window <= 20.0 && mostDecodes <= 1 && ratio <= 1.1 && swissRatio <= 1.2 ? 0 : 2;
}
