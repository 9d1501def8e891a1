// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures follow their window to a screen of another pixel density: a
// program of its own, as its two offscreen screens, the right one twice as
// dense, must be set before QApplication.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "core/reading/RashiCatalogue.h"
#include "gui/app/frmMain.h"
#include "gui/reading/frmResult.h"
#include "gui/support/Services.h"
#include "gui/widgets/SharpPicture.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"

namespace orvanta {
namespace {

QPoint OnScreenOfRatio(qreal ratio) { return ratio == 1.0 ? QPoint(100, 100) : QPoint(2100, 100); }

void ShowAt(QWidget& window, QPoint place)
{
    window.move(place);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.screen() == QGuiApplication::screenAt(place); }));
    window.repaint();
}

void ExpectSharp(const QLabel& picture, qreal ratio)
{
    EXPECT_EQ(picture.pixmap().devicePixelRatio(), ratio) << picture.objectName().toStdString();
    EXPECT_EQ(picture.pixmap().size(), picture.size() * ratio) << picture.objectName().toStdString();
}

TEST(SharpPictures, FollowTheirWindowToAScreenOfAnotherDensity)
{
    BirthRecord record;
    FakePlatform platform;
    GetRashiInformation("Mesha", record);
    Services services(record, platform);
    frmMain main(services);
    frmResult result(testing::ReadingShowing(record), services);
    const std::pair<QWidget*, const char*> pictures[] = {{&main, "picMain"}, {&result, "picRashi"}};
    for (const qreal ratio : {1.0, 2.0, 1.0}) {
        for (const auto& [window, name] : pictures) {
            ShowAt(*window, OnScreenOfRatio(ratio));
            ExpectSharp(*window->findChild<QLabel*>(QLatin1String(name)), ratio);
        }
    }
    EXPECT_EQ(result.PictureDecodes(), 3);  // once on loading, once per change of density
}

// Drawn before it had a window, and redrawn when first painted on the dense screen.
TEST(SharpPictures, RedrawnWhenFirstShownAtAnotherDensity)
{
    QWidget window;
    SharpPicture picture;
    picture.setFixedSize(64, 64);
    picture.SetResource(QStringLiteral(":/signs/Aries.svg"));
    ASSERT_EQ(picture.pixmap().devicePixelRatio(), 1.0);
    picture.setParent(&window);
    ShowAt(window, OnScreenOfRatio(2.0));
    ExpectSharp(picture, 2.0);
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [
            {"name": "plain", "x": 0, "y": 0, "width": 2000, "height": 1500, "dpr": 1},
            {"name": "dense", "x": 2000, "y": 0, "width": 4000, "height": 3000, "dpr": 2}]})") < 0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
