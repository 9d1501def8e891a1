// SPDX-License-Identifier: GPL-3.0-or-later
// The lock that marks a running copy, against whatever may lie at its
// paths: nothing that is not the user's own may block or hang a start.
#include "platform/SingleInstance.h"

#include "platform/HandOverSocket.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvanta {
namespace {

// The user a test acts as: as root, "nobody", so that root's files are
// another user's, as they are for everyone else.
constexpr uid_t kNobody = 65534;

uid_t TestUser()
{
    return ::geteuid() == 0 ? kNobody : ::geteuid();
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

mode_t ModeOf(const QString& path)
{
    struct stat status {};
    return ::lstat(Native(path).constData(), &status) == 0 ? status.st_mode : 0;
}

// Hands a path to the test user (root's test runs act as "nobody").
void GiveToTestUser(const QString& path)
{
    if (::geteuid() != TestUser()) {
        ASSERT_EQ(::lchown(Native(path).constData(), TestUser(), TestUser()), 0);
    }
}

void WriteFile(const QString& path, const QByteArray& contents = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// Runs the work in a child process, as the test user, and gives its exit
// status; -1 when it did not end in time (it is then killed), so that a
// start that would hang fails the test instead of holding up the suite.
int RunAsTestUser(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() != TestUser() && (::setgid(TestUser()) != 0 || ::setuid(TestUser()) != 0)) {
            ::_exit(100);
        }
        ::_exit(work());
    }
    for (int waited = 0; waited < 1000; ++waited) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
        }
        ::usleep(10 * 1000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

long PeakMemoryKiB()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A folder to plant things in.
class UsersFolder : public ::testing::Test {
protected:
    QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
};

struct PlantCase {
    const char* Name;
    std::function<void(const QString& lock, const QString& folder)> Plant;
    bool AsRootOnly;  // needs a file of another user's
};

// Whatever lies at the lock path, the first start runs, and a second one
// is still refused while the first runs.
TEST_F(UsersFolder, NothingPlantedAtTheLockBlocksOrHangsAStart)
{
    const auto age = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
    };
    const PlantCase cases[] = {
        {"nothing", [](const QString&, const QString&) {}, false},
        {"a dangling link",
         [](const QString& lock, const QString& folder) {
             ASSERT_EQ(::symlink(Native(folder + QStringLiteral("/nowhere")).constData(), Native(lock).constData()), 0);
         },
         false},
        {"a link to a file",
         [](const QString& lock, const QString& folder) {
             WriteFile(folder + QStringLiteral("/target"), "12345\nOrvanta\nhost\n");
             ASSERT_EQ(::symlink(Native(folder + QStringLiteral("/target")).constData(), Native(lock).constData()), 0);
             GiveToTestUser(folder + QStringLiteral("/target"));
             GiveToTestUser(lock);
         },
         false},
        {"an empty folder", [](const QString& lock, const QString&) { ASSERT_TRUE(QDir().mkdir(lock)); }, false},
        {"a folder with a file in it",
         [](const QString& lock, const QString&) {
             ASSERT_TRUE(QDir().mkdir(lock));
             WriteFile(lock + QStringLiteral("/kept"));
         },
         false},
        {"a pipe",
         [](const QString& lock, const QString&) {
             ASSERT_EQ(::mkfifo(Native(lock).constData(), 0600), 0);
             GiveToTestUser(lock);
         },
         false},
        {"the user's own lock of mode 000",
         [&](const QString& lock, const QString&) {
             WriteFile(lock);
             age(lock);
             GiveToTestUser(lock);
             ASSERT_EQ(::chmod(Native(lock).constData(), 0), 0);
         },
         false},
        // Qt's lock files kept a companion, which earlier versions opened.
        {"a pipe at the companion",
         [](const QString& lock, const QString&) {
             WriteFile(lock, "999999\nOrvanta\n" + QSysInfo::machineHostName().toUtf8() + '\n');
             GiveToTestUser(lock);
             ASSERT_EQ(::mkfifo(Native(lock + QStringLiteral(".rmlock")).constData(), 0600), 0);
             GiveToTestUser(lock + QStringLiteral(".rmlock"));
         },
         false},
        {"a folder at the companion",
         [](const QString& lock, const QString&) {
             WriteFile(lock, "999999\nOrvanta\n" + QSysInfo::machineHostName().toUtf8() + '\n');
             GiveToTestUser(lock);
             ASSERT_TRUE(QDir().mkdir(lock + QStringLiteral(".rmlock")));
             GiveToTestUser(lock + QStringLiteral(".rmlock"));
         },
         false},
        // No copy holds these, however fresh: each is stale at once.
        {"an empty lock", [](const QString& lock, const QString&) { WriteFile(lock); GiveToTestUser(lock); }, false},
        {"random bytes",
         [](const QString& lock, const QString&) {
             WriteFile(lock, QByteArray::fromHex("9a00ff13e2c4017b5d") + QByteArray(4000, '\x17'));
             GiveToTestUser(lock);
         },
         false},
        {"another host's lock",
         [](const QString& lock, const QString&) {
             WriteFile(lock, "4242\nOrvanta\nelsewhere.example\n");
             GiveToTestUser(lock);
         },
         false},
        {"a lock naming a living process of the user's that holds none",
         [](const QString& lock, const QString&) {
             const QByteArray host = QSysInfo::machineHostName().toUtf8();
             WriteFile(lock, QByteArray::number(::getpid()) + "\nOrvanta\n" + host + '\n');
             GiveToTestUser(lock);
         },
         false},
        // Read, it would take a second and a gigabyte (below, the memory).
        {"a lock of a gigabyte",
         [](const QString& lock, const QString&) {
             QFile file(lock);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(qint64{1} << 30));
             GiveToTestUser(lock);
         },
         false},
        {"another user's lock, fresh and readable to all",
         [](const QString& lock, const QString&) {
             WriteFile(lock, QByteArray::number(::getpid()) + "\nOrvanta\n" + QSysInfo::machineHostName().toUtf8());
             ASSERT_EQ(::chmod(Native(lock).constData(), 0666), 0);
         },
         true},
    };
    for (const PlantCase& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.AsRootOnly && ::geteuid() != 0) {
            continue;  // the owner check itself is tested for everyone below
        }
        QTemporaryDir place;
        GiveToTestUser(place.path());
        const QString lock = place.filePath(QStringLiteral("orvanta.lock"));
        c.Plant(lock, place.path());
        const int status = RunAsTestUser([&] {
            const long before = PeakMemoryKiB();
            SingleInstance first(lock, TestUser());
            SingleInstance second(lock, TestUser());
            return !first.Claim() ? 1 : second.Claim() ? 2 : PeakMemoryKiB() - before > 64 * 1024 ? 3 : 0;
        });
        EXPECT_EQ(status, 0) << "-1: the start hung; 1: it was refused; 2: a second copy was let in; "
                                "3: it took much memory";
    }
}

// The owner check takes the owner to expect, so that another user's file is
// tested as any user: to an owner of another number, the test's own file is
// another user's. The owner's lock is kept; another user's goes.
TEST_F(UsersFolder, AnotherUsersLockIsReplaced)
{
    const uid_t me = ::geteuid();
    const QString lock = Path("orvanta.lock");
    WriteFile(lock, "12345\nOrvanta\nhost\n");
    EXPECT_TRUE(ClearLockPath(lock, me));
    EXPECT_TRUE(QFileInfo::exists(lock));
    EXPECT_TRUE(ClearLockPath(lock, me + 1));
    EXPECT_FALSE(QFileInfo::exists(lock));
}

// Sends bytes as a start that does not follow the hand-over would, and
// gives what came back before the socket was closed.
QByteArray SendRaw(const QString& path, const QByteArray& bytes)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = Native(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        ::send(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        ::shutdown(fd, SHUT_WR);
        pollfd ready{fd, POLLIN, 0};
        char c = 0;
        while (::poll(&ready, 1, 5000) > 0 && ::recv(fd, &c, 1, 0) == 1) {
            answer += c;
        }
    }
    ::close(fd);
    return answer;
}

// The running copy's side of the hand-over: only a whole message is taken
// and answered; one too long, or cut off, is dropped, and the next start
// is still heard. Nothing but the owner's socket is talked to.
TEST_F(UsersFolder, TheHandOverTakesWholeMessagesOnly)
{
    const QString path = Path("orvanta.socket");
    QList<QByteArray> received;
    HandOverServer server(path, ::geteuid(), [&](const QByteArray& message) { received << message; });
    ASSERT_TRUE(server.Listening());
    EXPECT_EQ(ModeOf(path) & 0777, 0600u);

    QByteArray tooLong, cutOff;
    HandOverAnswer answer = HandOverAnswer::NoListener, otherOwner = HandOverAnswer::Taken;
    std::thread starts([&] {
        tooLong = SendRaw(path, QByteArray(70 * 1024, 'x'));
        cutOff = SendRaw(path, "/home/ravi/ha");
        otherOwner = SendHandOver(path, ::geteuid() + 1, QByteArray("/home/ravi/a.ras", 17), 5000);
        answer = SendHandOver(path, ::geteuid(), QByteArray("/home/ravi/ravi.ras", 20), 5000);
    });
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 20000);
    starts.join();
    EXPECT_EQ(received.front(), QByteArray("/home/ravi/ravi.ras"));
    EXPECT_EQ(answer, HandOverAnswer::Taken);
    EXPECT_TRUE(tooLong.isEmpty());
    EXPECT_TRUE(cutOff.isEmpty());
    EXPECT_EQ(otherOwner, HandOverAnswer::NoListener);

    WriteFile(Path("plain"));
    EXPECT_EQ(SendHandOver(Path("plain"), ::geteuid(), QByteArray("x", 2), 1000), HandOverAnswer::NoListener);
}

// Only a real folder of the owner's own holds the lock; a wider one of its
// own is narrowed, as Qt does for its runtime folder.
TEST_F(UsersFolder, APrivateFolderIsARealFolderOfTheOwnersOwn)
{
    const uid_t me = ::geteuid();
    const QString open = Path("open");
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(Native(open).constData(), 0777), 0);
    EXPECT_FALSE(MakePrivateFolder(open, me + 1)) << "another user's folder";
    EXPECT_TRUE(MakePrivateFolder(open, me));
    EXPECT_EQ(ModeOf(open) & 0777, 0700u);

    const QString link = Path("link");
    ASSERT_EQ(::symlink(Native(open).constData(), Native(link).constData()), 0);
    EXPECT_FALSE(MakePrivateFolder(link, me)) << "a link, even to a private folder";
}

// Without XDG_RUNTIME_DIR, and with the places in the temporary folder taken
// by someone else, the lock still gets a folder of the user's own.
TEST(SingleInstanceFolder, FallsBackToAFolderOfTheUsersOwn)
{
    QTemporaryDir root;
    const QString temp = root.filePath(QStringLiteral("tmp"));
    const QString cache = root.filePath(QStringLiteral("cache"));
    const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    const struct {
        const char* Name;
        QByteArray Runtime;
        std::vector<QString> Taken;  // made plain files
        QString Expected;
    } cases[] = {
        {"a runtime folder", root.filePath(QStringLiteral("run")).toUtf8(), {}, root.filePath(QStringLiteral("run"))},
        {"no runtime folder: Qt's in the temporary folder", {}, {}, temp + QStringLiteral("/runtime-") + user},
        {"Qt's fallback taken", {}, {temp + QStringLiteral("/runtime-") + user},
         temp + QStringLiteral("/orvanta-") + QString::number(::geteuid())},
        {"both taken", {}, {temp + QStringLiteral("/runtime-") + user,
                            temp + QStringLiteral("/orvanta-") + QString::number(::geteuid())},
         cache + QStringLiteral("/orvanta")},
    };
    const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR"), qgetenv("XDG_CACHE_HOME")};
    qputenv("TMPDIR", Native(temp));
    qputenv("XDG_CACHE_HOME", Native(cache));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QDir(temp).removeRecursively();
        QDir().mkpath(temp);
        if (c.Runtime.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            QDir().mkpath(QString::fromUtf8(c.Runtime));
            ::chmod(c.Runtime.constData(), 0700);
            qputenv("XDG_RUNTIME_DIR", c.Runtime);
        }
        for (const QString& taken : c.Taken) {
            WriteFile(taken);
        }
        const QString folder = SingleInstance::DefaultFolder(::geteuid());
        EXPECT_EQ(folder, c.Expected);
        EXPECT_EQ(ModeOf(folder) & 07777, 0700u);
    }
    const char* names[] = {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME"};
    for (int i = 0; i < 3; ++i) {
        saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    }
}

}  // namespace
}  // namespace orvanta
