// SPDX-License-Identifier: GPL-3.0-or-later
// The channel by which a later start gives the running copy a file: a Unix
// stream socket in the user's private folder. The later start sends the
// file's name (its bytes, then a NUL); the running copy answers with one
// byte once it has taken it. Plain POSIX sockets watched by a
// QSocketNotifier, so the program needs no network library for it.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <sys/types.h>

class QSocketNotifier;

namespace orvanta {

class HandOverServer : public QObject {
public:
    // Listens at the path; whatever lies there goes first, as the caller
    // holds the lock and so knows it stale. Each message of a process of the
    // owner's comes to `received` from the event loop.
    HandOverServer(const QString& path, uid_t owner, std::function<void(const QByteArray&)> received);
    ~HandOverServer() override;
    HandOverServer(const HandOverServer&) = delete;
    HandOverServer& operator=(const HandOverServer&) = delete;

    bool Listening() const { return fd_ >= 0; }

private:
    void Accept();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray path_;
    uid_t owner_;
    std::function<void(const QByteArray&)> received_;
};

// Removes whatever lies at the path, a folder only when it is empty; true
// when nothing is left there.
bool RemoveEntry(const QByteArray& name);

enum class HandOverAnswer {
    NoListener,  // nothing of the owner's listens there (now)
    Taken,
    NotTaken,    // a listener that did not answer in time, or refused
};

// Sends one message to the owner's listener at the path and waits at most
// `patienceMs` for each step.
HandOverAnswer SendHandOver(const QString& path, uid_t owner, const QByteArray& message, int patienceMs);

}  // namespace orvanta
