// SPDX-License-Identifier: GPL-3.0-or-later
// Time from "Match With..." in a result window to the matching window's
// first paint, offscreen, with the reading on screen as the bride's; then
// from "Open Groom's Reading..." (a saved reading, read through the desktop)
// to the repainted window with all eight kootas. Medians and the slowest of
// the runs, after one run that loads the fonts.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "WindowFirstPaint.h"
#include "core/report/ReadingFile.h"
#include "gui/app/WindowFlow.h"
#include "gui/matching/frmMatch.h"
#include "gui/reading/frmResult.h"
#include "gui/support/Services.h"
#include "gui/widgets/WindowFont.h"
#include "platform/QtPlatform.h"

using namespace orvanta;

namespace {

constexpr int kRuns = 30;

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

BirthRecord Birth(int i)
{
    BirthRecord r;
    r.PersonName = i % 2 == 0 ? "Asha" : "Ravi";
    r.BirthYear = static_cast<std::int16_t>(1950 + (i * 7) % 70);
    r.BirthMonth = static_cast<std::int16_t>(1 + i % 12);
    r.BirthDay = static_cast<std::int16_t>(1 + (i * 5) % 28);
    r.BirthHour = static_cast<std::int16_t>((i * 5) % 24);
    r.ZoneHours = 5, r.ZoneMinutes = 30, r.LongitudeDegrees = 77, r.LatitudeDegrees = 28, r.LongitudeEast = true;
    return r;
}

void Report(const char* what, std::vector<double> ms)
{
    const double slowest = *std::max_element(ms.begin(), ms.end());
    std::printf("%-52s median %6.2f ms, slowest %6.2f ms\n", what, bench::Median(ms), slowest);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyWindowFont();
    QtPlatform platform(QDir::tempPath() + QStringLiteral("/orvanta-bench-match.lock"));
    QTemporaryDir folder;

    std::vector<double> openMs, groomMs;
    for (int run = 0; run <= kRuns; ++run) {
        BirthRecord record = Birth(run);
        Services services(record, platform);
        frmResult* result = ShowResultWindow(ComposeReading(record), services);
        const QString groomFile = folder.filePath(QStringLiteral("groom%1.ras").arg(run));
        QFile file(groomFile);
        const QByteArray bytes = QByteArray::fromStdString(EncodeReadingFile(Birth(run + 1)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(groomFile));
            return 1;
        }
        file.close();
        Settle();

        const double open = bench::MillisToFirstPaint<frmMatch>([result] {
            result->findChild<QAction*>(QStringLiteral("mnuMatchWith"))->trigger();
        });
        frmMatch* match = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<frmMatch*>(top); m != nullptr && m->isVisible()) {
                match = m;
            }
        }
        Settle();
        const double groom = bench::MillisToFirstPaint<frmMatch>([match, &groomFile] {
            match->OpenReadingFile(MatchRole::Groom, groomFile);
        });
        if (run > 0) {  // the first run loads the fonts
            openMs.push_back(open);
            groomMs.push_back(groom);
        }
        match->close();
        result->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Report("Match With... to the matching window's first paint", openMs);
    Report("a saved groom's reading to the repainted match", groomMs);
    return 0;
}
