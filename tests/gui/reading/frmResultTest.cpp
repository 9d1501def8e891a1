// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/frmResult.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>

#include "core/common/BirthRecord.h"
#include "core/reading/RashiCatalogue.h"
#include "core/support/WebLinks.h"
#include "gui/app/frmMain.h"
#include "gui/app/WindowFlow.h"
#include "gui/support/Services.h"
#include "gui/widgets/QtText.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

class ResultWindowTest : public ::testing::Test {
protected:
    // A shown result window for the given rashi; the window is owned by the test.
    frmResult& Open(std::string_view rashi = "Mesha")
    {
        GetRashiInformation(rashi, record);
        window = std::make_unique<frmResult>(testing::ReadingShowing(record), services);
        window->show();
        return *window;
    }

    template <typename T>
    T* Find(const char* name)
    {
        T* child = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QString Box(const char* name) { return Find<QLineEdit>(name)->text(); }
    QTabWidget& Tabs() { return *Find<QTabWidget>("TS"); }
    QString FrontPage() { return Tabs().currentWidget()->objectName(); }

    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }

    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform};
    std::unique_ptr<frmResult> window;
};

TEST_F(ResultWindowTest, LoadsTheHeaderAndTheFirstPage)
{
    Open("Mesha");
    EXPECT_EQ(window->windowTitle(), "Orvanta v2.0");
    EXPECT_EQ(Find<QLabel>("lblVedicName")->text(), "Mesha");
    const std::pair<const char*, const char*> boxes[] = {
        {"txtRullingPlanet", "Mars"},       {"txtEnglishName", "Aries"},
        {"txtInbornNature", "Fire"},        {"txtSymbol", "The Ram"},
        {"txtSignColor", "Red, Brown, Copper"}, {"txtTypeOfSign", "Movable"},
        {"txtBarren", "Barren"},            {"txtConstituentCharacter", "Mineral (Dhatu)"},
        {"txtLuckyNumbers", "9, 1"},        {"txtBestPeriodOfActivity", "Night"},
        {"txtNotCompatibleWith", "Scorpio, Pisces, Cancer"},
    };
    for (const auto& [name, text] : boxes) {
        EXPECT_EQ(Box(name), text) << name;
    }
    EXPECT_EQ(Find<QLabel>("picRashi")->property("imageKey").toString(), "Aries");
    EXPECT_EQ(FrontPage(), "Frame1");
    EXPECT_EQ(Tabs().currentIndex(), 0);
    EXPECT_EQ(window->focusWidget(), Tabs().tabBar());
}

TEST_F(ResultWindowTest, CaptionsCarryTheVedicName)
{
    Open("Mesha");
    const QStringList tabs{"Sign Characteristics", "Physique And Looks", "Human Nature", "Career And Finance",
                           "Love And Compatibility", "Health", "Lucky for Mesha", "About Software"};
    ASSERT_EQ(Tabs().count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) {
        EXPECT_EQ(Tabs().tabText(i), tabs[i]);
        EXPECT_EQ(Tabs().widget(i)->objectName(), QStringLiteral("Frame%1").arg(i + 1));
    }
    const std::pair<const char*, const char*> lucky[] = {
        {"lblLuckyDays", "Lucky Days for Mesha"},         {"lblLuckyNumbers", "Lucky Numbers for Mesha"},
        {"lblBestDirection", "Best Direction for Mesha"}, {"lblLuckyColors", "Lucky Colors for Mesha"},
        {"lblLuckyGemstone", "Lucky Gemstone for Mesha"},
        {"lblBestPeriodOfActivity", "Best Period Of Activity for Mesha"},
    };
    for (const auto& [name, caption] : lucky) {
        EXPECT_EQ(Find<QLabel>(name)->text(), caption) << name;
    }
    EXPECT_EQ(Find<QLineEdit>("txtLuckyDays")->accessibleName(), "Lucky Days for Mesha");
}

TEST_F(ResultWindowTest, EmptyRecordShowsEmptyBoxesAndTheFirstPicture)
{
    window = std::make_unique<frmResult>(testing::ReadingShowing(record), services);
    EXPECT_EQ(Find<QLabel>("lblVedicName")->text(), "");
    EXPECT_EQ(Box("txtEnglishName"), "");
    EXPECT_EQ(Find<QPlainTextEdit>("txtNature")->toPlainText(), "");
    EXPECT_EQ(Tabs().tabText(6), "Lucky for ");
    EXPECT_EQ(Find<QLabel>("lblLuckyDays")->text(), "Lucky Days for ");
    EXPECT_EQ(Find<QLabel>("picRashi")->property("imageKey").toString(), "Aquarius");
}

TEST_F(ResultWindowTest, PictureFollowsTheEnglishNameAndIsDecodedOnce)
{
    for (const RashiCatalogueRow& row : RashiCatalogue()) {
        record.SelectedRashi.EnglishName = row.EnglishName;
        frmResult result(testing::ReadingShowing(record), services);
        EXPECT_EQ(result.findChild<QLabel*>("picRashi")->property("imageKey").toString(), ToQString(row.EnglishName));
        EXPECT_EQ(result.PictureDecodes(), 1);
    }
    // The keys compare whole and case-sensitive; anything else keeps the first picture.
    for (const char* name : {"aries", "Aries ", "Mesha", ""}) {
        record.SelectedRashi.EnglishName = name;
        frmResult result(testing::ReadingShowing(record), services);
        EXPECT_EQ(result.findChild<QLabel*>("picRashi")->property("imageKey").toString(), "Aquarius") << name;
        EXPECT_EQ(result.PictureDecodes(), 1);
    }
}

TEST_F(ResultWindowTest, NextAndBackWalkThePageChain)
{
    Open();
    EXPECT_EQ(window->findChild<QPushButton*>("cmdBack1"), nullptr);
    EXPECT_EQ(window->findChild<QPushButton*>("cmdNext8"), nullptr);
    for (int k = 1; k <= 7; ++k) {
        QPushButton* next = Find<QPushButton>(QStringLiteral("cmdNext%1").arg(k).toLatin1().constData());
        EXPECT_EQ(next->text(), "Next");
        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_EQ(FrontPage(), QStringLiteral("Frame%1").arg(k + 1));
        EXPECT_EQ(Tabs().tabBar()->currentIndex(), k);
    }
    for (int k = 8; k >= 2; --k) {
        QPushButton* back = Find<QPushButton>(QStringLiteral("cmdBack%1").arg(k).toLatin1().constData());
        EXPECT_EQ(back->text(), "Back");
        QTest::mouseClick(back, Qt::LeftButton);
        EXPECT_EQ(FrontPage(), QStringLiteral("Frame%1").arg(k - 1));
        EXPECT_EQ(Tabs().tabBar()->currentIndex(), k - 2);
    }
}

TEST_F(ResultWindowTest, ClickingATabShowsItsPage)
{
    Open();
    QTabBar* bar = Tabs().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    EXPECT_EQ(FrontPage(), "Frame5");
    EXPECT_TRUE(Find<QWidget>("txtLoveAndDomesticLife")->isVisible());
    EXPECT_FALSE(Find<QWidget>("txtTypeOfSign")->isVisible());
}

TEST_F(ResultWindowTest, AboutFromTheHelpMenuFromAnyPage)
{
    Open();
    for (int k = 1; k <= 8; ++k) {
        window->ShowResultPage(k);
        Trigger("mnuAbout");
        EXPECT_EQ(FrontPage(), "Frame8") << "from page " << k;
        EXPECT_EQ(Tabs().currentIndex(), 7);
    }
    EXPECT_EQ(Find<QLabel>("Label22")->text(), "Orvanta");
    EXPECT_TRUE(Find<QLabel>("Label23")->text().startsWith("Orvanta Free is a moon sign / rashi calculator"));
}

TEST_F(ResultWindowTest, MenusInTheirOrder)
{
    Open();
    auto entries = [](QMenu* menu) {
        QStringList names;
        for (QAction* action : menu->actions()) {
            names << action->objectName() + QLatin1Char('=') + (action->isSeparator() ? "-" : action->text());
        }
        return names;
    };
    EXPECT_EQ(Find<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(entries(Find<QMenu>("mnuFile")),
              QStringList({"mnuBack=&Back", "mnuFile1=-", "mnuSave=&Save", "mnuMatchWith=&Match With\u2026"}));
    EXPECT_EQ(Find<QMenu>("mnuHelp")->title(), "&Help");
    EXPECT_EQ(entries(Find<QMenu>("mnuHelp")),
              QStringList({"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuHelp1=-",
                           "mnuUpdate=Check for Software &Update", "mnuHelp2=-", "mnuAbout=&About Software"}));
}

TEST_F(ResultWindowTest, WebTriggersOpenTheirPages)
{
    Open();
    Trigger("mnuOnline");
    Trigger("mnuVisit");
    Trigger("mnuUpdate");
    window->ShowResultPage(8);
    QTest::mouseClick(Find<QLabel>("lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>("Label61"), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>("Label61"), Qt::RightButton);
    EXPECT_EQ(platform.OpenedPages, QStringList({ToQString(HelpPage), ToQString(HomePage), ToQString(DownloadPage), ToQString(HomePage), ToQString(HomePage)}));
}

TEST_F(ResultWindowTest, BackShowsAFreshMainWindowAndCloses)
{
    for (const char* trigger : {"cmdBack", "mnuBack"}) {
        GetRashiInformation("Mesha", record);
        QPointer<frmResult> result = ShowResultWindow(testing::ReadingShowing(record), services);
        if (QString(trigger) == "cmdBack") {
            QTest::mouseClick(result->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        } else {
            result->findChild<QAction*>("mnuBack")->trigger();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(result.isNull()) << trigger;

        QWidget* main = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "frmMain" && top->isVisible()) {
                main = top;
            }
        }
        ASSERT_NE(main, nullptr) << trigger;
        EXPECT_EQ(record.SelectedRashi.VedicName, "Mesha");  // Back leaves the record alone
        main->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ResultWindowTest, SaveOpensTheReportModallyOverTheWindow)
{
    Open();
    QTest::mouseClick(Find<QPushButton>("cmdSave"), Qt::LeftButton);
    Trigger("mnuSave");
    EXPECT_EQ(platform.ModalWindows, QStringList({"frmSave", "frmSave"}));
    ASSERT_FALSE(platform.LastModal.isNull());
    EXPECT_EQ(platform.LastModal->parentWidget(), window.get());
    EXPECT_TRUE(platform.LastModal->testAttribute(Qt::WA_DeleteOnClose));
    for (QDialog* report : window->findChildren<QDialog*>("frmSave")) {
        report->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->findChildren<QDialog*>("frmSave").isEmpty());
}

TEST_F(ResultWindowTest, BoxesAreLockedAndNamedAfterTheirCaptions)
{
    Open();
    EXPECT_EQ(Find<QLineEdit>("txtEnglishName")->accessibleName(), "English Name");
    const auto lines = window->findChildren<QLineEdit*>();
    const auto paragraphs = window->findChildren<QPlainTextEdit*>();
    EXPECT_EQ(lines.size() + paragraphs.size(), 26);  // every field but the name, which is a label
    for (QLineEdit* box : lines) {
        EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
    }
    for (QPlainTextEdit* box : paragraphs) {
        EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    QLineEdit* english = Find<QLineEdit>("txtEnglishName");
    QTest::keyClicks(english, "xyz");
    QTest::keyClick(english, Qt::Key_Backspace);
    EXPECT_EQ(english->text(), "Aries");
}

TEST_F(ResultWindowTest, CaptionsCarryTheirHints)
{
    Open();
    const std::pair<const char*, const char*> hints[] = {
        {"Label2", "This signifies the planet that exercises a powerful energy on the sign."},
        {"Label3", "This describes the human characteristics of this sign."},
        {"Label8", "The male rashis are more dynamic in nature while the female rashis are passive by nature."},
        {"Label12", "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal)."},
        {"Label21", "This signifies the health issues of people born under this rashi."},
        {"lblBestPeriodOfActivity", "This shows the best period of the day when people of this sign are more active."},
        {"Label18", ""},
    };
    for (const auto& [name, hint] : hints) {
        EXPECT_EQ(Find<QLabel>(name)->toolTip(), hint) << name;
    }
    int hinted = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        hinted += label->toolTip().isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(hinted, 25);
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// The first worked birth, 1 January 2000, 12:00, zone 0:00, west: Thula,
// 199°28' sidereal, in Swati's fourth pada. The result window names the
// birth star under the sign's stay, its page tells the stay, and the report
// carries its section.
TEST(ResultWindowBirthStar, TheFirstWorkedBirthShowsItsBirthStarAndItsReport)
{
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform);
    frmMain* main = ShowMainWindow(services);
    main->SetEntry(testing::EntryOfBirth());
    QTest::mouseClick(main->findChild<QPushButton*>("cmdRashi"), Qt::LeftButton);
    QWidget* result = testing::VisibleWindow("frmResult");
    ASSERT_NE(result, nullptr);

    auto* star = result->findChild<QLabel*>("lblBirthStar");
    ASSERT_NE(star, nullptr);
    EXPECT_TRUE(star->isVisible());
    const QString line = star->text().replace(QChar(0xA0), QLatin1Char(' '));
    EXPECT_EQ(line, QStringLiteral("Swati 4 \u00B7 Ta (\u0924\u093E)"));
    EXPECT_FALSE(star->accessibleName().isEmpty());
    QTest::mouseClick(star, Qt::LeftButton);
    auto* stay = result->findChild<QLabel*>("lblStarStay");
    ASSERT_NE(stay, nullptr);
    EXPECT_TRUE(stay->isVisible());
    EXPECT_TRUE(stay->text().startsWith(QStringLiteral("Moon in Swati from"))) << stay->text().toStdString();

    QTest::mouseClick(result->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    ASSERT_NE(platform.LastModal, nullptr);
    const QString report = platform.LastModal->findChild<QTextBrowser*>()->toPlainText();
    const qsizetype common = report.indexOf(QStringLiteral("Common:"));
    const qsizetype birthStar = report.indexOf(QStringLiteral("Nakshatra (Birth Star):"));
    const qsizetype characteristics = report.indexOf(QStringLiteral("Sign Characteristics:"));
    EXPECT_TRUE(common < birthStar && birthStar < characteristics) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Swati"))) << report.toStdString();
    testing::CloseAllWindows();
}

}  // namespace
}  // namespace orvanta
