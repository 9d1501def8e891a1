// SPDX-License-Identifier: GPL-3.0-or-later
// Time from an action to the first paint of a window of one kind: a local
// event loop ends once any widget of such a window has painted and the paint
// has been flushed (the next turn of the loop).
#pragma once

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

namespace orvanta::bench {

using Clock = std::chrono::steady_clock;

inline double Millis(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

template <typename Window>
class FirstPaintOf : public QObject {
public:
    explicit FirstPaintOf(QEventLoop& loop) : loop_(loop) { qApp->installEventFilter(this); }
    ~FirstPaintOf() override { qApp->removeEventFilter(this); }

    Clock::time_point Painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!seen_ && event->type() == QEvent::Paint && widget != nullptr &&
            qobject_cast<Window*>(widget->window()) != nullptr) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                Painted = Clock::now();
                loop_.quit();
            });
        }
        return false;
    }

private:
    QEventLoop& loop_;
    bool seen_ = false;
};

// Milliseconds from `start` to the first paint of a Window, or a negative
// value when none was painted within five seconds.
template <typename Window>
double MillisToFirstPaint(const std::function<void()>& start)
{
    QEventLoop loop;
    FirstPaintOf<Window> paint(loop);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    const auto started = Clock::now();
    start();
    loop.exec();
    return paint.Painted < started ? -1.0 : Millis(paint.Painted - started);
}

}  // namespace orvanta::bench
