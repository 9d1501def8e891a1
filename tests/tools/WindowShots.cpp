// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's windows, drawn offscreen, for comparing a change
// by eye or pixel by pixel: orvanta_window_shots FOLDER [LANGUAGE]. Each
// window is reached as a user reaches it, through the main window's
// controls, and drawn at its smallest size; the message boxes and the file
// dialog are Qt's own, as the program shows them.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextBrowser>
#include <QTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <deque>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "core/ephemeris/PreciseMoon.h"
#include "core/report/ReadingFile.h"
#include "gui/app/StartUp.h"
#include "gui/app/Translations.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/support/UpdateReminder.h"
#include "gui/widgets/WindowFont.h"
#include "platform/FakePlatform.h"
#include "platform/QtPlatform.h"
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

// At the smallest size the window lets a user give it, or at the size given.
void Shoot(QWidget* window, const char* name, QSize size = {})
{
    if (window == nullptr) {
        std::fprintf(stderr, "no window for %s\n", name);
        ++failures;
        return;
    }
    Settle();
    window->resize(size.isValid() ? size : window->minimumSizeHint().expandedTo(window->minimumSize()));
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

// The fake platform, but its boxes and file dialogs are Qt's own, drawn
// once shown and then closed.
class ShootingPlatform : public FakePlatform {
public:
    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, const QString& detail) override
    {
        FakePlatform::ShowMessage(parent, text, icon, detail);
        ShootNextModal();
        real_.ShowMessage(parent, text, icon, detail);
    }
    bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) override
    {
        FakePlatform::AskYesNo(parent, text, icon);
        ShootNextModal();
        return real_.AskYesNo(parent, text, icon);
    }
    QString AskOpenFileName(QWidget* parent, const FileDialogRequest& request) override
    {
        ShootNextModal();
        real_.AskOpenFileName(parent, request);
        return FakePlatform::AskOpenFileName(parent, request);
    }
    QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request) override
    {
        ShootNextModal();
        real_.AskSaveFileName(parent, request);
        return FakePlatform::AskSaveFileName(parent, request);
    }

    // The names of the pictures of the next boxes, in order.
    std::deque<QString> ShotNames;

private:
    void ShootNextModal()
    {
        QString name = QStringLiteral("box");
        if (!ShotNames.empty()) {
            name = ShotNames.front();
            ShotNames.pop_front();
        }
        QTimer::singleShot(50, [name] {
            QWidget* box = QApplication::activeModalWidget();
            Shoot(box, qPrintable(name));
            if (box != nullptr) {
                box->close();
            }
        });
    }
    QtPlatform real_{QDir::tempPath() + QStringLiteral("/orvanta-window-shots.lock")};
};

}  // namespace

int main(int argc, char** argv)
{
    // Offscreen unless a display platform is asked for (xvfb-run with xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc > 2) {
        InstallTranslations(app, QLocale(QString::fromLocal8Bit(argv[2])));
    }
    ApplyWindowFont();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("window-shots");
    QDir().mkpath(folder);

    ShootingPlatform platform;
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

    // The boxes: a missing entry, a file that is no reading (and the open
    // dialog before it), the update reminder, a second copy.
    platform.ShotNames = {QStringLiteral("message-entry"), QStringLiteral("dialog-open"), QStringLiteral("message-file"),
                          QStringLiteral("message-reminder"), QStringLiteral("message-running")};
    Child<QPushButton>(main, "cmdRashi")->click();
    platform.Files[QStringLiteral("/readings/notes.ras")] = "not a reading";
    platform.OpenFileAnswers.push_back(QStringLiteral("/readings/notes.ras"));
    Child<QPushButton>(main, "cmdOpen")->click();
    Settle();
    platform.Settings[QStringLiteral("Settings/LastUpdateReminder")] = QStringLiteral("2020-01-01");
    RemindOfUpdate(platform);
    platform.OtherCopyRunning = true;
    StartUp(services, {});
    platform.OtherCopyRunning = false;
    Settle();

    FillFirstBirth(main);
    Shoot(main, "main-filled");
    Child<QPushButton>(main, "cmdRashi")->click();
    Settle();
    QWidget* result = TopLevel("frmResult");
    Shoot(result, "result");
    const QSize usual = result->size();
    auto* pages = Child<QTabWidget>(result, "TS");
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        Shoot(result, qPrintable(QStringLiteral("result-page%1").arg(page + 1)));
    }
    pages->setCurrentIndex(0);
    QTest::mouseClick(Child<QWidget>(result, "lblBirthStar"), Qt::LeftButton);
    Shoot(result, "result-birth-star", usual);
    Shoot(result, "result-birth-star-smallest");
    result->resize(usual);
    pages->setCurrentIndex(0);
    Child<QPushButton>(result, "cmdSave")->click();
    QWidget* report = platform.LastModal;
    Shoot(report, "report");
    // The report as a PDF too, for pdftoppm and pdftotext.
    const QString pdf = folder + QStringLiteral("/report.pdf");
    platform.SaveFileAnswers = {pdf};
    platform.ShotNames = {QStringLiteral("dialog-save-pdf")};
    Child<QPushButton>(report, "cmdSavePdf")->click();
    QFile pdfFile(pdf);
    if (!pdfFile.open(QIODevice::WriteOnly) || pdfFile.write(platform.Files[pdf]) <= 0) {
        ++failures;
    }
    std::printf("%s\n", qPrintable(pdf));
    // Saving where the disk refuses it, after Qt's save dialog.
    platform.SaveFileAnswers.push_back(QStringLiteral("/full/asha.ras"));
    platform.FailingPaths.insert(QStringLiteral("/full/asha.ras"));
    platform.ShotNames = {QStringLiteral("dialog-save"), QStringLiteral("message-save")};
    Child<QPushButton>(report, "cmdSave")->click();
    Settle();
    report->close();

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
    platform.ShotNames = {QStringLiteral("dialog-open-groom")};
    Child<QPushButton>(match, "cmdOpenGroom")->click();
    Shoot(match, "match");
    Child<QPushButton>(match, "cmdReport")->click();
    Shoot(platform.LastModal, "match-report");
    platform.LastModal->close();
    platform.OpenFileAnswers.push_back(QStringLiteral("/readings/ravi-early.ras"));
    platform.ShotNames = {QStringLiteral("dialog-open-groom")};
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
    // Tall enough for the whole column under the rashi.
    Shoot(differ, "result-differ-tall", QSize(differ->width(), 900));
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
