// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileNames.h"
#include "platform/HandOverSocket.h"
#include "platform/ModalLoops.h"

namespace orvanta {

namespace {

// Diagnostics, silent unless QT_LOGGING_RULES turns them on; tests that
// start the program itself follow its windows and messages through them.
Q_LOGGING_CATEGORY(lcInstance, "orvanta.instance", QtInfoMsg)

// How long a later start keeps trying to reach the running copy, which may
// itself be starting; and how long it waits for the copy's answer.
constexpr int kHandOverPatienceMs = 10000;
constexpr int kAnswerPatienceMs = 5000;

// Lock names in the folder, tried in turn when one cannot be cleared (a
// folder with something in it); each lock has its socket beside it.
constexpr const char* kNameSuffixes[] = {"", "-2", "-3"};

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The running copy answers a hand-over by coming to the front at once, over
// whatever box it shows.
void BringToFront()
{
    QWidget* front = QApplication::activeModalWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (front == nullptr && window->isVisible() && window->windowType() == Qt::Window) {
            front = window;
        }
    }
    if (front != nullptr) {
        front->raise();
        front->activateWindow();
    }
}

}  // namespace

bool MakePrivateFolder(const QString& path, uid_t owner)
{
    if (path.isEmpty()) {
        return false;
    }
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != owner) {
        return false;
    }
    return (status.st_mode & 077) == 0 || ::chmod(name.constData(), 0700) == 0;
}

QString FirstPrivateFolder(const QStringList& candidates, uid_t owner)
{
    for (const QString& folder : candidates) {
        if (MakePrivateFolder(folder, owner)) {
            return folder;
        }
    }
    return {};
}

bool ClearLockPath(const QString& path, uid_t owner)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        return errno == ENOENT;
    }
    if (S_ISREG(status.st_mode) && status.st_uid == owner) {
        constexpr mode_t readWrite = S_IRUSR | S_IWUSR;
        return (status.st_mode & readWrite) == readWrite ||
               ::chmod(name.constData(), (status.st_mode & 07777) | readWrite) == 0;
    }
    return RemoveEntry(name) || errno == ENOENT;
}

QString SingleInstance::DefaultFolder(uid_t owner)
{
    QStringList candidates;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        candidates << runtime;
    }
    candidates << QDir::tempPath() + QStringLiteral("/orvanta-") + QString::number(owner);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty()) {
        candidates << cache + QStringLiteral("/orvanta");
    }
    return FirstPrivateFolder(candidates, owner);
}

SingleInstance::SingleInstance(QString lockPath, uid_t owner) : givenLockPath_(std::move(lockPath)), owner_(owner) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::UsablePaths()
{
    if (!lockPath_.isEmpty()) {
        return true;
    }
    QString given = givenLockPath_;
    if (given.isEmpty()) {
        const QString folder = DefaultFolder(owner_);
        if (folder.isEmpty()) {
            return false;
        }
        given = folder + QStringLiteral("/orvanta.lock");
    }
    const QString base = given.endsWith(QStringLiteral(".lock")) ? given.chopped(5) : given;
    for (const char* suffix : kNameSuffixes) {
        const QString lock = base + QLatin1String(suffix) + QStringLiteral(".lock");
        if (ClearLockPath(lock, owner_)) {
            lockPath_ = lock;
            socketPath_ = base + QLatin1String(suffix) + QStringLiteral(".socket");
            return true;
        }
    }
    return false;
}

bool SingleInstance::Claim()
{
    if (!lock_.Held()) {
        // A lock that cannot be made at all (no folder of the user's own, a
        // read-only folder) must not keep the program from starting.
        if (!UsablePaths()) {
            return true;
        }
        const InstanceLock::Result taken = lock_.Take(lockPath_, owner_);
        if (taken != InstanceLock::Result::Taken) {
            return taken == InstanceLock::Result::Unusable;
        }
        // Qt's lock files of earlier versions kept a companion here; held
        // by no one now, and a pipe or a folder there would stop them.
        RemoveEntry(QFile::encodeName(lockPath_ + QStringLiteral(".rmlock")));
    }
    Listen();
    return true;
}

void SingleInstance::Listen()
{
    if (server_) {
        return;
    }
    server_ = std::make_unique<HandOverServer>(socketPath_, owner_,
                                               [this](const QByteArray& name) { Received(FileNameFromNative(name)); });
    if (!server_->Listening()) {
        server_.reset();
    }
}

void SingleInstance::Received(const QString& path)
{
    qCDebug(lcInstance) << "handed over:" << ShownFileName(path);
    BringToFront();
    RunOutsideModalLoops(*server_, [this, path] { Deliver(path); });
}

void SingleInstance::Deliver(const QString& path)
{
    if (open_) {
        open_(path);
    } else {
        waiting_ << path;
    }
}

void SingleInstance::OnHandedOver(std::function<void(const QString&)> open)
{
    open_ = std::move(open);
    if (!server_) {
        return;
    }
    for (const QString& path : std::exchange(waiting_, {})) {
        RunOutsideModalLoops(*server_, [this, path] { Deliver(path); });
    }
}

bool SingleInstance::HandOver(const QString& path)
{
    if (!UsablePaths()) {
        return false;
    }
    const QByteArray message = NativeFileName(AbsoluteFileName(path)) + '\0';
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kHandOverPatienceMs) {
        const HandOverAnswer answer = SendHandOver(socketPath_, owner_, message, kAnswerPatienceMs);
        if (answer != HandOverAnswer::NoListener) {
            const bool taken = answer == HandOverAnswer::Taken;
            qCDebug(lcInstance) << (taken ? "handed over:" : "not taken:") << ShownFileName(path);
            return taken;
        }
        // The running copy may have ended meanwhile; then this start is the one.
        if (lock_.Held() || lock_.Take(lockPath_, owner_) == InstanceLock::Result::Taken) {
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}

InstanceLock::Result InstanceLock::Take(const QString& path, uid_t owner)
{
    if (Held()) {
        return Result::Taken;
    }
    const QByteArray name = QFile::encodeName(path);
    // A copy that ends removes its lock; one that opened the file just before
    // may then hold a lock on a file that is gone, and must open it anew.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            return Result::Unusable;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != owner) {
            ::close(fd);
            return Result::Unusable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Result::HeldByAnother : Result::Unusable;
        }
        struct stat named {};
        if (::lstat(name.constData(), &named) != 0 || !SameFile(named, opened)) {
            ::close(fd);
            continue;
        }
        // Whatever the file held before (however large) is cut away unread.
        const QByteArray holder = QByteArray::number(::getpid()) + "\nOrvanta\n" +
                                  QSysInfo::machineHostName().toUtf8() + '\n';
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, holder.constData(), static_cast<size_t>(holder.size()), 0) < 0) {
            qCDebug(lcInstance) << "lock held, but its holder not written";
        }
        fd_ = fd;
        path_ = name;
        return Result::Taken;
    }
    return Result::Unusable;
}

InstanceLock::~InstanceLock()
{
    if (fd_ < 0) {
        return;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd_, &opened) == 0 && ::lstat(path_.constData(), &named) == 0 && SameFile(opened, named)) {
        ::unlink(path_.constData());
    }
    ::close(fd_);
}

}  // namespace orvanta
