// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/entry/PlaceSearch.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/support/WebLinks.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/widgets/QtText.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using orvanta::testing::CloseAllWindows;
using orvanta::testing::VisibleWindow;

class MainWindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        window = ShowMainWindow(services);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override { CloseAllWindows(); }

    template <typename T>
    T* Find(const char* name)
    {
        T* widget = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }

    // A complete, valid entry: 1 January 2000, 12:00, zone 0:0 west of Greenwich.
    void FillValid()
    {
        Box("txtName")->setText(QStringLiteral("Asha"));
        List("cboYear")->setCurrentText(QStringLiteral("2000"));
        List("cboHH")->setCurrentText(QStringLiteral("12"));
        Box("txtZoneHour")->setText(QStringLiteral("0"));
        Box("txtZoneMinute")->setText(QStringLiteral("0"));
        Box("txtLonD")->setText(QStringLiteral("10"));
        Box("txtLonM")->setText(QStringLiteral("0"));
        Box("txtLatD")->setText(QStringLiteral("20"));
        Box("txtLatM")->setText(QStringLiteral("0"));
        Find<QRadioButton>("optLong1")->setChecked(true);
    }

    void ClickFind() { QTest::mouseClick(Find<QPushButton>("cmdRashi"), Qt::LeftButton); }

    QString FocusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform};
    QPointer<frmMain> window;
};

TEST_F(MainWindowTest, LoadsWithItsDefaults)
{
    EXPECT_EQ(window->windowTitle(), "Orvanta v2.0");
    const struct {
        const char* name;
        int count;
        const char* first;
        const char* last;
    } lists[] = {
        {"cboMonth", 12, "January", "December"}, {"cboDate", 31, "1", "31"}, {"cboYear", 150, "1901", "2050"},
        {"cboHH", 24, "0", "23"},                {"cboMM", 60, "0", "59"},  {"cboSS", 60, "0", "59"},
    };
    for (const auto& l : lists) {
        QComboBox* list = List(l.name);
        EXPECT_EQ(list->count(), l.count) << l.name;
        EXPECT_EQ(list->currentIndex(), 0) << l.name;
        EXPECT_EQ(list->itemText(0), l.first) << l.name;
        EXPECT_EQ(list->itemText(list->count() - 1), l.last) << l.name;
        EXPECT_FALSE(list->isEditable()) << l.name;
    }
    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLonD", "txtLonM", "txtLatD", "txtLatM",
                             "txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(Box(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(Find<QRadioButton>("optLong0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("optLat0")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("optLong0")->text(), "East");
    EXPECT_EQ(Find<QRadioButton>("optLat1")->text(), "South");
    EXPECT_FALSE(Find<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(Find<QPushButton>("cmdBrowser")->text().simplified(), "Click Here To Find Latitude && Longitude");
    EXPECT_EQ(Find<QPushButton>("cmdOpen")->text(), "&Open Previously Saved Reading");
}

TEST_F(MainWindowTest, SetEntryIsTheMirrorOfEntry)
{
    const BirthDataEntry entry{
        .Name = " Mira ", .MonthIndex = 7, .DayIndex = 14, .DayText = "15", .YearText = "1947", .HourText = "23",
        .MinuteText = "59", .ZoneHour = "-5", .ZoneMinute = "-30",
        .Longitude = {"72", "50", true}, .Latitude = {"18", "58", true}, .DaylightSaving = true,
    };
    window->SetEntry(entry);
    EXPECT_EQ(window->Entry(), entry);
    window->SetEntry(BirthDataEntry{});
    EXPECT_EQ(window->Entry(), BirthDataEntry{});
}

TEST_F(MainWindowTest, MenusCarryTheirEntriesAndSeparators)
{
    QStringList entries;
    for (QAction* menu : window->menuBar()->actions()) {
        entries << menu->text();
        for (QAction* entry : menu->menu()->actions()) {
            entries << (entry->isSeparator() ? QStringLiteral("-") : QStringLiteral("  ") + entry->text());
        }
    }
    EXPECT_EQ(entries, QStringList({"&File", "  &Calculate", "  &Match Two Readings\u2026", "-", "  &Preferences\u2026", "&Help", "  &Online Help", "  &Visit Us Online", "-",
                                    "  Check for Software &Update", "-", "  &About Software"}));
}

TEST_F(MainWindowTest, KeyboardOrderFollowsTheForm)
{
    const QStringList expected = {"txtName",  "cboMonth", "cboDate",     "cboYear",   "cboHH",      "cboMM",
                                  "cboSS",    "txtLonD",  "txtLonM",     "optLong0",  "optLong1",   "txtLatD",
                                  "txtLatM",  "optLat0",  "optLat1",     "txtMCity",  "txtMState",  "txtMCountry",
                                  "cmdBrowser", "cmdRashi", "cmdOpen",   "txtZoneHour", "txtZoneMinute", "lblTZHelp",
                                  "chkDST"};
    QWidget* w = Find<QWidget>("txtName");
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
        order << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus) || !expected.contains(w->objectName()));
    }
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, EveryInputHasItsOwnAccessibleName)
{
    const struct {
        const char* control;
        const char* spoken;
    } names[] = {
        {"txtName", "Name"},           {"cboMonth", "Month of Birth"},     {"cboDate", "Day of Birth"},
        {"cboYear", "Year of Birth"},  {"cboHH", "Hour of Birth"},         {"cboMM", "Minute of Birth"},
        {"cboSS", "Second of Birth"},  {"txtZoneHour", "Time Zone Hours"}, {"txtZoneMinute", "Time Zone Minutes"},
        {"txtLonD", "Longitude Degrees"}, {"txtLonM", "Longitude Minutes"}, {"txtLatD", "Latitude Degrees"},
        {"txtLatM", "Latitude Minutes"}, {"txtMCity", "City"},              {"txtMState", "State"},
        {"txtMCountry", "Country"},
    };
    QSet<QString> seen;
    for (const auto& n : names) {
        EXPECT_EQ(Find<QWidget>(n.control)->accessibleName(), n.spoken) << n.control;
        seen.insert(Find<QWidget>(n.control)->accessibleName());
    }
    EXPECT_EQ(seen.size(), static_cast<qsizetype>(std::size(names)));
}

// The checks themselves are tested with the input rules; here, that the
// window shows the refusal with its icon, moves the focus, leaves the record
// alone, and otherwise runs the reading.
TEST_F(MainWindowTest, ARefusalShowsItsMessageAndMovesTheFocus)
{
    struct Case {
        const char* box;
        const char* text;
        const char* message;
        MessageIcon icon;
        const char* focus;
    };
    const Case cases[] = {
        {"txtName", "   ", "Please Enter Name", MessageIcon::Error, "txtName"},
        {"txtLatM", "40000", "Please Enter A Valid Number", MessageIcon::Error, "txtLatM"},
        {"cboDate", "31", "Please Enter Correct Date Or Month !", MessageIcon::Information, "cmdRashi"},
    };
    for (const Case& c : cases) {
        platform.Messages.clear();
        FillValid();
        List("cboMonth")->setCurrentText(QStringLiteral("June"));
        if (QString(c.box).startsWith(QStringLiteral("cbo"))) {
            List(c.box)->setCurrentText(QString::fromUtf8(c.text));
        } else {
            Box(c.box)->setText(QString::fromUtf8(c.text));
        }
        const BirthRecord before = record;
        ClickFind();
        ASSERT_EQ(platform.Messages.size(), 1u) << c.box;
        EXPECT_EQ(platform.Messages[0], (FakePlatform::Message{QString::fromUtf8(c.message), c.icon})) << c.box;
        EXPECT_EQ(FocusName(), c.focus) << c.box;  // a date refusal leaves it on the clicked button
        EXPECT_EQ(record, before) << c.box;
        EXPECT_TRUE(window->isVisible());
        List("cboDate")->setCurrentText(QStringLiteral("1"));
    }
}

TEST_F(MainWindowTest, AcceptedInputsRunTheReading)
{
    FillValid();
    Box("txtLonD")->setText(QStringLiteral("500"));  // no upper bounds
    ClickFind();
    EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    EXPECT_NE(VisibleWindow("frmResult"), nullptr);
}

TEST_F(MainWindowTest, KeystrokeFilterLetsOnlyDigitsAndBackspaceIn)
{
    struct Case {
        const char* box;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        const char* text;
        int messages;
    };
    const Case cases[] = {
        {"txtLonD", {{Qt::Key_1, {}}, {Qt::Key_2, {}}, {Qt::Key_Backspace, {}}}, "1", 0},
        {"txtLonD", {{Qt::Key_1, {}}, {Qt::Key_Minus, {}}}, "1", 1},
        {"txtLatM", {{Qt::Key_4, {}}, {Qt::Key_Period, {}}, {Qt::Key_5, {}}}, "45", 1},
        {"txtZoneMinute", {{Qt::Key_3, {}}, {Qt::Key_Return, {}}}, "3", 1},
        {"txtLatD", {{Qt::Key_A, {}}, {Qt::Key_Space, {}}}, "", 2},
        {"txtLonM", {{Qt::Key_V, Qt::ControlModifier}}, "", 1},
        {"txtZoneHour", {{Qt::Key_1, {}}, {Qt::Key_2, {}}, {Qt::Key_3, {}}, {Qt::Key_4, {}}}, "123", 0},
        {"txtZoneMinute", {{Qt::Key_1, {}}, {Qt::Key_2, {}}, {Qt::Key_3, {}}}, "12", 0},
        {"txtLonD", {{Qt::Key_7, {}}, {Qt::Key_Left, {}}, {Qt::Key_Delete, {}}, {Qt::Key_8, {}}}, "8", 0},
        {"txtZoneHour", {{Qt::Key_4, {}}, {Qt::Key_S, Qt::AltModifier}}, "4", 0},  // an access key types nothing
    };
    QApplication::clipboard()->setText(QStringLiteral("5"));
    for (const auto& c : cases) {
        QLineEdit* box = Box(c.box);
        box->clear();
        platform.Messages.clear();
        box->setFocus();
        for (const auto& [key, modifiers] : c.keys) {
            QTest::keyClick(box, key, modifiers);
        }
        EXPECT_EQ(box->text(), c.text) << c.box;
        ASSERT_EQ(static_cast<int>(platform.Messages.size()), c.messages) << c.box;
        for (const auto& m : platform.Messages) {
            EXPECT_EQ(m, (FakePlatform::Message{QStringLiteral("Only Numbers Are Accepted"), MessageIcon::Error}));
        }
    }
    // The name is free text: what the numeric boxes refuse, it takes.
    platform.Messages.clear();
    Box("txtName")->setFocus();
    QTest::keyClicks(Box("txtName"), QStringLiteral("-a ."));
    EXPECT_EQ(Box("txtName")->text(), "-a .");
    EXPECT_TRUE(platform.Messages.empty());
}

// A New York birth with its zone pasted as people write UTC-5: the box keeps
// the digits, the longitude gives the side, and the reading is Kataka (with
// the sign kept it would be Mithuna, five hours off).
TEST_F(MainWindowTest, APastedSignedZoneKeepsItsDigitsAndTheLongitudeSide)
{
    FillValid();
    List("cboMonth")->setCurrentText(QStringLiteral("March"));
    List("cboDate")->setCurrentText(QStringLiteral("3"));
    List("cboYear")->setCurrentText(QStringLiteral("1985"));
    List("cboHH")->setCurrentText(QStringLiteral("10"));
    Box("txtLonD")->setText(QStringLiteral("74"));
    Box("txtZoneHour")->clear();
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    Box("txtZoneHour")->setFocus();
    QTest::keyClick(Box("txtZoneHour"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Box("txtZoneHour")->text(), "5");
    ClickFind();
    EXPECT_TRUE(platform.Messages.empty()) << platform.LastMessage().toStdString();
    EXPECT_EQ(record.ZoneDirection, ZoneSide::FromLongitude);
    EXPECT_EQ(record.RashiName, "Kataka");
}

TEST_F(MainWindowTest, ReadingStoresTheInputsAndOpensTheResult)
{
    FillValid();
    Box("txtName")->setText(QStringLiteral("  Ravi  "));
    List("cboMonth")->setCurrentText(QStringLiteral("December"));
    List("cboSS")->setCurrentText(QStringLiteral("42"));
    Box("txtZoneHour")->setText(QStringLiteral("-5"));   // as the picker writes it
    Box("txtZoneMinute")->setText(QStringLiteral("-30"));
    Find<QRadioButton>("optLong0")->setChecked(true);
    Find<QRadioButton>("optLat1")->setChecked(true);
    Find<QCheckBox>("chkDST")->setChecked(true);
    ClickFind();

    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(record.PersonName, "Ravi");
    EXPECT_EQ(record.BirthMonth, 12);
    EXPECT_EQ(record.ZoneHours, 5);
    EXPECT_EQ(record.ZoneMinutes, 30);
    EXPECT_TRUE(record.LongitudeEast);
    EXPECT_TRUE(record.LatitudeSouth);
    EXPECT_TRUE(record.DaylightSaving);
    EXPECT_FALSE(record.RashiName.empty());
    EXPECT_EQ(record.SelectedRashi.VedicName, record.RashiName);
    EXPECT_NE(VisibleWindow("frmResult"), nullptr);
    EXPECT_EQ(VisibleWindow("frmMain"), nullptr);
}

TEST_F(MainWindowTest, WestAndNorthStoreFalseFlags)
{
    FillValid();
    Find<QRadioButton>("optLat0")->setChecked(true);
    ClickFind();
    EXPECT_FALSE(record.LongitudeEast);
    EXPECT_FALSE(record.LatitudeSouth);
    EXPECT_FALSE(record.DaylightSaving);
}

TEST_F(MainWindowTest, CalculateValidatesLikeTheButton)
{
    window->findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
    ASSERT_EQ(platform.Messages.size(), 1u);
    EXPECT_EQ(platform.Messages[0].Text, "Please Enter Name");
    FillValid();
    window->findChild<QAction*>(QStringLiteral("mnuCalculate"))->trigger();
    EXPECT_EQ(record.PersonName, "Asha");
    EXPECT_NE(VisibleWindow("frmResult"), nullptr);
}

TEST_F(MainWindowTest, PlaceSearchAsksForEachPlaceInTurn)
{
    struct Step {
        const char* box;
        const char* text;
        const char* message;
        const char* focus;
    };
    const Step steps[] = {
        {"txtMCity", "", "Please Enter City", "txtMCity"},
        {"txtMCity", "Pune", "Please Enter State", "txtMState"},
        {"txtMState", "Maharashtra", "Please Enter Country", "txtMCountry"},
    };
    for (const auto& s : steps) {
        Box(s.box)->setText(QString::fromUtf8(s.text));
        platform.Messages.clear();
        Find<QPushButton>("cmdOpen")->setFocus();
        QTest::mouseClick(Find<QPushButton>("cmdBrowser"), Qt::LeftButton);
        ASSERT_EQ(platform.Messages.size(), 1u);
        EXPECT_EQ(platform.Messages[0], (FakePlatform::Message{s.message, MessageIcon::Information}));
        EXPECT_EQ(FocusName(), s.focus);
    }
    EXPECT_TRUE(platform.OpenedPages.empty());

    Box("txtMCountry")->setText(QStringLiteral(" "));  // blanks are not empty
    platform.Messages.clear();
    QTest::mouseClick(Find<QPushButton>("cmdBrowser"), Qt::LeftButton);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(platform.OpenedPages,
              QStringList({ToQString(PlaceSearchAddress(BuildPlaceQuery("Pune", "Maharashtra", " ")))}));
}

TEST_F(MainWindowTest, HelpEntriesOpenTheirOwnPages)
{
    const struct {
        const char* action;
        std::string_view page;
    } entries[] = {{"mnuOnline", HelpPage}, {"mnuVisit", HomePage}, {"mnuUpdate", DownloadPage}};
    for (const auto& e : entries) {
        platform.OpenedPages.clear();
        window->findChild<QAction*>(QLatin1String(e.action))->trigger();
        EXPECT_EQ(platform.OpenedPages, QStringList({ToQString(e.page)})) << e.action;
    }
}

TEST_F(MainWindowTest, AboutIsModalAndItsLinkLeavesItOpen)
{
    window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    ASSERT_EQ(platform.ModalWindows, QStringList({"frmAbout"}));
    QPointer<QDialog> about = platform.LastModal;
    ASSERT_TRUE(about);
    EXPECT_EQ(about->parentWidget(), window.data());
    EXPECT_EQ(QApplication::activeModalWidget(), about.data());
    EXPECT_EQ(about->windowTitle(), "Orvanta v2.0");

    EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    auto* link = about->findChild<QWidget*>(QStringLiteral("lblHomePage"));
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(platform.OpenedPages, QStringList({ToQString(HomePage)}));
    EXPECT_TRUE(about->isVisible());

    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, TimeZoneHelpOpensThePickerModally)
{
    QTest::mouseClick(Find<QWidget>("lblTZHelp"), Qt::LeftButton);
    EXPECT_EQ(platform.ModalWindows, QStringList({"frmTimeZone"}));
    ASSERT_TRUE(platform.LastModal);
    EXPECT_EQ(platform.LastModal->parentWidget(), window.data());
}

// The picker writes the two zone boxes and nothing else; the reading then
// stores their magnitudes.
TEST_F(MainWindowTest, PickedZoneReachesTheRecordThroughTheReading)
{
    FillValid();  // West chosen
    Find<QCheckBox>("chkDST")->setChecked(true);
    const BirthRecord before = record;
    QTest::mouseClick(Find<QWidget>("lblTZHelp"), Qt::LeftButton);
    QPointer<QDialog> picker = platform.LastModal;
    ASSERT_TRUE(picker);
    auto* list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(orvanta::testing::DoubleClickLine(*list, QStringLiteral("Indian Time, IST, +5.3")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(picker.isNull());

    EXPECT_EQ(Box("txtZoneHour")->text(), "-5");
    EXPECT_EQ(Box("txtZoneMinute")->text(), "-30");
    EXPECT_TRUE(Find<QCheckBox>("chkDST")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("optLong1")->isChecked());
    EXPECT_EQ(record, before);  // untouched until the reading runs

    ClickFind();
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(record.ZoneHours, 5);
    EXPECT_EQ(record.ZoneMinutes, 30);
    EXPECT_TRUE(record.DaylightSaving);
    EXPECT_FALSE(record.LongitudeEast);
}


// Madrid lies west of Greenwich but keeps Central European Time: the
// picker's "-1" says the clocks run ahead, whatever the longitude's side.
TEST_F(MainWindowTest, PickedZoneKeepsItsOwnSideAgainstTheLongitude)
{
    FillValid();
    List("cboMonth")->setCurrentText(QStringLiteral("January"));
    List("cboDate")->setCurrentText(QStringLiteral("9"));
    List("cboYear")->setCurrentText(QStringLiteral("1950"));
    Box("txtLonD")->setText(QStringLiteral("3"));
    Box("txtLonM")->setText(QStringLiteral("42"));
    QTest::mouseClick(Find<QWidget>("lblTZHelp"), Qt::LeftButton);
    auto* list = platform.LastModal->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
    ASSERT_TRUE(orvanta::testing::DoubleClickLine(*list, QStringLiteral("Central European Time,CET,+1.0")));
    ClickFind();
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(record.ZoneHours, 1);
    EXPECT_EQ(record.ZoneDirection, ZoneSide::AheadOfUtc);
    EXPECT_EQ(record.RashiName, "Simha");
}

// Near the date line: Tonga (west, ahead) and Attu (east, on Hawaii time,
// behind), as a saved reading or the atlas writes them.
TEST(MainWindowReading, SignedZonesNearTheDateLine)
{
    struct Case {
        const char *zoneHour, *lonD;
        bool east;
        double universalHours;
    };
    const Case cases[] = {{"-13", "175", false, -1}, {"+10", "173", true, 22}, {"13", "175", false, 25}};
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform);
    for (const Case& c : cases) {
        QWidget* window = ShowMainWindow(services);
        auto box = [&](const char* name, const char* text) {
            window->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromLatin1(text));
        };
        box("txtName", "Asha");
        window->findChild<QComboBox*>(QStringLiteral("cboHH"))->setCurrentText(QStringLiteral("12"));
        box("txtZoneHour", c.zoneHour);
        box("txtZoneMinute", "0");
        box("txtLonD", c.lonD);
        box("txtLonM", "0");
        box("txtLatD", "20");
        box("txtLatM", "0");
        window->findChild<QRadioButton*>(c.east ? QStringLiteral("optLong0") : QStringLiteral("optLong1"))
            ->setChecked(true);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);
        EXPECT_TRUE(platform.Messages.empty()) << c.zoneHour;
        EXPECT_EQ(ComputeMoonPosition(record).UniversalHours, c.universalHours) << c.zoneHour;
        CloseAllWindows();
    }
}

TEST(MainWindowReading, SixBirthsGiveTheirRashiAndItsTexts)
{
    struct Birth {
        const char *month, *day, *year, *hour, *minute, *zoneHour, *zoneMinute;
        bool east, dst;
        const char *rashi, *englishName;
    };
    const Birth births[] = {
        {"January", "1", "2000", "12", "0", "0", "0", false, false, "Thula", "Libra"},
        {"August", "15", "1947", "0", "0", "5", "30", true, false, "Kataka", "Cancer"},
        {"July", "4", "1976", "12", "0", "5", "0", false, true, "Kanya", "Virgo"},
        {"January", "1", "1901", "0", "0", "0", "0", false, false, "Mesha", "Aries"},
        {"December", "31", "2050", "23", "59", "0", "0", false, false, "Simha", "Leo"},
        {"April", "4", "2000", "12", "0", "0", "0", false, false, "Meena", "Pisces"},
    };
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform);
    for (const Birth& b : births) {
        QWidget* window = ShowMainWindow(services);
        auto box = [&](const char* name, const char* text) {
            window->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromLatin1(text));
        };
        auto list = [&](const char* name, const char* text) {
            window->findChild<QComboBox*>(QLatin1String(name))->setCurrentText(QString::fromLatin1(text));
        };
        box("txtName", "Asha");
        list("cboMonth", b.month);
        list("cboDate", b.day);
        list("cboYear", b.year);
        list("cboHH", b.hour);
        list("cboMM", b.minute);
        box("txtZoneHour", b.zoneHour);
        box("txtZoneMinute", b.zoneMinute);
        box("txtLonD", "10");
        box("txtLonM", "0");
        box("txtLatD", "20");
        box("txtLatM", "0");
        window->findChild<QRadioButton*>(b.east ? QStringLiteral("optLong0") : QStringLiteral("optLong1"))
            ->setChecked(true);
        window->findChild<QCheckBox*>(QStringLiteral("chkDST"))->setChecked(b.dst);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdRashi")), Qt::LeftButton);

        EXPECT_TRUE(platform.Messages.empty()) << b.rashi;
        EXPECT_EQ(record.RashiName, b.rashi);
        EXPECT_EQ(record.SelectedRashi.VedicName, b.rashi);
        EXPECT_EQ(record.SelectedRashi.EnglishName, b.englishName);
        EXPECT_FALSE(record.SelectedRashi.Nature.empty()) << b.rashi;
        CloseAllWindows();
    }
}

}  // namespace
}  // namespace orvanta
