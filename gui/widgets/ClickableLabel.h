// SPDX-License-Identifier: GPL-3.0-or-later
// A label that acts as a link: drawn as one, opened by a left click or, once
// reached with Tab, by Enter or Space, with a focus frame while it has the
// keyboard focus. Screen readers are told it is a link they can press.
#pragma once

#include <QLabel>

namespace orvanta {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvanta
