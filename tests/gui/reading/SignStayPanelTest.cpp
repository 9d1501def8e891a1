// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's line on the Moon's stay in its sign, as a user and a
// screen reader meet it.
#include <QLabel>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/reading/RashiCatalogue.h"
#include "core/reading/Reading.h"
#include "gui/reading/frmResult.h"
#include "gui/reading/SignStayPanel.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

BirthRecord ReadRecord(int day, int month, int year, int hour, int minute)
{
    BirthRecord r = testing::Birth(day, month, year, hour, minute);
    ComposeReading(r);
    return r;
}

// The widget's top and bottom in the window's coordinates.
std::pair<int, int> Span(const QWidget* w)
{
    const int top = w->mapTo(w->window(), QPoint(0, 0)).y();
    return {top, top + w->height()};
}

TEST(SignStayPanel, ShowsEachKindOfLineWholeAndReadable)
{
    struct Case {
        const char* what;
        BirthRecord record;
        const char* shows;
    };
    const Case cases[] = {
        {"mid-sign", ReadRecord(1, 1, 2000, 12, 0), "Moon in Thula from 30"},
        {"9 minutes before a change", ReadRecord(31, 12, 2050, 23, 25), "Close to a sign change"},
        {"4 minutes before a change", ReadRecord(31, 12, 2050, 23, 30), "cannot be told apart by this method"},
    };
    for (Case c : cases) {
        FakePlatform platform;
        Services services(c.record, platform);
        const Reading reading = ComposeReading(c.record);
        frmResult window(reading, services);
        window.show();
        auto* line = window.findChild<QLabel*>("lblSignStay");
        auto* gauge = window.findChild<QWidget*>("picSignGauge");
        ASSERT_TRUE(line && gauge) << c.what;
        const std::optional<SignStayText>& text = reading.SignStay;
        EXPECT_TRUE(line->isVisible() && gauge->isVisible()) << c.what;
        EXPECT_TRUE(line->text().contains(QLatin1String(c.shows))) << c.what;
        EXPECT_EQ(line->accessibleName(), QString::fromStdString(English(text->Spoken))) << c.what;
        EXPECT_EQ(gauge->accessibleDescription(), QString::fromStdString(English(text->GaugeSpoken))) << c.what;
        EXPECT_FALSE(gauge->accessibleName().isEmpty()) << c.what;
        EXPECT_EQ(line->focusPolicy(), Qt::StrongFocus) << c.what;

        // Nothing cut off or overlapping: name, line, gauge and the first field in turn.
        EXPECT_GE(line->height(), line->heightForWidth(line->width())) << c.what;
        const QWidget* column[] = {window.findChild<QLabel*>("lblVedicName"), line, gauge,
                                   window.findChild<QLabel*>("Label2")};
        for (int i = 0; i + 1 < 4; ++i) {
            EXPECT_LE(Span(column[i]).second, Span(column[i + 1]).first) << c.what << " " << i;
        }
    }
}

TEST(SignStayPanel, HiddenWhenTheRecordHoldsNoReadingOfItsBirthData)
{
    BirthRecord record;
    GetRashiInformation("Mesha", record);
    FakePlatform platform;
    Services services(record, platform);
    frmResult window(testing::ReadingShowing(record), services);
    window.show();
    EXPECT_FALSE(window.findChild<QWidget*>("fraSignStay")->isVisible());
}

}  // namespace
}  // namespace orvanta
