// SPDX-License-Identifier: GPL-3.0-or-later
// The birth star as a user and a screen reader meet it in the result window:
// one short line in the header, and a page of its own among the tabs, laid
// out only once it is first shown.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/ephemeris/PreciseMoon.h"
#include "core/reading/RashiCatalogue.h"
#include "core/reading/Reading.h"
#include "gui/reading/frmResult.h"
#include "gui/support/Services.h"
#include "gui/widgets/QtText.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

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

class BirthStarPageTest : public ::testing::Test {
protected:
    frmResult& Open(BirthRecord birth, const PreciseMoonSource* precise = nullptr)
    {
        record = birth;
        reading = ComposeReading(record, {}, precise);
        window = std::make_unique<frmResult>(reading, services);
        window->show();
        return *window;
    }

    template <typename T = QLabel>
    T* Find(const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }

    QTabWidget& Tabs() { return *Find<QTabWidget>("TS"); }
    QString FrontPage() { return Tabs().currentWidget()->objectName(); }

    BirthRecord record;
    Reading reading;
    FakePlatform platform;
    Services services{record, platform};
    std::unique_ptr<frmResult> window;
};

TEST_F(BirthStarPageTest, TheHeaderKeepsOneLineThatLeadsToThePage)
{
    Open(testing::Ravi());
    ASSERT_TRUE(reading.NakshatraLines);
    auto* line = Find("lblBirthStar");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), English_(reading.NakshatraLines->Short));
    EXPECT_EQ(line->accessibleName(), English_(reading.NakshatraLines->ShortSpoken));
    EXPECT_EQ(Find("lblNakshatra"), nullptr);  // the long lines left the header

    EXPECT_EQ(Find("lblStarName"), nullptr) << "laid out before it was shown";
    QTest::mouseClick(line, Qt::LeftButton);
    EXPECT_EQ(FrontPage(), "fraBirthStar");
    auto* name = Find("lblStarName");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(name->text(), ToQString(reading.Nakshatra->Position.Name));
}

// The given pages keep their order and paging; the birth star comes after
// the sign's pages and before About.
TEST_F(BirthStarPageTest, ComesBetweenTheSignsPagesAndAbout)
{
    Open(testing::Ravi());
    ASSERT_EQ(Tabs().count(), 9);
    EXPECT_EQ(Tabs().tabText(7), "Birth Star");
    EXPECT_EQ(Tabs().widget(7)->objectName(), "fraBirthStar");
    EXPECT_EQ(Tabs().widget(8)->objectName(), "Frame8");

    const QStringList chain{"Frame1", "Frame2", "Frame3", "Frame4", "Frame5",
                            "Frame6", "Frame7", "fraBirthStar", "Frame8"};
    // A page's Back or Next: cmdNext3 on Frame3, cmdNextBirthStar on the birth star's.
    auto button = [this](const QString& page, const QString& step) {
        const QString name = step + (page == "fraBirthStar" ? QStringLiteral("BirthStar") : page.mid(5));
        return Find<QPushButton>(qPrintable(name));
    };
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QTest::mouseClick(button(chain[i], "cmdNext"), Qt::LeftButton);
        EXPECT_EQ(FrontPage(), chain[i + 1]);
    }
    for (int i = chain.size() - 1; i > 0; --i) {
        QTest::mouseClick(button(chain[i], "cmdBack"), Qt::LeftButton);
        EXPECT_EQ(FrontPage(), chain[i - 1]);
    }
    QTabBar* bar = Tabs().tabBar();
    for (const int tab : {7, 8, 6}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        EXPECT_EQ(FrontPage(), chain[tab]);
    }
    window->ShowResultPage(8);
    EXPECT_EQ(FrontPage(), "Frame8");
    window->ShowResultPage(7);
    EXPECT_EQ(FrontPage(), "Frame7");
}

TEST_F(BirthStarPageTest, ShowsTheStarItsSyllablesBothStaysAndTheNotice)
{
    const struct {
        const char* What;
        BirthRecord Record;
        bool Notice;
    } cases[] = {
        {"Ravi", testing::Ravi(), false},
        {"9 minutes before a change of pada", BeforePadaChange(9), true},
        {"within the accuracy", BeforePadaChange(2), true},
    };
    for (const auto& c : cases) {
        Open(c.Record);
        window->ShowBirthStarPage();
        ASSERT_TRUE(reading.Nakshatra && reading.NakshatraLines) << c.What;
        const NakshatraText& text = *reading.NakshatraLines;
        const NakshatraPosition& at = reading.Nakshatra->Position;
        EXPECT_EQ(Find("lblStarPada")->text(), QStringLiteral("%1 of 4").arg(at.Pada)) << c.What;
        EXPECT_EQ(Find("lblStarLord")->text(), English_(text.Lord)) << c.What;
        EXPECT_EQ(Find("lblStarStay")->text(), English_(text.NakshatraStayLine)) << c.What;
        EXPECT_EQ(Find("lblPadaStay")->text(), English_(text.PadaStayLine)) << c.What;

        // The four syllables, the birth's marked beside it and in its spoken name.
        QLabel* mark = Find("lblBirthPadaMark");
        ASSERT_NE(mark, nullptr) << c.What;
        for (int k = 1; k <= 4; ++k) {
            QLabel* syllable = Find(qPrintable(QStringLiteral("lblSyllable%1").arg(k)));
            ASSERT_NE(syllable, nullptr) << c.What;
            EXPECT_EQ(syllable->text(), English_(text.Syllables[k - 1])) << c.What;
            const bool birth = k == at.Pada;
            EXPECT_EQ(syllable->accessibleName().endsWith(QStringLiteral("the birth pada")), birth) << c.What << k;
            EXPECT_EQ(mark->geometry().center().y() == syllable->geometry().center().y(), birth) << c.What << k;
        }

        QLabel* notice = Find("lblPadaNotice");
        EXPECT_EQ(notice != nullptr, c.Notice) << c.What;
        if (notice != nullptr) {
            EXPECT_TRUE(notice->text().contains(English_(text.Heading))) << c.What;
            EXPECT_EQ(notice->accessibleName(), English_(text.Spoken)) << c.What;
        }

        // Every label named for a screen reader, and none cut off.
        QWidget* page = Find<QWidget>("fraBirthStar");
        for (QLabel* label : page->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->accessibleName().isEmpty()) << c.What << " " << label->objectName().toStdString();
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                    << c.What << " " << label->objectName().toStdString();
            }
            EXPECT_TRUE(page->rect().contains(label->geometry().translated(label->parentWidget()->mapTo(page, QPoint()))))
                << c.What << " " << label->objectName().toStdString();
        }
    }
}

// From the last control of the page before it, Tab walks the page from top
// to bottom and on to About's controls, never into the header first.
TEST_F(BirthStarPageTest, TheKeyboardReachesEveryValueInReadingOrder)
{
    SwissEphemerisMoon swiss;
    Open(testing::Ravi(), &swiss);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->ShowBirthStarPage();
    ASSERT_TRUE(reading.Check);

    Find("lblBirthStarTitle")->setFocus();
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 12 && reached.back() != "cmdNextBirthStar"; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached, QStringList({"lblBirthStarTitle", "lblStarName", "lblStarPada", "lblStarLord", "lblSyllable1",
                                    "lblSyllable2", "lblSyllable3", "lblSyllable4", "lblStarStay", "lblPadaStay",
                                    "lblStarCrossCheck", "cmdBackBirthStar", "cmdNextBirthStar"}));
    EXPECT_EQ(Find("lblStarCrossCheck")->accessibleName(), Find("lblCrossCheck")->accessibleName());
}

TEST_F(BirthStarPageTest, NoPageAndNoLineWithoutABirthStar)
{
    GetRashiInformation("Mesha", record);
    window = std::make_unique<frmResult>(testing::ReadingShowing(record), services);
    window->show();
    EXPECT_EQ(Tabs().count(), 8);
    EXPECT_EQ(Find<QWidget>("fraBirthStar"), nullptr);
    EXPECT_FALSE(Find("lblBirthStar")->isVisible());
    QTest::mouseClick(Find<QPushButton>("cmdNext7"), Qt::LeftButton);
    EXPECT_EQ(FrontPage(), "Frame8");
}

}  // namespace
}  // namespace orvanta
