// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ModalLoops.h"

namespace orvanta {

namespace {

// Diagnostics, silent unless QT_LOGGING_RULES turns them on; tests that
// start the program itself follow its windows and messages through them.
Q_LOGGING_CATEGORY(lcInstance, "orvanta.instance", QtInfoMsg)

// A lock older than this whose holder cannot be told (unreadable, empty, or
// written on another host) is taken over. A live holder keeps its lock
// however old it is: Qt holds an flock on it for the holder's lifetime. The
// few seconds cover a copy preempted between creating its lock and locking it.
constexpr int kStaleLockMilliseconds = 5000;

// How long a later start keeps trying to reach the running copy, which may
// itself be starting; and how long it waits for the copy's answer.
constexpr int kHandOverPatienceMs = 10000;
constexpr int kAnswerPatienceMs = 5000;

// A handed-over file name is no longer than this; a longer message is no
// hand-over, and a start that says nothing is cut off after a while.
constexpr qsizetype kMaxHandOverBytes = 64 * 1024;
constexpr int kIdleConnectionMs = 10000;

const QByteArray kTaken = QByteArrayLiteral("1");

// Lock names in the folder, tried in turn when one cannot be cleared (a
// folder with something in it); each lock has its socket beside it.
constexpr const char* kNameSuffixes[] = {"", "-2", "-3"};

bool IsOwnersSocket(const QString& path, uid_t owner)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode) &&
           status.st_uid == owner;
}

// Whatever lies at the path goes: this copy holds the lock, so it is stale.
bool ClearSocketPath(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        return errno == ENOENT;
    }
    return (S_ISDIR(status.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0;
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
    const int removed = S_ISDIR(status.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
    return removed == 0 || errno == ENOENT;
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
    if (!lock_ || !lock_->isLocked()) {
        // A lock that cannot be made at all (no folder of the user's own, a
        // read-only folder) must not keep the program from starting.
        if (!UsablePaths()) {
            return true;
        }
        lock_ = std::make_unique<QLockFile>(lockPath_);
        lock_->setStaleLockTime(kStaleLockMilliseconds);
        if (!lock_->tryLock(0)) {
            return lock_->error() != QLockFile::LockFailedError;
        }
    }
    Listen();
    return true;
}

void SingleInstance::Listen()
{
    if (server_ || !ClearSocketPath(socketPath_)) {
        return;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        qCWarning(lcInstance) << "cannot take hand-overs:" << server_->errorString();
        server_.reset();
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(kIdleConnectionMs, socket, &QLocalSocket::abort);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, message = QByteArray()]() mutable {
                message += socket->readAll();
                const qsizetype end = message.indexOf('\0');
                if (end < 0) {
                    if (message.size() > kMaxHandOverBytes) {
                        socket->abort();
                    }
                    return;
                }
                socket->write(kTaken);
                socket->disconnectFromServer();
                Received(QString::fromUtf8(message.left(end)));
            });
        }
    });
}

void SingleInstance::Received(const QString& path)
{
    qCDebug(lcInstance) << "handed over:" << path;
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
    const QByteArray message = QFileInfo(path).absoluteFilePath().toUtf8() + '\0';
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kHandOverPatienceMs) {
        if (IsOwnersSocket(socketPath_, owner_)) {
            QLocalSocket socket;
            socket.connectToServer(socketPath_);
            if (socket.waitForConnected(kAnswerPatienceMs)) {
                socket.write(message);
                const bool taken = socket.waitForReadyRead(kAnswerPatienceMs) && socket.read(1) == kTaken;
                qCDebug(lcInstance) << (taken ? "handed over:" : "not taken:") << path;
                return taken;
            }
        }
        // The running copy may have ended meanwhile; then this start is the one.
        if (lock_ && lock_->tryLock(0)) {
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace orvanta
