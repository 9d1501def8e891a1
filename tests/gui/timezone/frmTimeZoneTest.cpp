// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/timezone/frmTimeZone.h"

#include <cctype>
#include <ostream>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/timezone/TimeZoneTable.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

// The picker, with two boxes standing for what its opener writes.
class TimeZonePicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        zoneHour.setText(QStringLiteral("7"));
        zoneMinute.setText(QStringLiteral("15"));
        auto* window = new frmTimeZone(nullptr);
        QObject::connect(window, &frmTimeZone::ZoneChosen, [this](int hours, int minutes) {
            zoneHour.setText(QString::number(hours));
            zoneMinute.setText(QString::number(minutes));
        });
        picker = window;
        platform.ShowModal(*window);
        list = picker->findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        quit = picker->findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        ASSERT_NE(list, nullptr);
        ASSERT_NE(quit, nullptr);
    }

    void TearDown() override { delete picker.data(); }

    void DoubleClickRow(const QString& text)
    {
        ASSERT_TRUE(testing::DoubleClickLine(*list, text)) << text.toStdString();
    }

    bool PickerClosed()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return picker.isNull();
    }

    FakePlatform platform;
    QLineEdit zoneHour;
    QLineEdit zoneMinute;
    QPointer<frmTimeZone> picker;
    QListWidget* list = nullptr;
    QPushButton* quit = nullptr;
};

TEST_F(TimeZonePicker, ListsEveryZoneInTableOrderWithNoneChosen)
{
    EXPECT_EQ(platform.ModalWindows, QStringList{QStringLiteral("frmTimeZone")});
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Orvanta v2.0"));
    ASSERT_EQ(list->count(), static_cast<int>(TimeZoneTable.size()));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->item(i)->text().toStdString(), TimeZoneRowText(TimeZoneTable[static_cast<std::size_t>(i)]));
    }
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(quit->text(), QStringLiteral("&Quit"));
}

TEST_F(TimeZonePicker, LongestZoneFitsWithoutScrollingSideways)
{
    EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
}

struct Choice {
    const char* Row;
    const char* Hour;
    const char* Minute;
};

constexpr Choice kChoices[] = {
    {"Indian Time, IST, +5.3", "-5", "-30"},
    {"Hawaiian Standard Time,HST,-10.5", "10", "30"},
    {"Greenwich Mean Time,GMT,0.0", "0", "0"},
    {"Universal Time, UT, 0.0", "0", "0"},
    {"Central Daylight Time,CDT,-5.0", "5", "0"},
    {"South Australia Daylight Time,SAD,+10.5", "-10", "-30"},
    {"South Australia Daylight Time,SDT,+10.5", "-10", "-30"},
    {"Yukon War Time,YWT,-8.0", "8", "0"},
};

void PrintTo(const Choice& choice, std::ostream* out)
{
    *out << choice.Row;
}

class TimeZonePickerChoice : public TimeZonePicker, public ::testing::WithParamInterface<Choice> {};

TEST_P(TimeZonePickerChoice, DoubleClickReportsTheZoneAndCloses)
{
    DoubleClickRow(QString::fromUtf8(GetParam().Row));
    EXPECT_EQ(zoneHour.text(), QString::fromUtf8(GetParam().Hour));
    EXPECT_EQ(zoneMinute.text(), QString::fromUtf8(GetParam().Minute));
    EXPECT_TRUE(PickerClosed());
}

std::string ChoiceName(const ::testing::TestParamInfo<Choice>& info)
{
    std::string name = std::to_string(info.index) + '_';
    for (const char* c = info.param.Row; *c != ',' && *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += *c;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Zones, TimeZonePickerChoice, ::testing::ValuesIn(kChoices), ChoiceName);

TEST_F(TimeZonePicker, EnterActsOnlyOnAChosenLine)
{
    picker->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.data()));
    EXPECT_EQ(QApplication::focusWidget(), list);

    // Opened, nothing chosen: Enter writes nothing and the picker stays.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(zoneHour.text(), QStringLiteral("7"));
    EXPECT_EQ(zoneMinute.text(), QStringLiteral("15"));
    EXPECT_FALSE(PickerClosed());

    QTest::keyClick(list, Qt::Key_End);  // the arrow keys choose as they move
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(zoneHour.text(), QStringLiteral("8"));
    EXPECT_EQ(zoneMinute.text(), QStringLiteral("0"));
    EXPECT_TRUE(PickerClosed());
}

TEST_F(TimeZonePicker, QuitLeavesTheBoxesAsTheyWere)
{
    list->setCurrentRow(34);  // a line chosen but not double-clicked
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_EQ(zoneHour.text(), QStringLiteral("7"));
    EXPECT_EQ(zoneMinute.text(), QStringLiteral("15"));
    EXPECT_TRUE(PickerClosed());
}

TEST_F(TimeZonePicker, CloseBoxLeavesTheBoxesAsTheyWere)
{
    list->setCurrentRow(34);
    picker->close();
    EXPECT_EQ(zoneHour.text(), QStringLiteral("7"));
    EXPECT_EQ(zoneMinute.text(), QStringLiteral("15"));
    EXPECT_TRUE(PickerClosed());
}

}  // namespace
}  // namespace orvanta
