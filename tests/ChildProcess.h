// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a check in a child process with a time limit, so that a call that
// would hang fails its test instead of holding up the suite.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

namespace orvanta::testing {

// True when `body` returned true in the child within the time.
inline bool SucceedsWithin(std::chrono::seconds limit, const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(body() ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            ADD_FAILURE() << "still running after " << limit.count() << " s";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace orvanta::testing
