// SPDX-License-Identifier: GPL-3.0-or-later
// The matching window through its widgets: filling a side from a saved
// reading and from the reading on screen, the swap, files that are no
// readings, the report and its printing, and the way there from the main and
// the result windows.
#include "gui/matching/frmMatch.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "core/report/ReadingFile.h"
#include "gui/app/WindowFlow.h"
#include "gui/app/frmMain.h"
#include "gui/matching/frmMatchReport.h"
#include "gui/reading/frmResult.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using orvanta::testing::CloseAllWindows;
using orvanta::testing::VisibleWindow;

// Asha: 1 January 2000, 12:00, 10° W 50° N: Thula, Swati pada 4.
MatchPerson Asha()
{
    return ComposeMatchPerson(testing::EntryOfBirth(), MoonMethod{}).Person;
}

// Ravi: 12 March 1975, 09:05, 10° W 50° N: Kumbha, Purva Bhadrapada pada 1.
BirthRecord Ravi(int hour = 9)
{
    BirthRecord r = testing::Birth(12, 3, 1975, hour, 5);
    r.PersonName = "Ravi";
    r.LatitudeDegrees = 50;
    return r;
}

class MatchWindowTest : public ::testing::Test {
public:
    void TearDown() override { CloseAllWindows(); }

    frmMatch& Open(std::optional<MatchPerson> onScreen = std::nullopt)
    {
        window = ShowMatchWindow(services, onScreen);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return *window;
    }

    template <typename T>
    T* Find(const char* name)
    {
        T* widget = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString Text(const char* label) { return Find<QLabel>(label)->text(); }
    QString Cell(Koota koota, int column)
    {
        return Find<QTableWidget>("tblKootas")->item(static_cast<int>(koota), column)->text();
    }
    QString Total() { return Find<QTableWidget>("tblKootas")->item(KootaCount, 3)->text(); }

    // Presses Alt and the letter; a button's access key clicks it after its
    // pressed look, a tenth of a second.
    void AccessKey(Qt::Key key)
    {
        QTest::keyClick(window, key, Qt::AltModifier);
        QTest::qWait(200);
    }

    // The dialog answers with a saved reading of these birth data.
    void AnswerWith(const QString& path, const BirthRecord& birth)
    {
        platform.Files[path] = QByteArray::fromStdString(EncodeReadingFile(birth));
        platform.OpenFileAnswers.push_back(path);
    }

    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform};
    QPointer<frmMatch> window;
};

TEST_F(MatchWindowTest, BothSidesFromSavedReadingsGiveTheKootas)
{
    Open();
    EXPECT_FALSE(Find<QPushButton>("cmdScreenBride")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdReport")->isEnabled());
    AnswerWith(QStringLiteral("/r/asha.ras"), Asha().Birth);
    QTest::mouseClick(Find<QPushButton>("cmdOpenBride"), Qt::LeftButton);
    AnswerWith(QStringLiteral("/r/ravi.ras"), Ravi());
    QTest::mouseClick(Find<QPushButton>("cmdOpenGroom"), Qt::LeftButton);

    ASSERT_EQ(platform.OpenRequests.size(), 2U);
    EXPECT_EQ(platform.OpenRequests[0].Title, "Open the Bride's Reading");
    EXPECT_EQ(platform.OpenRequests[1].FilterPattern, "*.ras");
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_EQ(Text("lblBrideName"), "Asha");
    EXPECT_EQ(Text("lblBrideRashi"), "Thula");
    EXPECT_EQ(Text("lblGroomName"), "Ravi");
    EXPECT_EQ(Text("lblGroomNakshatra"), "pada 1 of Purva Bhadrapada");
    EXPECT_EQ(Find<QLabel>("lblGroomRashi")->accessibleName(), "Groom, Rashi: Kumbha");
    const struct {
        Koota Which;
        const char *Bride, *Groom, *Points;
    } rows[] = {
        {Koota::Varna, "Shudra", "Shudra", "1"}, {Koota::Yoni, "Buffalo", "Lion", "1"},
        {Koota::Gana, "Deva", "Manushya", "5"},  {Koota::Bhakoot, "Thula", "Kumbha", "0"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Cell(r.Which, 1), r.Bride);
        EXPECT_EQ(Cell(r.Which, 2), r.Groom);
        EXPECT_EQ(Cell(r.Which, 3), r.Points);
    }
    EXPECT_EQ(Total(), "25");
    EXPECT_EQ(Text("lblVerdict"), "18 or more of 36: the match may be considered.");
    EXPECT_TRUE(Text("lblNotice0").contains("Bhakoot dosha"));
    EXPECT_TRUE(Find<QLabel>("lblNotice0")->accessibleName().startsWith("Bhakoot dosha: Counted from"));
    EXPECT_TRUE(Find<QPushButton>("cmdReport")->isEnabled());
}

// The groom and the bride change places; Gana reads the groom against the
// bride, so its points change with them, and the total too.
TEST_F(MatchWindowTest, SwapChangesTheDirectionalKootas)
{
    Open(Asha());
    AnswerWith(QStringLiteral("/r/ravi.ras"), Ravi());
    QTest::mouseClick(Find<QPushButton>("cmdOpenGroom"), Qt::LeftButton);
    EXPECT_EQ(Cell(Koota::Gana, 3), "5");
    EXPECT_EQ(Total(), "25");

    AccessKey(Qt::Key_W);
    EXPECT_EQ(Text("lblBrideName"), "Ravi");
    EXPECT_EQ(Text("lblGroomName"), "Asha");
    EXPECT_EQ(Cell(Koota::Gana, 1), "Manushya");
    EXPECT_EQ(Cell(Koota::Gana, 3), "6");
    EXPECT_EQ(Cell(Koota::Yoni, 3), "1");
    EXPECT_EQ(Total(), "26");
}

// The reading on screen goes to whichever side asks for it.
TEST_F(MatchWindowTest, ReadingOnScreenFillsEitherSide)
{
    Open(Asha());
    EXPECT_EQ(Text("lblBrideName"), "Asha");
    EXPECT_EQ(Text("lblGroomName"), "No groom's reading yet");
    EXPECT_EQ(Cell(Koota::Nadi, 3), "\u2014");
    AccessKey(Qt::Key_S);  // U&se Reading on Screen, the groom's
    EXPECT_EQ(Text("lblGroomName"), "Asha");
    // One nakshatra and pada: Nadi dosha, which one pada does not lift.
    EXPECT_EQ(Cell(Koota::Nadi, 3), "0");
    EXPECT_EQ(Cell(Koota::Yoni, 3), "4");
    EXPECT_TRUE(Text("lblNotice0").contains("Nadi dosha"));
    EXPECT_TRUE(Text("lblNotice0").contains("That does not hold here."));
}

// A reading shown without a Moon of its own (birth data that name no sign)
// has nothing to match, and is not offered.
TEST_F(MatchWindowTest, AReadingWithoutAMoonIsNotOffered)
{
    MatchPerson shown{testing::Ravi(), testing::ReadingShowing(testing::Ravi())};
    Open(shown);
    EXPECT_FALSE(window->Person(MatchRole::Bride).has_value());
    EXPECT_FALSE(Find<QPushButton>("cmdScreenBride")->isEnabled());
}

TEST_F(MatchWindowTest, FilesThatAreNoReadingsChangeNothing)
{
    Open(Asha());
    BirthRecord unnamed = Ravi();
    unnamed.PersonName.clear();
    platform.Files[QStringLiteral("/r/notes.ras")] = "Dear diary,\r\nthis is no reading.\r\n";
    platform.Files[QStringLiteral("/r/unnamed.ras")] = QByteArray::fromStdString(EncodeReadingFile(unnamed));
    const struct {
        const char* Path;
        const char* Detail;  // a part of it
    } cases[] = {
        {"/r/notes.ras", "notes.ras"},
        {"/r/missing.ras", "missing.ras"},
        {"/r/unnamed.ras", "\u201Cunnamed.ras\u201D: Please Enter Name"},
    };
    for (const auto& c : cases) {
        platform.Messages.clear();
        platform.OpenFileAnswers.push_back(QLatin1String(c.Path));
        QTest::mouseClick(Find<QPushButton>("cmdOpenGroom"), Qt::LeftButton);
        ASSERT_EQ(platform.Messages.size(), 1U) << c.Path;
        EXPECT_EQ(platform.Messages[0].Text, "Please Check The File.") << c.Path;
        EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Error) << c.Path;
        EXPECT_TRUE(platform.Messages[0].Detail.contains(QString::fromUtf8(c.Detail)))
            << platform.Messages[0].Detail.toStdString();
        EXPECT_EQ(Text("lblGroomName"), "No groom's reading yet") << c.Path;
        EXPECT_FALSE(window->Person(MatchRole::Groom).has_value()) << c.Path;
    }
    EXPECT_EQ(Text("lblBrideName"), "Asha");
}

// The report lays out both people and the kootas, and prints through the
// platform, or says there is no printer.
TEST_F(MatchWindowTest, ReportShowsAndPrintsTheMatch)
{
    Open(Asha());
    AnswerWith(QStringLiteral("/r/ravi.ras"), Ravi(7));  // the pada cannot be told
    QTest::mouseClick(Find<QPushButton>("cmdOpenGroom"), Qt::LeftButton);
    EXPECT_EQ(Total(), "20 or 25");
    EXPECT_TRUE(Text("lblNotice0").contains("Score cannot be told exactly"));

    AccessKey(Qt::Key_R);
    auto* report = qobject_cast<frmMatchReport*>(platform.LastModal.data());
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(platform.ModalWindows.back(), "frmMatchReport");
    const QString text = report->ReportDocument().toPlainText();
    for (const char* part : {"Bride: ", "Name: Asha", "Groom: ", "Nakshatra: pada 4 of Shatabhisha or pada 1 of Purva "
                             "Bhadrapada", "Gana: the bride Deva, the groom Rakshasa or Manushya \u2014 1 or 5 of 6",
                             "Total: 20 or 25 of 36", "Score cannot be told exactly: "}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
    QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    ASSERT_EQ(platform.PrintedDocuments.size(), 1);
    EXPECT_EQ(platform.PrintedDocuments[0], text);
    platform.PrinterAvailable = false;
    QTest::mouseClick(report->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    EXPECT_EQ(platform.LastMessage(), "No Printer Is Available.");
    report->close();
}

// Keyboard alone: the first button has the focus, and the access keys reach
// every action.
TEST_F(MatchWindowTest, KeyboardOnly)
{
    Open();
    EXPECT_EQ(window->focusWidget(), Find<QPushButton>("cmdOpenBride"));
    AnswerWith(QStringLiteral("/r/ravi.ras"), Ravi());
    AccessKey(Qt::Key_B);
    EXPECT_EQ(Text("lblBrideName"), "Ravi");
    AnswerWith(QStringLiteral("/r/asha.ras"), Asha().Birth);
    AccessKey(Qt::Key_G);
    EXPECT_EQ(Text("lblGroomName"), "Asha");
    AccessKey(Qt::Key_C);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
}

TEST_F(MatchWindowTest, FromTheMainAndTheResultWindows)
{
    frmMain* main = ShowMainWindow(services);
    main->findChild<QAction*>(QStringLiteral("mnuMatch"))->trigger();
    auto* fromMain = qobject_cast<frmMatch*>(VisibleWindow("frmMatch"));
    ASSERT_NE(fromMain, nullptr);
    EXPECT_FALSE(fromMain->Person(MatchRole::Bride).has_value());  // the empty entry is no reading
    fromMain->close();

    const MatchPerson asha = Asha();
    record = asha.Birth;
    frmResult* result = ShowResultWindow(asha.Moon, services);
    result->findChild<QAction*>(QStringLiteral("mnuMatchWith"))->trigger();
    auto* fromResult = qobject_cast<frmMatch*>(VisibleWindow("frmMatch"));
    ASSERT_NE(fromResult, nullptr);
    ASSERT_TRUE(fromResult->Person(MatchRole::Bride).has_value());
    EXPECT_EQ(fromResult->Person(MatchRole::Bride)->Birth.PersonName, "Asha");
    EXPECT_TRUE(fromResult->findChild<QPushButton*>(QStringLiteral("cmdScreenGroom"))->isEnabled());
}

}  // namespace
}  // namespace orvanta
