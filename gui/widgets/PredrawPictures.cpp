// SPDX-License-Identifier: GPL-3.0-or-later
// Run by the build: draws the pictures a start shows into PNGs, with the code
// that would draw them then, so that starting draws no SVG.
//   orvanta_predraw FOLDER
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <cstdio>
#include <vector>

#include "gui/widgets/Pictures.h"

namespace {

struct Predrawn {
    const char* Resource;
    QSize Size;
};

// The main window's picture, at the two common pixel densities.
const Predrawn kPictures[] = {{":/pictures/main.svg", QSize(200, 400)}};
const qreal kRatios[] = {1.0, 2.0};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // The build has no display.
    std::vector<char*> arguments{argv[0], const_cast<char*>("-platform"), const_cast<char*>("offscreen")};
    int count = static_cast<int>(arguments.size());
    QGuiApplication application(count, arguments.data());
    for (const Predrawn& picture : kPictures) {
        for (const qreal ratio : kRatios) {
            const QString resource = QString::fromLatin1(picture.Resource);
            const QString name = QFileInfo(orvanta::PredrawnPicturePath(resource, picture.Size, ratio)).fileName();
            // Opaque: stored without alpha, a third less to unpack at start-up.
            const QImage image =
                orvanta::DrawPicture(resource, picture.Size, ratio).toImage().convertToFormat(QImage::Format_RGB32);
            if (image.isNull() || !image.save(folder + QLatin1Char('/') + name, "png")) {
                std::fprintf(stderr, "could not draw %s into %s\n", picture.Resource, qPrintable(folder));
                return 1;
            }
        }
    }
    return 0;
}
