// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures from the program's SVG resources, drawn by QtSvg directly (no
// image plugin to load) at the screen's pixel density.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvanta {

// The resource drawn at the given size in device-independent pixels; a null
// pixmap when the resource is missing or not a valid picture. A picture
// drawn at build time for this size and density is taken as it is.
QPixmap RenderPicture(const QString& resource, QSize size, qreal devicePixelRatio);

// The resource drawn from its SVG now, never taken from the build's drawings.
QPixmap DrawPicture(const QString& resource, QSize size, qreal devicePixelRatio);

// Where the build keeps its drawing of a resource at one size and density.
QString PredrawnPicturePath(const QString& resource, QSize size, qreal devicePixelRatio);

// The program's icon, for window title bars and the About window.
QIcon ProgramIcon();

}  // namespace orvanta
