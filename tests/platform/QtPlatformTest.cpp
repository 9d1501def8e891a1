// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"

namespace orvanta {
namespace {

TEST(SingleInstance, ALiveCopyRefusesASecondOne)
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orvanta.lock"));
    auto first = std::make_unique<QtPlatform>(lock);
    QtPlatform second(lock);
    EXPECT_TRUE(first->ClaimSingleInstance());
    EXPECT_FALSE(second.ClaimSingleInstance());
    first.reset();  // the first copy ends
    EXPECT_TRUE(second.ClaimSingleInstance());
}

TEST(SingleInstance, ALockLeftByAKilledCopyDoesNotBlock)
{
    QProcess finished;
    finished.start(QStringLiteral("true"));
    ASSERT_TRUE(finished.waitForStarted());
    const qint64 deadPid = finished.processId();
    ASSERT_TRUE(finished.waitForFinished());

    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orvanta.lock"));
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    file.close();

    QtPlatform platform(lock);
    EXPECT_TRUE(platform.ClaimSingleInstance());
}

void SetAge(const QString& path, int seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime));
}

// A lock whose holder cannot be told is taken over once it is a few seconds
// old: an empty one, garbage, or one written on another host.
TEST(SingleInstance, AnUnreadableOrForeignLockDoesNotBlock)
{
    const QByteArray contents[] = {"", "garbage\n\x01\x02", "12345\nOrvanta\nsome-other-host\n"};
    for (const QByteArray& content : contents) {
        QTemporaryDir folder;
        const QString lock = folder.filePath(QStringLiteral("orvanta.lock"));
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        SetAge(lock, 3600);
        QtPlatform platform(lock);
        EXPECT_TRUE(platform.ClaimSingleInstance()) << content.toStdString();
    }
}

// However old its file, a live copy's lock holds.
TEST(SingleInstance, ALiveCopyKeepsAnOldLock)
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orvanta.lock"));
    QtPlatform first(lock);
    ASSERT_TRUE(first.ClaimSingleInstance());
    SetAge(lock, 3600);
    QtPlatform second(lock);
    EXPECT_FALSE(second.ClaimSingleInstance());
}

TEST(SingleInstance, AnUnwritableLockPlaceDoesNotKeepTheProgramFromStarting)
{
    QtPlatform platform(QStringLiteral("/proc/orvanta-no-such-folder/orvanta.lock"));
    EXPECT_TRUE(platform.ClaimSingleInstance());
}

// A desktop with no printer set up, as on most machines that build this.
TEST(Printing, WithoutAPrinterTheJobSaysSo)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer";
    }
    QtPlatform platform;
    QTextDocument document(QStringLiteral("Common: Mesha"));
    EXPECT_EQ(platform.PrintDocument(document), PrintOutcome::NoPrinter);
}

TEST(Files, OnlyRegularFilesAreReadAndNoMoreThanTheLimit)
{
    QTemporaryDir folder;
    const QString regular = folder.filePath(QStringLiteral("a.ras"));
    QFile file(regular);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
    file.close();
    const QString pipe = folder.filePath(QStringLiteral("pipe.ras"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QtPlatform platform;
    EXPECT_EQ(platform.ReadFile(regular, 4), QByteArray("0123"));
    EXPECT_EQ(platform.ReadFile(regular, 100), QByteArray("0123456789"));
    for (const QString& refused : {pipe, folder.path(), QStringLiteral("/dev/zero"), folder.filePath("none.ras")}) {
        EXPECT_EQ(platform.ReadFile(refused, 100), std::nullopt) << refused.toStdString();
    }
}

// Writes that cannot complete leave the old file exactly as it was.
TEST(Files, AFailedWriteLeavesTheOldFile)
{
    QtPlatform platform;
    const QByteArray reading(600, 'x');
    EXPECT_FALSE(platform.WriteFileAtomically(QStringLiteral("/proc/version"), reading));
    EXPECT_FALSE(platform.WriteFileAtomically(QStringLiteral("/no-such-folder-of-orvanta/a.ras"), reading));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.ras"));
    ASSERT_TRUE(platform.WriteFileAtomically(path, "earlier reading"));
    EXPECT_EQ(platform.ReadFile(path, 100), QByteArray("earlier reading"));
}

// A real full disk: a small tmpfs, where the test may mount one (root).
TEST(Files, AFullDiskLeavesTheOldFile)
{
    QTemporaryDir folder;
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    const std::unique_ptr<const char, int (*)(const char*)> unmount(mountPoint.constData(), ::umount);
    const QString path = folder.filePath(QStringLiteral("old.ras"));
    QtPlatform platform;
    const QByteArray old(300, 'o');
    ASSERT_TRUE(platform.WriteFileAtomically(path, old));
    QFile filler(folder.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    EXPECT_FALSE(platform.WriteFileAtomically(path, QByteArray(600, 'n')));
    EXPECT_EQ(platform.ReadFile(path, 1000), old);
    filler.close();
}

// The same for every user, root or not: a file-size limit stops a write
// short as a full disk does. The platform ignores SIGXFSZ, which would end
// the program and lose the user's session; the child starts without that.
TEST(Files, AWriteOverTheFileSizeLimitFailsAndLeavesTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.ras"));
    const QByteArray old(300, 'o');
    EXPECT_TRUE(testing::SucceedsWithin(std::chrono::seconds(20), [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        QtPlatform platform;
        const bool first = platform.WriteFileAtomically(path, old);
        rlimit small{200, 200};
        return first && ::setrlimit(RLIMIT_FSIZE, &small) == 0 &&
               !platform.WriteFileAtomically(path, QByteArray(600, 'n'));
    })) << "the write must fail, not end the program";
    EXPECT_EQ(QtPlatform().ReadFile(path, 1000), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.ras")}) << "no half-written file";
}

// The settings file is read only when it is absent or a regular file of a
// sane size: a pipe would block the start and a huge file take seconds.
TEST(Settings, OnlyAnAbsentOrSmallRegularFileIsUsed)
{
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // QSettings keeps the folder it found first (a real file dialog of an
    // earlier test may have asked), so it is told the new one.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    const QString path = QtPlatform::SettingsFilePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    EXPECT_TRUE(QtPlatform::SettingsFileUsable());  // absent

    QtPlatform platform;
    ASSERT_TRUE(platform.WriteSetting(QStringLiteral("Settings"), QStringLiteral("Key"), QStringLiteral("v")));
    EXPECT_EQ(path, QSettings().fileName());
    EXPECT_EQ(platform.ReadSetting(QStringLiteral("Settings"), QStringLiteral("Key")), QStringLiteral("v"));

    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(QtPlatform::SettingsFileUsable());
    EXPECT_EQ(platform.ReadSetting(QStringLiteral("Settings"), QStringLiteral("Key")), std::nullopt);
    EXPECT_FALSE(platform.WriteSetting(QStringLiteral("Settings"), QStringLiteral("Key"), QStringLiteral("v")));

    QFile::remove(path);
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64{1} << 30));  // sparse: costs no disk
    huge.close();
    EXPECT_FALSE(QtPlatform::SettingsFileUsable());
    EXPECT_EQ(platform.ReadSetting(QStringLiteral("Settings"), QStringLiteral("Key")), std::nullopt);

    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(QtPlatform::SettingsFileUsable());
    qputenv("XDG_CONFIG_HOME", previous);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace
}  // namespace orvanta

#include <QFontDatabase>
#include <QFontInfo>

#include "gui/widgets/WindowFont.h"

namespace orvanta {
namespace {

TEST(WindowFont, IsVerdanaWhereInstalledAndDejaVuSansOtherwise)
{
    const QString expected = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                 ? QStringLiteral("Verdana")
                                 : QStringLiteral("DejaVu Sans");
    EXPECT_EQ(QFontInfo(WindowFont(9)).family(), expected);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), expected);
    EXPECT_TRUE(QFontInfo(WindowFont(9.75, true)).bold());
}

}  // namespace
}  // namespace orvanta
