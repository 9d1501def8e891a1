// SPDX-License-Identifier: GPL-3.0-or-later
// The user's choice of language in Preferences: taken up at once by the main
// window, which opens again in it with what was entered, and kept for the
// next start.
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/common/BirthRecord.h"
#include "gui/app/StartUp.h"
#include "gui/app/Translations.h"
#include "gui/app/WindowFlow.h"
#include "gui/app/frmMain.h"
#include "gui/support/LanguagePreference.h"
#include "gui/support/Services.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WindowFont.h"
#include "platform/FakePlatform.h"
#include "TestRecords.h"
#include "WindowTestSupport.h"

namespace orvanta {
namespace {

using testing::CloseAllWindows;
using testing::VisibleWindow;

const QString kLanguageSetting = QStringLiteral("Window/Language");

class LanguageChoiceTest : public ::testing::Test {
public:
    void TearDown() override
    {
        CloseAllWindows();
        InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
        ApplyWindowFont();
    }

    // Chooses a language in Preferences, opened from the main window, and
    // presses OK; returns the main window open afterwards.
    frmMain* Choose(frmMain* main, const QString& language)
    {
        main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
        auto* list = platform.LastModal->findChild<QComboBox*>(QStringLiteral("cboLanguage"));
        EXPECT_NE(list->findData(language), -1) << language.toStdString();
        list->setCurrentIndex(list->findData(language));
        QTest::mouseClick(platform.LastModal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<frmMain*>(VisibleWindow("frmMain"));
    }

    static QString FindButton(QWidget* main)
    {
        return main->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->text();
    }

    BirthRecord record;
    FakePlatform platform;
    Services services{record, platform};
};

TEST_F(LanguageChoiceTest, PreferencesOffersTheSystemsLanguageEnglishAndHindiEachInItsOwnWords)
{
    EXPECT_EQ(OfferedLanguages(), QStringList({SystemLanguage, EnglishLanguage, QStringLiteral("hi")}));
    frmMain* main = ShowMainWindow(services);
    main->findChild<QAction*>(QStringLiteral("mnuPreferences"))->trigger();
    auto* list = platform.LastModal->findChild<QComboBox*>(QStringLiteral("cboLanguage"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("The system's language"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("English"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("हिन्दी"));
    EXPECT_EQ(list->currentData().toString(), SystemLanguage);  // nothing stored yet
}

TEST_F(LanguageChoiceTest, ChoosingHindiReopensTheMainWindowInHindiWithWhatWasEntered)
{
    frmMain* main = ShowMainWindow(services);
    main->SetEntry(testing::EntryOfBirth());
    ASSERT_EQ(FindButton(main), QStringLiteral("Find My Rashi"));

    frmMain* reopened = Choose(main, QStringLiteral("hi"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_NE(reopened, main);
    EXPECT_EQ(FindButton(reopened), QStringLiteral("मेरी राशि जानें"));
    EXPECT_EQ(reopened->windowTitle(), QStringLiteral("Orvanta 2.0"));
    EXPECT_EQ(reopened->Entry(), testing::EntryOfBirth());
    EXPECT_EQ(platform.Settings[kLanguageSetting], QStringLiteral("hi"));
    EXPECT_EQ(UiLocale().language(), QLocale::Hindi);

    // And back: English once more, at once.
    frmMain* english = Choose(reopened, EnglishLanguage);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(FindButton(english), QStringLiteral("Find My Rashi"));
    EXPECT_EQ(platform.Settings[kLanguageSetting], EnglishLanguage);
}

TEST_F(LanguageChoiceTest, TheChoiceSurvivesARestart)
{
    frmMain* main = ShowMainWindow(services);
    Choose(main, QStringLiteral("hi"));
    CloseAllWindows();
    // A new run in an English system, with the same settings.
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English, QLocale::UnitedStates));
    BirthRecord nextRecord;
    Services next(nextRecord, platform);
    ASSERT_TRUE(StartUp(next, {}));
    QWidget* started = VisibleWindow("frmMain");
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(FindButton(started), QStringLiteral("मेरी राशि जानें"));
}

TEST_F(LanguageChoiceTest, OkWithoutAChangeOfLanguageKeepsTheWindowAndASettingsStoreThatRefusesSaysSo)
{
    frmMain* main = ShowMainWindow(services);
    EXPECT_EQ(Choose(main, SystemLanguage), main);
    EXPECT_TRUE(platform.Messages.empty());

    platform.SettingsWritable = false;
    frmMain* after = Choose(main, QStringLiteral("hi"));
    EXPECT_EQ(after, main);
    EXPECT_EQ(FindButton(after), QStringLiteral("Find My Rashi"));
    EXPECT_EQ(platform.LastMessage(), QStringLiteral("The Preferences Could Not Be Saved."));
}

TEST(LanguagePreference, EachChoiceNamesTheLocaleTheWindowsLoad)
{
    const QLocale system(QLocale::German, QLocale::Germany);
    struct Case {
        QString Choice;
        QLocale::Language Expected;
    };
    for (const Case& c : {Case{SystemLanguage, QLocale::German}, Case{EnglishLanguage, QLocale::English},
                          Case{QStringLiteral("hi"), QLocale::Hindi}}) {
        EXPECT_EQ(LocaleOfChoice(c.Choice, system).language(), c.Expected) << c.Choice.toStdString();
    }
    // A stored value that is none of the choices counts as the system's.
    FakePlatform platform;
    for (const QString& stored : {QStringLiteral("xx"), QString(), QStringLiteral("hi_IN")}) {
        platform.Settings[kLanguageSetting] = stored;
        EXPECT_EQ(ReadLanguageChoice(platform), SystemLanguage) << stored.toStdString();
    }
    platform.Settings[kLanguageSetting] = QStringLiteral("hi");
    EXPECT_EQ(ReadLanguageChoice(platform), QStringLiteral("hi"));
}

// The program itself, started as a user starts it: its language follows
// LANGUAGE, then LANG, unless Preferences keeps another. What it says is
// read from its diagnostics: a refused reading file's message.
struct Start {
    const char* Language;  // LANGUAGE, or null for none
    const char* Lang;
    const char* Chosen;    // the stored choice, or null for none
    const char* Says;
};

QByteArray MessageOfAStart(const Start& start)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                    QFileDevice::ExeOwner);
    QFile bad(home.filePath(QStringLiteral("notes.ras")));
    bad.open(QIODevice::WriteOnly);
    bad.write("not a reading");
    bad.close();
    if (start.Chosen != nullptr) {
        QDir(home.path()).mkpath(QStringLiteral("config/Orvanta"));
        QFile settings(home.filePath(QStringLiteral("config/Orvanta/Orvanta.conf")));
        settings.open(QIODevice::WriteOnly);
        settings.write(QByteArray("[Window]\nLanguage=") + start.Chosen + "\n");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    if (start.Language != nullptr) {
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(start.Language));
    }
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(start.Lang));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orvanta.messages.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(QStringLiteral(ORVANTA_PROGRAM), {QStringLiteral("notes.ras")});
    QByteArray log;
    QElapsedTimer clock;
    clock.start();
    while (!log.contains("orvanta.messages") && program.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
        program.waitForReadyRead(100);
        log += program.readAllStandardError();
    }
    program.kill();
    program.waitForFinished();
    return log;
}

TEST(ProgramLanguage, FollowsLanguageThenLangUnlessPreferencesKeepsAnother)
{
    const QByteArray hindi = "orvanta.messages: \"कृपया फाइल जाँचें।\"";
    const QByteArray english = "orvanta.messages: \"Please Check The File.\"";
    const Start starts[] = {
        {"hi", "en_US.UTF-8", nullptr, hindi.constData()},
        {nullptr, "hi_IN.UTF-8", nullptr, hindi.constData()},
        {"sw:de", "C", nullptr, english.constData()},  // no translation of either
        {nullptr, "hi_IN.UTF-8", "en", english.constData()},
        {nullptr, "en_US.UTF-8", "hi", hindi.constData()},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(std::string(start.Language ? start.Language : "-") + " " + start.Lang + " " +
                     (start.Chosen ? start.Chosen : "-"));
        const QByteArray log = MessageOfAStart(start);
        EXPECT_TRUE(log.contains(start.Says)) << log.toStdString();
    }
}

// A terminal in a Hindi locale gets the command line's help and refusals in
// Hindi, Qt's own parts of them included.
TEST(ProgramLanguage, TheCommandLineAnswersInHindi)
{
    struct Case {
        QStringList Arguments;
        const char* Printed;
    };
    for (const Case& c : {Case{{QStringLiteral("--help")}, "उपयोग: orvanta [विकल्प] [फाइल]"},
                          Case{{QStringLiteral("--bogus")}, "अज्ञात विकल्प 'bogus'।"},
                          Case{{QStringLiteral("a.ras"), QStringLiteral("b.ras")}, "अधिक से अधिक एक राशिफल फाइल दें।"}}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), QStringLiteral("hi_IN.UTF-8"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ORVANTA_PROGRAM), c.Arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        const QString printed = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_TRUE(printed.contains(QString::fromUtf8(c.Printed))) << printed.toStdString();
    }
}

}  // namespace
}  // namespace orvanta
