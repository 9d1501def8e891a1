// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's windows, drawn offscreen, for comparing a change
// by eye or pixel by pixel: orvanta_window_shots FOLDER. Each window is
// reached as a user reaches it, through the main window's controls.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "core/ephemeris/PreciseMoon.h"
#include "core/report/ReadingFile.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/widgets/WindowFont.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"

using namespace orvanta;

namespace {

QString folder;
int failures = 0;

template <typename T>
T* Child(QWidget* window, const char* name)
{
    T* child = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (child == nullptr) {
        std::fprintf(stderr, "missing %s\n", name);
        std::exit(1);
    }
    return child;
}

QWidget* TopLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name) && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

void Shoot(QWidget* window, const char* name)
{
    if (window == nullptr) {
        std::fprintf(stderr, "no window for %s\n", name);
        ++failures;
        return;
    }
    Settle();
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!window->grab().save(path)) {
        ++failures;
    }
    std::printf("%s\n", qPrintable(path));
}

// The first worked birth: 1 January 2000, 12:00, zone 0:00, west.
void FillFirstBirth(QWidget* main)
{
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Asha"));
    Child<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("2000"));
    Child<QComboBox>(main, "cboHH")->setCurrentText(QStringLiteral("12"));
    Child<QLineEdit>(main, "txtZoneHour")->setText(QStringLiteral("0"));
    Child<QLineEdit>(main, "txtZoneMinute")->setText(QStringLiteral("0"));
    Child<QLineEdit>(main, "txtLonD")->setText(QStringLiteral("10"));
    Child<QLineEdit>(main, "txtLonM")->setText(QStringLiteral("0"));
    Child<QLineEdit>(main, "txtLatD")->setText(QStringLiteral("50"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("0"));
    Child<QRadioButton>(main, "optLong1")->setChecked(true);
}

QAction* Action(QWidget* window, const char* name)
{
    return Child<QAction>(window, name);
}

}  // namespace

int main(int argc, char** argv)
{
    // Offscreen unless a display platform is asked for (xvfb-run with xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyWindowFont();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("window-shots");
    QDir().mkpath(folder);

    FakePlatform platform;
    BirthRecord record;
    const SwissEphemerisMoon swiss;
    Services services(record, platform, nullptr, &swiss);
    QWidget* main = ShowMainWindow(services);
    Shoot(main, "main");

    Child<QWidget>(main, "lblTZHelp");
    QTest::mouseClick(Child<QWidget>(main, "lblTZHelp"), Qt::LeftButton);
    Shoot(platform.LastModal, "timezone");
    platform.LastModal->close();
    Settle();

    Action(main, "mnuAbout")->trigger();
    Shoot(platform.LastModal, "about");
    platform.LastModal->close();
    Settle();

    Action(main, "mnuPreferences")->trigger();
    Shoot(platform.LastModal, "preferences");
    platform.LastModal->close();
    Settle();

    FillFirstBirth(main);
    Shoot(main, "main-filled");
    Child<QPushButton>(main, "cmdRashi")->click();
    Settle();
    QWidget* result = TopLevel("frmResult");
    Shoot(result, "result");
    QTest::mouseClick(Child<QWidget>(result, "lblBirthStar"), Qt::LeftButton);
    Shoot(result, "result-birth-star");
    const QSize usual = result->size();
    result->resize(result->minimumSizeHint());
    Shoot(result, "result-birth-star-smallest");
    result->resize(usual);
    Child<QTabWidget>(result, "TS")->setCurrentIndex(0);
    Child<QPushButton>(result, "cmdSave")->click();
    Shoot(platform.LastModal, "report");
    // The report as a PDF too, for pdftoppm and pdftotext.
    const QString pdf = folder + QStringLiteral("/report.pdf");
    platform.SaveFileAnswers = {pdf};
    Child<QPushButton>(platform.LastModal, "cmdSavePdf")->click();
    QFile pdfFile(pdf);
    if (!pdfFile.open(QIODevice::WriteOnly) || pdfFile.write(platform.Files[pdf]) <= 0) {
        ++failures;
    }
    std::printf("%s\n", qPrintable(pdf));
    platform.LastModal->close();

    // The reading on screen matched with a saved one; then a groom whose pada
    // cannot be told, and the match's report.
    Action(result, "mnuMatchWith")->trigger();
    Settle();
    QWidget* match = TopLevel("frmMatch");
    Shoot(match, "match-one-side");
    BirthRecord groom = testing::Birth(12, 3, 1975, 9, 5);
    groom.PersonName = "Ravi";
    groom.LatitudeDegrees = 50;
    platform.Files[QStringLiteral("/readings/ravi.ras")] = QByteArray::fromStdString(EncodeReadingFile(groom));
    groom.BirthHour = 7;
    platform.Files[QStringLiteral("/readings/ravi-early.ras")] = QByteArray::fromStdString(EncodeReadingFile(groom));
    platform.OpenFileAnswers.push_back(QStringLiteral("/readings/ravi.ras"));
    Child<QPushButton>(match, "cmdOpenGroom")->click();
    Shoot(match, "match");
    Child<QPushButton>(match, "cmdReport")->click();
    Shoot(platform.LastModal, "match-report");
    platform.LastModal->close();
    platform.OpenFileAnswers.push_back(QStringLiteral("/readings/ravi-early.ras"));
    Child<QPushButton>(match, "cmdOpenGroom")->click();
    Shoot(match, "match-doubt");
    match->close();
    result->close();
    Settle();

    // 7 January 1990, 05:38: the two methods part at the sign's boundary.
    QWidget* again = ShowMainWindow(services);
    FillFirstBirth(again);
    Child<QComboBox>(again, "cboYear")->setCurrentText(QStringLiteral("1990"));
    Child<QComboBox>(again, "cboDate")->setCurrentText(QStringLiteral("7"));
    Child<QComboBox>(again, "cboHH")->setCurrentText(QStringLiteral("5"));
    Child<QComboBox>(again, "cboMM")->setCurrentText(QStringLiteral("38"));
    Child<QPushButton>(again, "cmdRashi")->click();
    Settle();
    QWidget* differ = TopLevel("frmResult");
    Shoot(differ, "result-differ");
    QTest::mouseClick(Child<QWidget>(differ, "lblBirthStar"), Qt::LeftButton);
    Shoot(differ, "result-differ-birth-star");
    differ->close();
    Settle();

    // A place chosen from the atlas, with the line under the zone boxes.
    PlaceLookup places(ORVANTA_ATLAS_DATABASE);
    Services withPlaces(record, platform, &places, &swiss);
    QWidget* withAtlas = ShowMainWindow(withPlaces);
    QLineEdit* city = Child<QLineEdit>(withAtlas, "txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Madrid"));
    Settle();
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    Shoot(withAtlas, "main-atlas");
    return failures == 0 ? 0 : 1;
}
