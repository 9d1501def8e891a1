// SPDX-License-Identifier: GPL-3.0-or-later
// The City box offering the atlas, and the zone boxes it fills, through the
// main window's widgets.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/atlas/PlaceLookup.h"
#include "core/common/BirthRecord.h"
#include "core/ephemeris/MoonRashi.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

class MainWindowAtlasTest : public ::testing::Test {
public:
    void SetUp() override { window = ShowMainWindow(services); }
    void TearDown() override { testing::CloseAllWindows(); }

    QLineEdit* Box(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    QString Text(const char* name) { return Box(name)->text(); }
    void Choose(const char* list, const char* entry)
    {
        window->findChild<QComboBox*>(QLatin1String(list))->setCurrentText(QLatin1String(entry));
    }
    void SetMoment(const char* month, const char* day, const char* year, const char* hour, const char* minute)
    {
        Choose("cboMonth", month);
        Choose("cboDate", day);
        Choose("cboYear", year);
        Choose("cboHH", hour);
        Choose("cboMM", minute);
    }
    QAbstractItemView* Popup() { return window->findChild<QCompleter*>(QStringLiteral("placeCompleter"))->popup(); }
    QString Line() { return window->findChild<QLabel*>(QStringLiteral("lblZoneUsed"))->text(); }

    // Types into the City box and takes the first place offered, by keyboard.
    void TypeAndTakeFirst(const char* typed)
    {
        QTest::keyClicks(Box("txtMCity"), QString::fromUtf8(typed));
        ASSERT_TRUE(Popup()->isVisible()) << typed;
        QTest::keyClick(Popup(), Qt::Key_Down);
        QTest::keyClick(Popup(), Qt::Key_Return);
    }

    PlaceLookup places{ORVANTA_ATLAS_DATABASE};
    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform, &places};
    QPointer<frmMain> window;
};

// The offset in force at the place and moment, in the boxes with its sign.
TEST_F(MainWindowAtlasTest, ChoosingAPlaceFillsTheZoneInForceThen)
{
    struct Case {
        const char *typed, *city, *year, *hour, *minute;
        const char* offset;  // as the line gives it
    };
    const Case cases[] = {
        {"Kolk", "Kolkata", "1943", "-6", "-30", "UTC+06:30"},
        {"Kolk", "Kolkata", "1942", "-5", "-30", "UTC+05:30"},
        {"Londo", "London", "1941", "-2", "-0", "UTC+02:00"},
    };
    for (const Case& c : cases) {
        testing::CloseAllWindows();
        window = ShowMainWindow(services);
        SetMoment("June", "15", c.year, "12", "0");
        TypeAndTakeFirst(c.typed);
        EXPECT_EQ(Text("txtMCity"), QLatin1String(c.city));
        EXPECT_EQ(Text("txtZoneHour"), QLatin1String(c.hour)) << c.city << c.year;
        EXPECT_EQ(Text("txtZoneMinute"), QLatin1String(c.minute)) << c.city << c.year;
        EXPECT_FALSE(window->findChild<QCheckBox*>(QStringLiteral("chkDST"))->isChecked());
        EXPECT_TRUE(Line().contains(QLatin1String(c.offset))) << Line().toStdString();
    }
    EXPECT_TRUE(platform.Messages.empty());
}

TEST_F(MainWindowAtlasTest, KolkataInWarTimeGivesTheReadingForItsUniversalTime)
{
    SetMoment("June", "15", "1943", "12", "0");
    Box("txtName")->setText(QStringLiteral("Asha"));
    TypeAndTakeFirst("Kolk");
    EXPECT_EQ(Text("txtMState"), "West Bengal");
    EXPECT_EQ(Text("txtMCountry"), "India");
    EXPECT_EQ(Text("txtLonD") + ' ' + Text("txtLonM"), "88 22");
    EXPECT_EQ(Text("txtLatD") + ' ' + Text("txtLatM"), "22 34");
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("optLong0"))->isChecked());
    EXPECT_TRUE(Line().contains(QStringLiteral("daylight/war time"))) << Line().toStdString();

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
    EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
    EXPECT_EQ(ComputeMoonPosition(record).UniversalHours, 5.5);
}

// While the place is in effect the zone follows the date; once the user sets
// it by hand, the atlas leaves it alone and the line says so.
TEST_F(MainWindowAtlasTest, TheZoneFollowsTheDateUntilSetByHand)
{
    SetMoment("June", "15", "1943", "12", "0");
    TypeAndTakeFirst("Kolk");
    Choose("cboYear", "1942");
    EXPECT_EQ(Text("txtZoneHour"), "-5");

    QTest::keyClick(Box("txtZoneMinute"), Qt::Key_Backspace);
    Choose("cboYear", "1943");
    EXPECT_EQ(Text("txtZoneHour"), "-5");
    EXPECT_TRUE(Line().contains(QStringLiteral("set by hand"))) << Line().toStdString();
}

// New York, 14 March 2021, 02:30 did not exist: nothing is filled until the
// user takes one of the two offsets (or changes the time).
TEST_F(MainWindowAtlasTest, ASkippedClockTimeWaitsForAChoice)
{
    SetMoment("March", "14", "2021", "2", "30");
    TypeAndTakeFirst("new y");
    EXPECT_EQ(Text("txtMCity"), "New York City");
    EXPECT_TRUE(Text("txtZoneHour").isEmpty());
    EXPECT_TRUE(Line().contains(QStringLiteral("did not exist"))) << Line().toStdString();
    EXPECT_TRUE(Line().contains(QStringLiteral("UTC-05:00 EST")));
    EXPECT_TRUE(Line().contains(QStringLiteral("UTC-04:00 EDT")));

    emit window->findChild<QLabel*>(QStringLiteral("lblZoneUsed"))->linkActivated(QStringLiteral("1"));
    EXPECT_EQ(Text("txtZoneHour"), "+4");
    EXPECT_EQ(Text("txtZoneMinute"), "+0");

    Choose("cboHH", "3");  // a time that existed: the atlas decides again
    EXPECT_EQ(Text("txtZoneHour"), "+4");
    EXPECT_FALSE(Line().contains(QStringLiteral("chosen")));
}

TEST_F(MainWindowAtlasTest, OneLetterOffersNothingAndEscapeKeepsTheText)
{
    QTest::keyClicks(Box("txtMCity"), QStringLiteral("M"));
    EXPECT_FALSE(Popup()->isVisible());
    QTest::keyClicks(Box("txtMCity"), QStringLiteral("u"));
    ASSERT_TRUE(Popup()->isVisible());
    QTest::keyClick(Popup(), Qt::Key_Escape);
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(Text("txtMCity"), "Mu");
    EXPECT_TRUE(Text("txtZoneHour").isEmpty());

    QTest::keyClicks(Box("txtMCity"), QStringLiteral("n"));
    ASSERT_TRUE(Popup()->isVisible());
    QTest::keyClicks(Box("txtMCity"), QStringLiteral("qxz"));  // no place begins so
    EXPECT_FALSE(Popup()->isVisible());
}

TEST(MainWindowAtlas, AnUnavailableAtlasIsReportedOnceAndTheBoxStillTypes)
{
    PlaceLookup places("/no-such-folder-of-orvanta/atlas.sqlite");
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform, &places);
    frmMain* window = ShowMainWindow(services);
    auto* city = window->findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    QTest::keyClicks(city, QStringLiteral("Kolkata"));
    EXPECT_EQ(city->text(), "Kolkata");
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_TRUE(platform.Messages[0].Text.startsWith(QStringLiteral("The atlas of places cannot be used")));
    window->close();

    window = ShowMainWindow(services);
    QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("txtMCity")), QStringLiteral("Delhi"));
    EXPECT_EQ(platform.Messages.size(), 1u);  // once a run
    testing::CloseAllWindows();
}

}  // namespace
}  // namespace orvanta
