// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalLoops.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

namespace orvanta {

namespace {

// All of this lives on the one user-interface thread.
int depth = 0;
std::vector<QPointer<QObject>> waitingDeletes;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waitingWork;

// Holds back a window's deferred delete while a modal loop runs: Qt would
// carry it out inside the loop, under the box and the code that opened it.
class DeleteGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::DeferredDelete || !ModalLoopRunning()) {
            return false;
        }
        waitingDeletes.emplace_back(watched);
        return true;
    }
};

void Queue(QObject& context, std::function<void()> work)
{
    QTimer::singleShot(0, &context, [context = QPointer<QObject>(&context), work = std::move(work)]() mutable {
        if (ModalLoopRunning()) {
            waitingWork.emplace_back(context, std::move(work));
            return;
        }
        work();
    });
}

// Once the outermost loop has returned, the deletes and the work go to the
// event loop, so they run after the code that opened the box is done.
void ReleaseWaiting()
{
    for (const QPointer<QObject>& object : std::exchange(waitingDeletes, {})) {
        if (object) {
            object->deleteLater();
        }
    }
    for (auto& [context, work] : std::exchange(waitingWork, {})) {
        if (context) {
            Queue(*context, std::move(work));
        }
    }
}

}  // namespace

ModalLoopScope::ModalLoopScope()
{
    ++depth;
}

ModalLoopScope::~ModalLoopScope()
{
    if (--depth == 0) {
        ReleaseWaiting();
    }
}

bool ModalLoopRunning()
{
    return depth > 0;
}

void DeleteOnCloseOutsideModalLoops(QWidget& window)
{
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.installEventFilter(new DeleteGuard(&window));
}

void RunOutsideModalLoops(QObject& context, std::function<void()> work)
{
    Queue(context, std::move(work));
}

}  // namespace orvanta
