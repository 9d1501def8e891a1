// SPDX-License-Identifier: GPL-3.0-or-later
// The modal loops the platform runs (message boxes, file dialogs, modal
// windows). A window closed inside one is deleted only after the outermost
// has returned, so no box is destroyed by its parent inside its own loop and
// no handler returns into a deleted window; work that closes windows waits
// for the loops to end too.
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace orvanta {

// Marks a modal loop for as long as it lives.
class ModalLoopScope {
public:
    ModalLoopScope();
    ~ModalLoopScope();
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

bool ModalLoopRunning();

// The window deletes itself when closed, but never inside a modal loop.
void DeleteOnCloseOutsideModalLoops(QWidget& window);

// Runs the work from the event loop once no modal loop runs; dropped when
// the context is deleted first.
void RunOutsideModalLoops(QObject& context, std::function<void()> work);

}  // namespace orvanta
