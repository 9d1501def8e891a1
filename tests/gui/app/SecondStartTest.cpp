// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, started more than once: one copy runs, and a later
// start hands its reading file to it. The copies run offscreen; their
// diagnostics (QT_LOGGING_RULES) tell which windows and messages they show.
#include <QDir>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "core/common/BirthRecord.h"
#include "core/ephemeris/MoonRashi.h"
#include "core/report/ReadingFile.h"
#include "platform/QtPlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

const QByteArray kMainWindow = "orvanta.windows: main window shown";
const QByteArray kResultWindow = "orvanta.windows: result window shown: ";
const QByteArray kAlreadyRunning = "orvanta.messages: \"Application is already running\"";
const QByteArray kHandedOver = "orvanta.instance: handed over: ";
const QByteArray kCheckTheFile = "orvanta.messages: \"Please Check The File.\"";

// One start of the program, with the user's places of the test's own.
class Copy {
public:
    // The program itself, or another that starts it (a shell that gives it
    // a name QProcess cannot: bytes that are not UTF-8).
    Copy(const QString& home, const QStringList& arguments, const QString& program = QStringLiteral(ORVANTA_PROGRAM))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orvanta.*.debug=true"));
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(home);
        process_.start(program, arguments);
    }
    ~Copy()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // Everything the copy has said so far.
    const QByteArray& Log()
    {
        log_ += process_.readAllStandardError();
        return log_;
    }
    int Count(const QByteArray& line) { return static_cast<int>(Log().count(line)); }
    bool Ended() { return process_.state() == QProcess::NotRunning; }
    int ExitCode() const { return process_.exitCode(); }

    // Waits until the copy has said the line `times` times, or has ended.
    bool WaitFor(const QByteArray& line, int times = 1, int ms = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        while (Count(line) < times && !Ended() && clock.elapsed() < ms) {
            process_.waitForReadyRead(100);
        }
        return Count(line) >= times;
    }
    bool WaitForEnd(int ms = 60000) { return process_.waitForFinished(ms) || Ended(); }
    // Lets the copy speak (or end) for a moment.
    void Listen(int ms) { process_.waitForReadyRead(ms); }

private:
    QProcess process_;
    QByteArray log_;
};

class SecondStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("run"))));
        ASSERT_EQ(::chmod(QFile::encodeName(home.filePath(QStringLiteral("run"))).constData(), 0700), 0);
        WriteReading("ravi.ras", orvanta::testing::Ravi());
        BirthRecord asha = orvanta::testing::Birth(20, 6, 1990, 12, 0, 5, 30, true);
        asha.PersonName = "Asha";
        WriteReading("asha.ras", asha);
        ASSERT_NE(rashiOf["ravi.ras"], rashiOf["asha.ras"]) << "two readings the running copy can tell apart";
    }

    // QTemporaryDir goes by Qt's decoding of names and cannot remove these.
    void TearDown() override
    {
        for (const char* name : {"r\xe9sum\xe9.ras", "\xff.ras"}) {
            ::unlink((QFile::encodeName(home.path()) + '/' + name).constData());
        }
    }

    // Writes the reading under the name's bytes and notes the rashi it opens to.
    void WriteReading(const char* name, BirthRecord record)
    {
        const QByteArray path = QFile::encodeName(home.path()) + '/' + name;
        FILE* file = std::fopen(path.constData(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(EncodeReadingFile(record).c_str(), file);
        std::fclose(file);
        ComputeMoonRashi(record);
        rashiOf[name] = QByteArray::fromStdString(record.RashiName);
    }

    // The program started by a shell with a name whose bytes printf makes.
    QStringList ThroughShell(const char* printfName) const
    {
        return {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$(printf '%1')\"").arg(QLatin1String(printfName)),
                QStringLiteral(ORVANTA_PROGRAM)};
    }

    QTemporaryDir home;
    std::map<std::string, QByteArray> rashiOf;
};

// The running copy opens what later starts hand it, from whichever window it
// shows; a later start without a file still only says that a copy runs.
TEST_F(SecondStartTest, ALaterStartHandsItsReadingToTheRunningCopy)
{
    Copy first(home.path(), {});
    ASSERT_TRUE(first.WaitFor(kMainWindow)) << first.Log().toStdString();

    QFile bad(home.filePath(QStringLiteral("bad.ras")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a reading");
    bad.close();
    const struct {
        const char* File;  // given as the file's name only: the later start's own folder
        int Results;       // result windows the running copy has shown by then
        int MainWindows;   // and main windows
    } handOvers[] = {
        {"ravi.ras", 1, 1},
        // From the result window by a fresh main window, as Back does.
        {"asha.ras", 2, 2},
        // Only reported (its box stays open, so it comes last): the result window stays.
        {"bad.ras", 2, 2},
    };
    for (const auto& handOver : handOvers) {
        SCOPED_TRACE(handOver.File);
        Copy later(home.path(), {QLatin1String(handOver.File)});
        ASSERT_TRUE(later.WaitForEnd());
        EXPECT_EQ(later.ExitCode(), 0);
        EXPECT_FALSE(later.Log().contains("orvanta.windows")) << later.Log().toStdString();
        EXPECT_FALSE(later.Log().contains("orvanta.messages")) << later.Log().toStdString();

        const bool reading = rashiOf.count(handOver.File) > 0;
        ASSERT_TRUE(reading ? first.WaitFor(kResultWindow, handOver.Results) : first.WaitFor(kCheckTheFile))
            << first.Log().toStdString();
        EXPECT_TRUE(first.Log().contains(kHandedOver + '"' + home.filePath(QLatin1String(handOver.File)).toUtf8()));
        EXPECT_EQ(first.Count(kResultWindow), handOver.Results) << first.Log().toStdString();
        EXPECT_EQ(first.Count(kMainWindow), handOver.MainWindows) << first.Log().toStdString();
        if (reading) {
            EXPECT_EQ(first.Count(kResultWindow + rashiOf[handOver.File] + '\n'), 1) << first.Log().toStdString();
        }
    }

    Copy withoutFile(home.path(), {});
    EXPECT_TRUE(withoutFile.WaitFor(kAlreadyRunning)) << withoutFile.Log().toStdString();
    EXPECT_FALSE(withoutFile.Log().contains("orvanta.windows"));
}

// Names as an older system or an unpacked archive leaves them, in Latin-1:
// the first start opens one, and a later one hands the other over.
TEST_F(SecondStartTest, ReadingsWhoseNamesAreNotUtf8OpenByTheirBytes)
{
    WriteReading("r\xe9sum\xe9.ras", orvanta::testing::Ravi());
    BirthRecord asha = orvanta::testing::Birth(20, 6, 1990, 12, 0, 5, 30, true);
    asha.PersonName = "Asha";
    WriteReading("\xff.ras", asha);

    Copy first(home.path(), ThroughShell("r\\351sum\\351.ras"), QStringLiteral("/bin/sh"));
    ASSERT_TRUE(first.WaitFor(kResultWindow + rashiOf["r\xe9sum\xe9.ras"] + '\n')) << first.Log().toStdString();

    Copy later(home.path(), ThroughShell("\\377.ras"), QStringLiteral("/bin/sh"));
    ASSERT_TRUE(later.WaitForEnd());
    EXPECT_EQ(later.ExitCode(), 0) << later.Log().toStdString();
    ASSERT_TRUE(first.WaitFor(kResultWindow + rashiOf["\xff.ras"] + '\n')) << first.Log().toStdString();
    // Shown with a replacement character where the byte is no text.
    EXPECT_TRUE(first.Log().contains(kHandedOver + '"' + home.filePath(QStringLiteral("\uFFFD.ras")).toUtf8()))
        << first.Log().toStdString();
    EXPECT_FALSE(first.Log().contains(kCheckTheFile)) << first.Log().toStdString();
}

// The running copy is this test, with a real box open when a later start
// hands it a file: the start is answered at once, but the file is opened
// only once the box has been answered.
TEST_F(SecondStartTest, AHandedOverReadingWaitsForTheOpenBox)
{
    QtPlatform platform(home.filePath(QStringLiteral("run/orvanta.lock")));
    ASSERT_TRUE(platform.ClaimSingleInstance());
    QStringList opened;
    bool underABox = false;
    platform.OnReadingHandedOver([&](const QString& path) {
        opened << path;
        underABox = QApplication::activeModalWidget() != nullptr;
    });

    Copy later(home.path(), {QStringLiteral("ravi.ras")});
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (later.Ended() && QApplication::activeModalWidget() != nullptr) {
            QApplication::activeModalWidget()->close();
        }
    });
    answer.start(50);
    platform.ShowMessage(nullptr, QStringLiteral("Please Check The File."), MessageIcon::Error);
    EXPECT_EQ(later.ExitCode(), 0) << later.Log().toStdString();
    EXPECT_TRUE(opened.isEmpty()) << "opened under the box";

    QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, 10000);
    EXPECT_EQ(opened.front(), home.filePath(QStringLiteral("ravi.ras")));
    EXPECT_FALSE(underABox);
}

// Twenty starts at once, every other one with a reading: one copy shows
// windows, every file reaches it, and the others say a copy runs.
TEST_F(SecondStartTest, TwentyStartsAtOnceGiveOneCopy)
{
    constexpr int kStarts = 20;
    std::vector<std::unique_ptr<Copy>> copies;
    for (int i = 0; i < kStarts; ++i) {
        copies.push_back(std::make_unique<Copy>(home.path(),
                                                i % 2 == 0 ? QStringList{QStringLiteral("ravi.ras")} : QStringList{}));
    }
    // Each settles: it shows a window, says a copy runs, or has handed over and ended.
    for (auto& copy : copies) {
        QElapsedTimer clock;
        clock.start();
        while (!copy->Ended() && !copy->Log().contains(kMainWindow) && !copy->Log().contains(kAlreadyRunning) &&
               clock.elapsed() < 120000) {
            copy->Listen(50);
        }
    }
    int withWindows = 0;
    int handedOver = 0;
    Copy* running = nullptr;
    for (int i = 0; i < kStarts; ++i) {
        Copy& copy = *copies[i];
        if (copy.Log().contains("orvanta.windows")) {
            ++withWindows;
            running = &copy;
        } else if (i % 2 == 0) {
            ASSERT_TRUE(copy.WaitForEnd());
            EXPECT_EQ(copy.ExitCode(), 0) << copy.Log().toStdString();
            ++handedOver;
        } else {
            EXPECT_TRUE(copy.Log().contains(kAlreadyRunning)) << copy.Log().toStdString();
        }
    }
    ASSERT_EQ(withWindows, 1);
    EXPECT_TRUE(running->WaitFor(kHandedOver, handedOver)) << running->Log().toStdString();
    EXPECT_EQ(running->Count(kHandedOver), handedOver);
}

}  // namespace
}  // namespace orvanta
