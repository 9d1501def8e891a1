// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace orvanta {

QString PredrawnPicturePath(const QString& resource, QSize size, qreal devicePixelRatio)
{
    return QStringLiteral(":/predrawn/%1-%2x%3@%4x.png")
        .arg(QFileInfo(resource).completeBaseName())
        .arg(size.width())
        .arg(size.height())
        .arg(devicePixelRatio);
}

namespace {

// The main window's picture takes a sixth of the start-up to draw from its
// SVG, and a tenth of its memory; the build draws it beforehand with the
// same code. Read as PNG by name: a reader left to guess the format loads
// every image plugin first.
QPixmap PredrawnPicture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    const QString path = PredrawnPicturePath(resource, size, devicePixelRatio);
    if (!QFile::exists(path)) {
        return {};
    }
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    if (pixmap.size() != size * devicePixelRatio) {
        return {};
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace

QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QPixmap predrawn = PredrawnPicture(resource, size, devicePixelRatio);
    return predrawn.isNull() ? DrawPicture(resource, size, devicePixelRatio) : predrawn;
}

QPixmap DrawPicture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

namespace {

// An icon drawn from its SVG at the size it is asked for, when it is asked
// for: a window shows before its icon is needed, if it ever is (an
// offscreen window or a Wayland desktop never asks).
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QString key = QStringLiteral("orvanta-icon-%1x%2").arg(size.width()).arg(size.height());
        QPixmap drawn;
        if (!QPixmapCache::find(key, &drawn)) {
            drawn = RenderPicture(resource_, size, 1.0);
            QPixmapCache::insert(key, drawn);
        }
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }

private:
    QString resource_;
};

}  // namespace

QIcon ProgramIcon()
{
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/orvanta.svg")));
}

}  // namespace orvanta
