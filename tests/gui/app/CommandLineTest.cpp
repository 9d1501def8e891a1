// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what it asks for, the start-up it leads to, and the
// program itself answering --help, --version and a wrong command line.
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestRecords.h"
#include <string_view>

#include "core/common/BirthRecord.h"
#include "core/report/ReadingFile.h"
#include "gui/app/CommandLine.h"
#include "gui/app/StartUp.h"
#include "gui/support/Services.h"
#include "platform/FakePlatform.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using testing::Ravi;

using orvanta::testing::CloseAllWindows;
using orvanta::testing::VisibleWindow;

struct ParseCase {
    QStringList Arguments;  // after the program's name
    bool EndNow;
    int Status;
    QString ReadingFile;
    QString TextStart;  // what the printed text begins with
};

// The program itself answers --help and --version below; here, what goes with a file.
TEST(CommandLine, TellsAFileToOpenFromTextToPrint)
{
    const QString usage = QStringLiteral("Usage: orvanta [options] [FILE]\n");
    const ParseCase cases[] = {
        {{}, false, 0, {}, {}},
        {{QStringLiteral("/home/ravi/ravi.ras")}, false, 0, QStringLiteral("/home/ravi/ravi.ras"), {}},
        {{QStringLiteral("--"), QStringLiteral("-odd.ras")}, false, 0, QStringLiteral("-odd.ras"), {}},
        {{QStringLiteral("-h"), QStringLiteral("ravi.ras")}, true, 0, {}, usage},
        {{QStringLiteral("--bogus"), QStringLiteral("ravi.ras")}, true, 2, {}, QStringLiteral("orvanta: Unknown option 'bogus'.")},
        {{QStringLiteral("-x")}, true, 2, {}, QStringLiteral("orvanta: Unknown option 'x'.")},
        {{QStringLiteral("a.ras"), QStringLiteral("b.ras")}, true, 2, {}, QStringLiteral("orvanta: Give at most one")},
        // Qt's own options are left to Qt, their values included.
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("ravi.ras")}, false, 0,
         QStringLiteral("ravi.ras"), {}},
        {{QStringLiteral("-style=fusion"), QStringLiteral("--reverse")}, false, 0, {}, {}},
        {{QStringLiteral("-platform")}, true, 2, {}, QStringLiteral("orvanta: Missing value after '-platform'.")},
        // A platform Qt does not have is refused here: Qt itself would abort.
        {{QStringLiteral("-platform"), QStringLiteral("nosuchplatform")}, true, 2, {},
         QStringLiteral("orvanta: There is no display platform \"nosuchplatform\"; there are: ")},
        {{QStringLiteral("-platform"), QStringLiteral("nosuch;OFFSCREEN:fontengine=freetype")}, false, 0, {}, {}},
        {{QStringLiteral("--match"), QStringLiteral("a.ras")}, true, 2, {},
         QStringLiteral("orvanta: Give --match two")},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.Arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("orvanta")} + c.Arguments);
        EXPECT_EQ(line.EndNow, c.EndNow);
        EXPECT_EQ(line.Status, c.Status);
        EXPECT_EQ(line.TextIsError, c.Status != 0);
        EXPECT_EQ(line.ReadingFile, c.ReadingFile);
        EXPECT_TRUE(line.Text.startsWith(c.TextStart)) << line.Text.toStdString();
        if (c.Status != 0) {
            EXPECT_TRUE(line.Text.contains(usage)) << "a refusal shows the usage";
        }
    }
    const CommandLine match = ParseCommandLine({QStringLiteral("orvanta"), QStringLiteral("--match"),
                                                QStringLiteral("asha.ras"), QStringLiteral("ravi.ras")});
    EXPECT_FALSE(match.EndNow);
    EXPECT_EQ(match.MatchFiles, QStringList({QStringLiteral("asha.ras"), QStringLiteral("ravi.ras")}));
    EXPECT_TRUE(match.ReadingFile.isEmpty());
}

// `orvanta --match` prints the table of two saved readings without a window
// or a display, and says why a file does not open.
TEST(OrvantaProgram, PrintsAMatch)
{
    QTemporaryDir folder;
    BirthRecord asha = testing::Birth(1, 1, 2000, 12, 0);
    asha.PersonName = "Asha";
    QFile ashaFile(folder.filePath(QStringLiteral("asha.ras")));
    ASSERT_TRUE(ashaFile.open(QIODevice::WriteOnly));
    ashaFile.write(QByteArray::fromStdString(EncodeReadingFile(asha)));
    ashaFile.close();
    QFile notes(folder.filePath(QStringLiteral("notes.ras")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Dear diary,\r\n");
    notes.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());  // the default Moon method
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    const auto run = [&](const QStringList& files, QString& output, QString& errors) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANTA_PROGRAM), QStringList{QStringLiteral("--match")} + files);
        EXPECT_TRUE(program.waitForFinished(30000));
        output = QString::fromUtf8(program.readAllStandardOutput());
        errors = QString::fromUtf8(program.readAllStandardError());
        return program.exitCode();
    };
    QString output, errors;
    EXPECT_EQ(run({ashaFile.fileName(), ashaFile.fileName()}, output, errors), 0) << errors.toStdString();
    for (const char* line :
         {"Bride: Asha, born 1 Jan 2000, 12:00", "Yoni          Buffalo    Buffalo    4 of 4",
          "Total                               28 of 36", "Nadi dosha: Both Moons are in the Antya"}) {
        EXPECT_TRUE(output.contains(QString::fromUtf8(line))) << line << "\n" << output.toStdString();
    }
    EXPECT_EQ(run({ashaFile.fileName(), notes.fileName()}, output, errors), 1);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_TRUE(errors.startsWith(QStringLiteral("orvanta: notes.ras: Please Check The File.")))
        << errors.toStdString();
}


// The copy already running, as a second start finds it.
enum class OtherCopy { None, TakesReadings, DoesNotAnswer, EndsMeanwhile };

struct StartCase {
    const char* Name;
    OtherCopy Other;
    const char* File;  // in the fake platform's home folder; null for none
    std::string_view Window;  // the window left showing; empty for none
    QStringList Messages;
    bool HandedOver;
};

TEST(StartUp, OpensTheGivenReadingOrHandsItToTheRunningCopy)
{
    const QString running = QStringLiteral("Application is already running");
    const QString checkFile = QStringLiteral("Please Check The File.");
    const StartCase cases[] = {
        {"no file", OtherCopy::None, nullptr, "frmMain", {}, false},
        {"a saved reading", OtherCopy::None, "ravi.ras", "frmResult", {}, false},
        {"a missing file", OtherCopy::None, "missing.ras", "frmMain", {checkFile}, false},
        {"not a reading's name", OtherCopy::None, "ravi.txt", "frmMain", {checkFile}, false},
        {"second copy", OtherCopy::TakesReadings, nullptr, "", {running}, false},
        {"second copy given a reading", OtherCopy::TakesReadings, "ravi.ras", "", {}, true},
        {"second copy, the first does not answer", OtherCopy::DoesNotAnswer, "ravi.ras", "", {running}, true},
        {"second copy, the first ends meanwhile", OtherCopy::EndsMeanwhile, "ravi.ras", "frmResult", {}, true},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FakePlatform platform;
        for (const char* name : {"/home/user/ravi.ras", "/home/user/ravi.txt"}) {
            platform.Files[QLatin1String(name)] = QByteArray::fromStdString(EncodeReadingFile(Ravi()));
        }
        platform.OtherCopyRunning = c.Other != OtherCopy::None;
        platform.OtherCopyTakesReadings = c.Other == OtherCopy::TakesReadings;
        platform.OtherCopyEndsOnHandOver = c.Other == OtherCopy::EndsMeanwhile;
        BirthRecord record;
        const QString file = c.File ? QStringLiteral("/home/user/") + QLatin1String(c.File) : QString();

        Services services(record, platform);
        EXPECT_EQ(StartUp(services, file), !c.Window.empty());

        QStringList shown;
        for (const FakePlatform::Message& message : platform.Messages) {
            shown << message.Text;
            EXPECT_EQ(message.Icon, message.Text == running ? MessageIcon::Information : MessageIcon::Error);
        }
        EXPECT_EQ(shown, c.Messages);
        EXPECT_EQ(platform.HandedOver, c.HandedOver ? QStringList{file} : QStringList{});
        EXPECT_EQ(VisibleWindow("frmMain") != nullptr, c.Window == "frmMain");
        EXPECT_EQ(VisibleWindow("frmResult") != nullptr, c.Window == "frmResult");
        if (c.Window == "frmResult") {
            EXPECT_EQ(record.PersonName, "Ravi");
            EXPECT_FALSE(record.RashiName.empty());
        }
        CloseAllWindows();
    }
}

// A file that a running copy is handed: read first, so that one that is no
// reading leaves the window the user sees as it was, and is only reported.
TEST(StartUp, AHandedOverFileThatIsNoReadingLeavesTheWindowAsItWas)
{
    const QString checkFile = QStringLiteral("Please Check The File.");
    const struct {
        const char* Name;
        const char* Started;   // the file the running copy started with; null for none
        const char* HandedOver;
        const char* Window;  // the window showing afterwards
        bool NewWindow;           // a window of its own for the handed-over reading
    } cases[] = {
        {"no reading, over the result window", "ravi.ras", "bad.ras", "frmResult", false},
        {"a missing file, over the result window", "ravi.ras", "gone.ras", "frmResult", false},
        {"no reading, over the main window", nullptr, "bad.ras", "frmMain", false},
        {"a reading, over the result window", "ravi.ras", "ravi.ras", "frmResult", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        FakePlatform platform;
        platform.Files[QStringLiteral("/home/user/ravi.ras")] = QByteArray::fromStdString(EncodeReadingFile(Ravi()));
        platform.Files[QStringLiteral("/home/user/bad.ras")] = "not a reading";
        BirthRecord record;
        Services services(record, platform);
        const QString started = c.Started ? QStringLiteral("/home/user/") + QLatin1String(c.Started) : QString();
        ASSERT_TRUE(StartUp(services, started));
        QWidget* before = VisibleWindow(c.Started ? "frmResult" : "frmMain");
        ASSERT_NE(before, nullptr);
        if (c.Started == nullptr) {
            QTest::keyClicks(before->findChild<QLineEdit*>(QStringLiteral("txtName")), QStringLiteral("Mira"));
        }

        platform.ReceiveHandOver(QStringLiteral("/home/user/") + QLatin1String(c.HandedOver));
        QWidget* after = VisibleWindow(c.Window);
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(after != before, c.NewWindow);
        EXPECT_EQ(VisibleWindow(std::string_view(c.Window) == "frmMain" ? "frmResult" : "frmMain"), nullptr)
            << "one window only";
        EXPECT_EQ(platform.Messages.size(), c.NewWindow ? 0u : 1u);
        if (!platform.Messages.empty()) {
            EXPECT_EQ(platform.Messages.front().Text, checkFile);
            EXPECT_TRUE(platform.Messages.front().Detail.contains(QLatin1String(c.HandedOver)));
        }
        if (c.Started == nullptr) {
            EXPECT_EQ(after->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QStringLiteral("Mira"));
        }
        CloseAllWindows();
    }
}

struct ProcessCase {
    QStringList Arguments;
    int Status;
    QString Output;  // standard output exactly; null: only checked to hold no usage
    const char* ErrorHolds;  // in standard error
    const char* Locale = nullptr;  // LANG and LANGUAGE; none (the C locale) when null
};

// --help exactly, in English: a locale without a translation prints it too.
const QString kEnglishHelp = QStringLiteral(
    "Usage: orvanta [options] [FILE]\n"
    "       orvanta --match BRIDE-FILE GROOM-FILE\n"
    "Orvanta finds the rashi, the sign the Moon stood in at a person's birth in\n"
    "Vedic astrology, and shows its reading. Given a saved reading (.ras), it\n"
    "opens it as \"Open Previously Saved Reading\" does.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and end.\n"
    "  -v, --version  Show the version and end.\n"
    "  --match        Print the match of two saved readings, the bride's FILE\n"
    "                 first and the groom's second, and end.\n"
    "\n"
    "Arguments:\n"
    "  FILE           A saved reading to open.\n");

// The built program itself, with no display to be had: whatever it prints
// and ends on is answered before Qt looks for one.
TEST(OrvantaProgram, AnswersWithoutADisplay)
{
    const QString version = QStringLiteral("Orvanta " ORVANTA_PROJECT_VERSION "\n");
    const ProcessCase cases[] = {
        {{QStringLiteral("--version")}, 0, version, ""},
        {{QStringLiteral("--help")}, 0, {}, ""},
        {{QStringLiteral("--bogus")}, 2, QStringLiteral(""), "Unknown option 'bogus'."},
        {{QStringLiteral("a.ras"), QStringLiteral("b.ras")}, 2, QStringLiteral(""), "Give at most one reading file."},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-x")}, 2, QStringLiteral(""),
         "Unknown option 'x'."},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-v")}, 0, version, ""},
        {{QStringLiteral("-platform"), QStringLiteral("nosuchplatform")}, 2, QStringLiteral(""),
         "There is no display platform \"nosuchplatform\"; there are: "},
        {{QStringLiteral("--help")}, 0, kEnglishHelp, ""},
        // A language the program has no translation for answers in English,
        // Qt's own parts of the answer included, whatever Qt itself carries.
        {{QStringLiteral("--help")}, 0, kEnglishHelp, "", "sw_KE.UTF-8"},
        {{QStringLiteral("--bogus")}, 2, QStringLiteral(""), "Unknown option 'bogus'.\n\nUsage", "de_DE.UTF-8"},
    };
    for (const ProcessCase& c : cases) {
        SCOPED_TRACE(c.Arguments.join(QLatin1Char(' ')).toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE", "LC_ALL",
                                 "LC_MESSAGES"}) {
            environment.remove(QLatin1String(name));
        }
        if (c.Locale != nullptr) {
            environment.insert(QStringLiteral("LANG"), QLatin1String(c.Locale));
            const QString language = QString::fromLatin1(c.Locale).section(QLatin1Char('.'), 0, 0);
            environment.insert(QStringLiteral("LANGUAGE"), language);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANTA_PROGRAM), c.Arguments);
        ASSERT_TRUE(program.waitForFinished(30000)) << "still running: it must not open a window";
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());

        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(program.exitCode(), c.Status) << errors.toStdString();
        if (c.Output.isNull()) {
            EXPECT_TRUE(output.startsWith(QStringLiteral("Usage: orvanta"))) << output.toStdString();
        } else {
            EXPECT_EQ(output, c.Output);
        }
        EXPECT_TRUE(errors.contains(QLatin1String(c.ErrorHolds))) << errors.toStdString();
        if (c.Status != 0) {
            EXPECT_TRUE(errors.contains(QStringLiteral("Usage: orvanta"))) << errors.toStdString();
        }
    }
}

}  // namespace
}  // namespace orvanta
