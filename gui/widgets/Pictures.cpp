// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace orvanta {

QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio)
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

QIcon ProgramIcon()
{
    // Drawn once per process; QIcon scales down from the nearest size.
    static const QIcon icon = [] {
        QIcon result;
        QSvgRenderer renderer(QStringLiteral(":/icons/orvanta.svg"));
        if (!renderer.isValid()) {
            return result;
        }
        for (const int side : {16, 32, 64}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            renderer.render(&painter);
            painter.end();
            result.addPixmap(pixmap);
        }
        return result;
    }();
    return icon;
}

}  // namespace orvanta
