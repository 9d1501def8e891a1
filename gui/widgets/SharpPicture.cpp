// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/SharpPicture.h"

#include <QEvent>

#include "gui/widgets/Pictures.h"

namespace orvanta {

SharpPicture::SharpPicture(QWidget* parent) : QLabel(parent) {}

void SharpPicture::SetResource(const QString& resource)
{
    resource_ = resource;
    renderedRatio_ = 0;
    RenderIfStale();
}

// A move to another screen arrives here before the next paint. Qt 6.4 has no
// event of its own for a screen whose scale changes, so painting checks too.
bool SharpPicture::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        RenderIfStale();
    }
    return QLabel::event(event);
}

void SharpPicture::paintEvent(QPaintEvent* event)
{
    RenderIfStale();
    QLabel::paintEvent(event);
}

void SharpPicture::RenderIfStale()
{
    const qreal ratio = devicePixelRatioF();
    if (resource_.isEmpty() || ratio == renderedRatio_) {
        return;
    }
    renderedRatio_ = ratio;
    ++renders_;
    setPixmap(RenderPicture(resource_, size(), ratio));
}

}  // namespace orvanta
