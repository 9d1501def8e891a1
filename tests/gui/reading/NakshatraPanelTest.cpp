// SPDX-License-Identifier: GPL-3.0-or-later
// The birth star's two lines as a user and a screen reader meet them, in the
// 200-pixel column of the result window's header.
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "core/reading/Reading.h"
#include "gui/reading/NakshatraPanel.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

constexpr int kColumn = 200;

// Ravi's birth moved to `minutesBefore` ahead of the next change of pada.
BirthRecord BeforePadaChange(int minutesBefore)
{
    const BirthRecord ravi = testing::Ravi();
    const NakshatraStay stay = FindNakshatraStay(ComputeMoonPosition(ravi));
    const ClockTime change = stay.PadaLeaves->Clock;
    const ClockTime at = ClockTimeAt(DayNumberOf(change), SecondsIntoDay(change) - 60LL * minutesBefore);
    BirthRecord r = testing::Ravi();
    r.BirthYear = static_cast<std::int16_t>(at.Year), r.BirthMonth = static_cast<std::int16_t>(at.Month);
    r.BirthDay = static_cast<std::int16_t>(at.Day), r.BirthHour = static_cast<std::int16_t>(at.Hour);
    r.BirthMinute = static_cast<std::int16_t>(at.Minute);
    return r;
}

QString English_(const UiText& text) { return QString::fromStdString(English(text)); }

TEST(NakshatraPanel, ShowsBothLinesWholeAndReadable)
{
    const struct {
        const char* What;
        BirthRecord Record;
        const char* Stay;
    } cases[] = {
        {"Ravi", testing::Ravi(), "Moon in "},
        {"9 minutes before a change of pada", BeforePadaChange(9), "Close to a "},
        {"within the accuracy", BeforePadaChange(2), "Pada cannot be told"},
    };
    for (const auto& c : cases) {
        QWidget host;
        auto* column = new QVBoxLayout(&host);
        auto* panel = new NakshatraPanel(kColumn, &host);
        column->addWidget(panel);
        BirthRecord record = c.Record;
        const std::optional<NakshatraText> text = ComposeReading(record).NakshatraLines;
        ASSERT_TRUE(text) << c.What;
        panel->Show(text);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host)) << c.What;
        auto* line = host.findChild<QLabel*>("lblNakshatra");
        auto* stay = host.findChild<QLabel*>("lblNakshatraStay");
        ASSERT_TRUE(line && stay) << c.What;

        EXPECT_TRUE(line->isVisible() && stay->isVisible()) << c.What;
        EXPECT_TRUE(line->text().contains(QStringLiteral("Nakshatra "))) << c.What;
        EXPECT_TRUE(stay->text().contains(QLatin1String(c.Stay))) << c.What;
        EXPECT_EQ(line->accessibleName(), English_(text->LineSpoken)) << c.What;
        EXPECT_EQ(stay->accessibleName(), English_(text->Spoken)) << c.What;
        EXPECT_FALSE(line->accessibleDescription().isEmpty() || stay->accessibleDescription().isEmpty()) << c.What;

        // Within the column, one under the other, nothing cut off.
        EXPECT_EQ(panel->width(), kColumn) << c.What;
        for (const QLabel* label : {line, stay}) {
            EXPECT_LE(label->width(), kColumn) << c.What;
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << c.What;
        }
        EXPECT_LE(line->geometry().bottom(), stay->geometry().top()) << c.What;

        // Reached by the keyboard in reading order.
        line->setFocus();
        QTest::keyClick(line, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), stay) << c.What;
    }
}

TEST(NakshatraPanel, HiddenWithoutABirthStar)
{
    QWidget host;
    auto* panel = new NakshatraPanel(kColumn, &host);
    panel->Show(std::nullopt);
    host.show();
    EXPECT_FALSE(panel->isVisible());
}

}  // namespace
}  // namespace orvanta
