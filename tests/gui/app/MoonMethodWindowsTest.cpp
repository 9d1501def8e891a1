// SPDX-License-Identifier: GPL-3.0-or-later
// The precise Moon as the user meets it: the result window's method line
// and its link, the Preferences window, and the choice kept for later runs.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <deque>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/ephemeris/PreciseMoon.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

class MoonMethodWindows : public ::testing::Test {
public:
    void TearDown() override { testing::CloseAllWindows(); }

    // The services of a start of the program: the method read from the settings.
    Services& Start(const PreciseMoonSource* source) { return runs.emplace_back(record, platform, nullptr, source); }

    // A birth at 10 degrees west, zone 0:00, entered and read in a fresh
    // main window, as after a start of the program.
    QWidget* Read(int day, int month, int year, int hour, int minute, const PreciseMoonSource* source)
    {
        frmMain* main = ShowMainWindow(Start(source));
        main->SetEntry(testing::EntryOfBirth(day, month, year, hour, minute));
        QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        return testing::VisibleWindow("frmResult");
    }

    // On the button's circle: a click at the middle of a wide row misses.
    static void Choose(QRadioButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    static QString Line(QWidget* result) { return result->findChild<QLabel*>(QStringLiteral("lblCrossCheck"))->accessibleName(); }
    static QString Rashi(QWidget* result) { return result->findChild<QLabel*>(QStringLiteral("lblVedicName"))->text(); }

    BirthRecord record;
    FakePlatform platform;
    SwissEphemerisMoon swiss;
    std::deque<Services> runs;
};

TEST_F(MoonMethodWindows, TheFirstWorkedBirthAgrees)
{
    QWidget* result = Read(1, 1, 2000, 12, 0, &swiss);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(Line(result).startsWith(QStringLiteral("Reading by the classic series. Swiss Ephemeris (Lahiri): Moon at")))
        << Line(result).toStdString();
    EXPECT_TRUE(Line(result).endsWith(QStringLiteral("same rashi and pada"))) << Line(result).toStdString();
    EXPECT_EQ(result->findChild<QLabel*>(QStringLiteral("lblCrossCheck"))->focusPolicy(), Qt::NoFocus);
}

// 7 January 1990, 05:38: the classic series says Mesha, Swiss Ephemeris
// Vrishabha. The link shows the other reading; the choice stays as it was.
TEST_F(MoonMethodWindows, WhereTheMethodsDifferTheLinkShowsTheOtherReading)
{
    QWidget* result = Read(7, 1, 1990, 5, 38, &swiss);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Rashi(result), "Mesha");
    EXPECT_TRUE(Line(result).endsWith(QStringLiteral("Show the reading by Swiss Ephemeris (Lahiri)")))
        << Line(result).toStdString();
    emit result->findChild<QLabel*>(QStringLiteral("lblCrossCheck"))->linkActivated(QStringLiteral("other"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QWidget* precise = testing::VisibleWindow("frmResult");
    ASSERT_NE(precise, nullptr);
    EXPECT_NE(precise, result);
    EXPECT_EQ(Rashi(precise), "Vrishabha");
    EXPECT_EQ(record.RashiName, "Vrishabha");
    EXPECT_TRUE(Line(precise).startsWith(QStringLiteral("Reading by Swiss Ephemeris (Lahiri). The classic series puts")))
        << Line(precise).toStdString();
    EXPECT_TRUE(platform.Settings.empty());
}

// Swiss Ephemeris and Raman chosen in Preferences change the reading and the
// report's method line, and the next run (new windows, same settings) keeps them.
TEST_F(MoonMethodWindows, ThePreferencesChangeTheReadingAndAreKept)
{
    frmMain* main = ShowMainWindow(Start(&swiss));
    main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
    QDialog* preferences = platform.LastModal;
    ASSERT_NE(preferences, nullptr);
    ASSERT_EQ(preferences->objectName(), "frmPreferences");
    auto* raman = preferences->findChild<QRadioButton*>(QStringLiteral("optAyanamsaRaman"));
    EXPECT_FALSE(raman->isEnabled());  // the classic series has its own ayanamsa
    Choose(preferences->findChild<QRadioButton*>(QStringLiteral("optSwiss")));
    EXPECT_TRUE(raman->isEnabled());
    Choose(raman);
    QTest::mouseClick(preferences->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_EQ(platform.Settings[QStringLiteral("Reading/MoonPosition")], "swiss");
    EXPECT_EQ(platform.Settings[QStringLiteral("Reading/Ayanamsa")], "Raman");
    testing::CloseAllWindows();

    QWidget* result = Read(1, 1, 2000, 12, 0, &swiss);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(Line(result).startsWith(QStringLiteral("Reading by Swiss Ephemeris (Raman). The classic series"))
        ) << Line(result).toStdString();
    QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    const QString report = platform.LastModal->findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral("Method: Reading by Swiss Ephemeris (Raman)"))) << report.toStdString();
}

// Without the library the line says so, and the reading is the classic one.
TEST_F(MoonMethodWindows, WithoutTheLibraryTheLineSaysSoAndNothingElseChanges)
{
    platform.Settings[QStringLiteral("Reading/MoonPosition")] = QStringLiteral("swiss");
    const UnavailablePreciseMoon missing;
    QWidget* result = Read(7, 1, 1990, 5, 38, &missing);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(Rashi(result), "Mesha");
    EXPECT_EQ(Line(result), "Reading by the classic series. Swiss Ephemeris is not available on this computer. "
                            "This reading follows the classic series.");
    EXPECT_TRUE(platform.Messages.empty());
}

}  // namespace
}  // namespace orvanta
