// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user: a lock file marks it, and a Unix socket beside
// the lock takes the reading files that later starts hand over. Both live in
// a folder only the user can write, and nothing found at their paths that is
// not the user's own is trusted, read or waited on.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <sys/types.h>

namespace orvanta {

// True when the path is, or has now been made, a real folder of the owner's
// that no one else may enter (mode 0700; a wider one of the owner's own is
// narrowed). A link, a file, or another user's folder is refused.
bool MakePrivateFolder(const QString& path, uid_t owner);

// The first of the folders that is or can be made private.
QString FirstPrivateFolder(const QStringList& candidates, uid_t owner);

// Readies a lock path: anything there that is not a regular file of the
// owner's (a link, a folder, a pipe, another user's file) is removed, and an
// owner's file the owner may not read and write is opened up for the owner.
// False when the path cannot be made usable.
bool ClearLockPath(const QString& path, uid_t owner);

class HandOverServer;

// The lock itself: a file of the owner's that a running copy holds an flock
// on. The kernel lets go of an flock when its process ends, however it
// ends, so a lock no copy holds is stale at once whatever the file says;
// what a copy writes in it (pid, name, host) is for people and never read.
class InstanceLock {
public:
    enum class Result { Taken, HeldByAnother, Unusable };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The path must have been readied by ClearLockPath.
    Result Take(const QString& path, uid_t owner);
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    QByteArray path_;
};

class SingleInstance {
public:
    // lockPath: the lock; empty for the default in the user's private
    // folder. The socket lives beside it. Only files of `owner` are trusted.
    explicit SingleInstance(QString lockPath, uid_t owner);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other copy runs; this copy then takes hand-overs. A lock
    // that cannot be made at all does not keep the program from starting.
    bool Claim();

    // For a later start: gives the file to the running copy and true once
    // that copy has taken it. False when it does not answer, or when it has
    // ended meanwhile; then this start holds the claim.
    bool HandOver(const QString& path);

    // What opens a handed-over file: called from the event loop, never
    // inside a box or modal window; files that came earlier wait for it.
    void OnHandedOver(std::function<void(const QString&)> open);

    // The user's private folder for the lock: the runtime folder, or else a
    // folder of the user's own in the temporary folder or the cache.
    static QString DefaultFolder(uid_t owner);

private:
    bool UsablePaths();
    void Listen();
    void Received(const QString& path);
    void Deliver(const QString& path);

    QString givenLockPath_;
    uid_t owner_;
    QString lockPath_;
    QString socketPath_;
    InstanceLock lock_;
    std::unique_ptr<HandOverServer> server_;  // after the lock: it goes first
    std::function<void(const QString&)> open_;
    QStringList waiting_;
};

}  // namespace orvanta
