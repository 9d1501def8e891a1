#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(SingleInstance, AnUnwritableLockPlaceDoesNotKeepTheProgramFromStarting)
{
    QtPlatform platform(QStringLiteral("/proc/orvanta-no-such-folder/orvanta.lock"));
    EXPECT_TRUE(platform.ClaimSingleInstance());
}

}  // namespace
}  // namespace orvanta

#include <QFontDatabase>
#include <QFontInfo>

#include "platform/WindowFont.h"

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
