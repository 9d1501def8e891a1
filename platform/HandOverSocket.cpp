// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HandOverSocket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvanta {

namespace {

Q_LOGGING_CATEGORY(lcHandOver, "orvanta.instance", QtInfoMsg)

// A file name is no longer than this; a longer message is no hand-over, and
// a start that says nothing is cut off after a while.
constexpr qsizetype kMaxMessageBytes = 64 * 1024;
constexpr int kIdleConnectionMs = 10000;

constexpr char kTaken = '1';

// The address of a socket file; false when the path is too long for one.
bool AddressOf(const QByteArray& name, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

bool IsOwnersSocket(const QByteArray& name, uid_t owner)
{
    struct stat status {};
    return ::lstat(name.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == owner;
}

bool FromOwner(int fd, uid_t owner)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 && credentials.uid == owner;
}

// Waits until the descriptor is ready for `events`, or the deadline passes.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready > 0;
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// One later start's connection: its message is read as it comes, then
// answered, and the connection closed.
class Connection : public QObject {
public:
    Connection(int fd, QObject& server, std::function<void(const QByteArray&)> received)
        : QObject(&server), fd_(fd), notifier_(fd, QSocketNotifier::Read, this), received_(std::move(received))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
        QTimer::singleShot(kIdleConnectionMs, this, [this] { Close(); });
    }
    ~Connection() override { Shut(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

private:
    void Read()
    {
        char buffer[4096];
        while (fd_ >= 0) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            }
            if (n <= 0) {
                Close();
                return;
            }
            message_.append(buffer, n);
            const qsizetype end = message_.indexOf('\0');
            if (end >= 0) {
                ::send(fd_, &kTaken, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
                Close();
                received_(message_.left(end));
                return;
            }
            if (message_.size() > kMaxMessageBytes) {
                Close();
            }
        }
    }

    void Shut()
    {
        if (fd_ >= 0) {
            notifier_.setEnabled(false);  // before its descriptor goes
            ::close(fd_);
            fd_ = -1;
        }
    }

    void Close()
    {
        if (fd_ >= 0) {
            Shut();
            deleteLater();
        }
    }

    int fd_;
    QSocketNotifier notifier_;
    std::function<void(const QByteArray&)> received_;
    QByteArray message_;
};

}  // namespace

bool RemoveEntry(const QByteArray& name)
{
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        return errno == ENOENT;
    }
    return (S_ISDIR(status.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0;
}

HandOverServer::HandOverServer(const QString& path, uid_t owner, std::function<void(const QByteArray&)> received)
    : owner_(owner), received_(std::move(received))
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (!AddressOf(name, address) || !RemoveEntry(name)) {
        qCWarning(lcHandOver) << "cannot take hand-overs at" << path;
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(name.constData(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        qCWarning(lcHandOver) << "cannot take hand-overs:" << std::strerror(errno);
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    fd_ = fd;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Accept(); });
    path_ = name;
}

HandOverServer::~HandOverServer()
{
    if (fd_ >= 0) {
        delete notifier_;  // before its descriptor goes
        ::close(fd_);
        ::unlink(path_.constData());
    }
}

void HandOverServer::Accept()
{
    for (;;) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            return;  // none left (EAGAIN), or out of descriptors for now
        }
        if (!FromOwner(client, owner_)) {
            ::close(client);
            continue;
        }
        new Connection(client, *this, received_);
    }
}

HandOverAnswer SendHandOver(const QString& path, uid_t owner, const QByteArray& message, int patienceMs)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (!AddressOf(name, address) || !IsOwnersSocket(name, owner)) {
        return HandOverAnswer::NoListener;
    }
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) {
        return HandOverAnswer::NoListener;
    }
    const QDeadlineTimer deadline(patienceMs);
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // A full backlog (EAGAIN) counts as no listener yet: the caller tries again.
        int error = errno;
        socklen_t length = sizeof error;
        if (error != EINPROGRESS || !WaitFor(socket.get(), POLLOUT, deadline) ||
            ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
            return HandOverAnswer::NoListener;
        }
    }
    qsizetype sent = 0;
    while (sent < message.size()) {
        const auto left = static_cast<std::size_t>(message.size() - sent);
        const ssize_t n = ::send(socket.get(), message.constData() + sent, left, MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && WaitFor(socket.get(), POLLOUT, deadline)) {
            continue;
        } else {
            return HandOverAnswer::NotTaken;
        }
    }
    char answer = 0;
    while (WaitFor(socket.get(), POLLIN, deadline)) {
        const ssize_t n = ::recv(socket.get(), &answer, 1, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        return n == 1 && answer == kTaken ? HandOverAnswer::Taken : HandOverAnswer::NotTaken;
    }
    return HandOverAnswer::NotTaken;
}

}  // namespace orvanta
