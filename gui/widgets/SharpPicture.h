// SPDX-License-Identifier: GPL-3.0-or-later
// A picture label for one of the program's SVG resources that stays sharp on
// every screen: it is drawn again whenever the label's pixel density is not
// the one it was last drawn at (a move to another screen, a changed scale).
#pragma once

#include <QLabel>
#include <QString>

namespace orvanta {

class SharpPicture : public QLabel {
    Q_OBJECT
public:
    explicit SharpPicture(QWidget* parent = nullptr);

    // Shows the resource drawn at the label's present size, at once; give the
    // label its size first.
    void SetResource(const QString& resource);

    // How often a picture has been drawn from its resource: once per
    // SetResource, and once more for each change of pixel density.
    int Renders() const { return renders_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void RenderIfStale();

    QString resource_;
    qreal renderedRatio_ = 0;
    int renders_ = 0;
};

}  // namespace orvanta
