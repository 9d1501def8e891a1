// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "gui/app/frmMain.h"
#include "gui/support/Services.h"
#include "gui/widgets/Pictures.h"
#include "platform/FakePlatform.h"

namespace orvanta {
namespace {

struct Picture {
    const char* path;
    QRectF viewBox;
};

const Picture kPictures[] = {
    {":/signs/Aquarius.svg", {0, 0, 200, 200}},    {":/signs/Aries.svg", {0, 0, 200, 200}},
    {":/signs/Cancer.svg", {0, 0, 200, 200}},      {":/signs/Capricorn.svg", {0, 0, 200, 200}},
    {":/signs/Gemini.svg", {0, 0, 200, 200}},      {":/signs/Leo.svg", {0, 0, 200, 200}},
    {":/signs/Libra.svg", {0, 0, 200, 200}},       {":/signs/Pisces.svg", {0, 0, 200, 200}},
    {":/signs/Sagittarius.svg", {0, 0, 200, 200}}, {":/signs/Scorpio.svg", {0, 0, 200, 200}},
    {":/signs/Taurus.svg", {0, 0, 200, 200}},      {":/signs/Virgo.svg", {0, 0, 200, 200}},
    {":/icons/orvanta.svg", {0, 0, 256, 256}},     {":/pictures/main.svg", {0, 0, 200, 400}},
};

// QtSvg skips what it cannot draw with only a warning; collect those so a
// picture that would render incompletely fails here instead.
QStringList gWarnings;

void CollectWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) gWarnings.push_back(message);
}

bool DiffersFromCorner(const QImage& image)
{
    const QRgb corner = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != corner) return true;
    return false;
}

TEST(Resources, EveryPictureLoadsCleanlyAndDraws)
{
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.path);
        gWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectWarning);
        QSvgRenderer renderer{QString::fromLatin1(picture.path)};
        qInstallMessageHandler(previous);

        ASSERT_TRUE(renderer.isValid());
        EXPECT_TRUE(gWarnings.isEmpty()) << gWarnings.join('\n').toStdString();
        EXPECT_EQ(renderer.viewBoxF(), picture.viewBox);

        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        EXPECT_TRUE(DiffersFromCorner(image));
    }
}

// The window icon is drawn when a size is asked for, at that size.
TEST(Resources, TheProgramIconIsDrawnAtTheSizeAskedFor)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 32, 48, 64}) {
        const QPixmap pixmap = icon.pixmap(QSize(side, side));
        ASSERT_EQ(pixmap.size(), QSize(side, side));
        EXPECT_TRUE(DiffersFromCorner(pixmap.toImage())) << side;
    }
}

TEST(Resources, EverySignKeyHasItsPicture)
{
    // The result window looks the picture up by the sign's English name, in this order.
    const QStringList keys = {"Aquarius", "Aries",       "Cancer",  "Capricorn", "Gemini", "Leo",
                              "Libra",    "Pisces",      "Sagittarius", "Scorpio", "Taurus", "Virgo"};
    for (const QString& key : keys)
        EXPECT_TRUE(QFile::exists(":/signs/" + key + ".svg")) << key.toStdString();
}

// The main window starts with the build's drawing of its picture, and that
// drawing is the SVG drawn now, pixel for pixel, at each density it was made for.
TEST(Resources, TheMainPictureIsPredrawnExactly)
{
    BirthRecord record;
    FakePlatform platform;
    Services services(record, platform);
    const frmMain main(services);
    const QSize size = main.findChild<QLabel*>(QStringLiteral("picMain"))->size();
    const QString picture = QStringLiteral(":/pictures/main.svg");
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        ASSERT_TRUE(QFile::exists(PredrawnPicturePath(picture, size, ratio)));
        const QPixmap predrawn = RenderPicture(picture, size, ratio);
        EXPECT_EQ(predrawn.devicePixelRatio(), ratio);
        EXPECT_EQ(predrawn.toImage().convertToFormat(QImage::Format_ARGB32),
                  DrawPicture(picture, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32));
    }
}

}  // namespace
}  // namespace orvanta
