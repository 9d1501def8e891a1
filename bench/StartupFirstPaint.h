// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the application right after a window's first paint, so a start-up
// can be timed from process start to the first picture on screen.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace orvanta::bench {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool quitting_ = false;
};

}  // namespace orvanta::bench
