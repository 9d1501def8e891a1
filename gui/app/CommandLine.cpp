// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QLocale>
#include <QPluginLoader>
#include <cstdio>

#include "core/common/Version.h"
#include "gui/app/Translations.h"
#include "gui/widgets/QtText.h"
#include "platform/FileNames.h"

namespace orvanta {

namespace {

// The status of a command line that cannot be followed, as getopt-based tools use.
constexpr int UsageStatus = 2;

// Qt's own options, which QApplication takes out of the command line. They
// are known here too, so that the whole command line is judged before Qt
// starts (and looks for a display).
constexpr const char* QtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "session",
    "qwindowgeometry", "qwindowtitle", "qwindowicon", "style", "stylesheet",
    "display", "geometry", "title", "icon", "name", "visual",  // the X11 platform's
};
constexpr const char* QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

void AddQtOptions(QCommandLineParser& parser)
{
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option{QString::fromLatin1(name), QString(), QStringLiteral("value")};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlagOptions) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The parser's own first line names the running executable (or a placeholder
// before the application exists); the usage names the installed command.
QString HelpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    text.remove(0, text.indexOf(QLatin1Char('\n')));
    //: The command's synopsis, two lines aligned under each other; "orvanta" and
    //: "--match" are typed as they are, FILE as in "A saved reading to open.".
    return QCoreApplication::translate("CommandLine",
                                       "Usage: orvanta [options] [FILE]\n"
                                       "       orvanta --match BRIDE-FILE GROOM-FILE") +
           text;
}

// The keys of the display platforms Qt can load, where QGuiApplication
// looks for them: the plugin folder given, then Qt's own.
QStringList AvailablePlatforms(const QString& givenFolder)
{
    QStringList folders{givenFolder, qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString& path : qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator())) {
        folders << path + QStringLiteral("/platforms");
    }
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    QStringList keys;
    for (const QString& folder : folders) {
        if (folder.isEmpty() || folder == QStringLiteral("/platforms")) {
            continue;
        }
        const QDir plugins(folder);
        for (const QString& file : plugins.entryList(QDir::Files)) {
            // Read from the file's metadata; nothing is loaded.
            const QJsonObject meta =
                QPluginLoader(plugins.filePath(file)).metaData().value(QStringLiteral("MetaData")).toObject();
            const QJsonArray names = meta.value(QStringLiteral("Keys")).toArray();
            for (const auto& name : names) {
                keys << name.toString().toLower();
            }
        }
    }
    keys.removeDuplicates();
    return keys;
}

// Qt ends the program with an abort for a platform it cannot load. Each name
// of the list ("wayland;xcb") may carry options after a colon.
bool PlatformAvailable(const QString& platforms, const QStringList& available)
{
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (available.contains(entry.section(QLatin1Char(':'), 0, 0).toLower())) {
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << FileNameFromNative(QByteArray(argv[i]));
    }
    return arguments;
}

QString VersionText()
{
    return QStringLiteral("Orvanta ") + ToQString(ProgramVersion);
}

CommandLine ParseCommandLine(const QStringList& arguments)
{
    // Own options rather than addHelpOption/addVersionOption: those print
    // through the application object, which needs a display to exist.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Show the version and end."));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Orvanta finds the rashi, the sign the Moon stood in at a person's birth in\n"
                       "Vedic astrology, and shows its reading. Given a saved reading (.ras), it\n"
                       "opens it as \"Open Previously Saved Reading\" does."));
    const QCommandLineOption match(
        QStringLiteral("match"), QCoreApplication::translate("CommandLine",
                                                             "Print the match of two saved readings, the bride's FILE\n"
                                                             "first and the groom's second, and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(match);
    //: The name of the command's argument in its help, as in "Usage: orvanta [options] [FILE]".
    const QString file = QCoreApplication::translate("CommandLine", "FILE");
    parser.addPositionalArgument(file, QCoreApplication::translate("CommandLine", "A saved reading to open."),
                                 QLatin1Char('[') + file + QLatin1Char(']'));
    // Qt's options are words after one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddQtOptions(parser);

    CommandLine result;
    const bool understood = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    const bool matching = understood && parser.isSet(match);
    const QString platform = parser.value(QStringLiteral("platform"));
    QString why;
    if (!understood) {
        why = parser.errorText();
    } else if (matching ? files.size() != 2 : files.size() > 1) {
        why = matching ? QCoreApplication::translate("CommandLine", "Give --match two reading files, the bride's first.")
                       : QCoreApplication::translate("CommandLine", "Give at most one reading file.");
    } else if (parser.isSet(QStringLiteral("platform"))) {
        const QStringList available = AvailablePlatforms(parser.value(QStringLiteral("platformpluginpath")));
        if (!PlatformAvailable(platform, available)) {
            //: %1: the name given after -platform; %2: the names Qt can use, such as "offscreen, xcb".
            why = QCoreApplication::translate("CommandLine", "There is no display platform \"%1\"; there are: %2.")
                      .arg(platform, available.join(QStringLiteral(", ")));
        }
    }
    if (!why.isEmpty()) {
        result.EndNow = true;
        result.TextIsError = true;
        result.Status = UsageStatus;
        result.Text = QStringLiteral("orvanta: ") + why + QStringLiteral("\n\n") + HelpText(parser);
    } else if (parser.isSet(help)) {
        result.EndNow = true;
        result.Text = HelpText(parser);
    } else if (parser.isSet(version)) {
        result.EndNow = true;
        result.Text = VersionText() + QLatin1Char('\n');
    } else if (matching) {
        result.MatchFiles = files;
    } else if (!files.isEmpty()) {
        result.ReadingFile = files.front();
    }
    return result;
}

int PrintAndEnd(const QStringList& arguments, int& argc, char** argv)
{
    // What is printed is in the user's language: the translations need an
    // application object, and this one needs no display. The line is judged
    // again under them, so that Qt's own parts of it are translated too.
    QCoreApplication terminal(argc, argv);
    InstallTranslations(terminal, QLocale());
    const CommandLine commandLine = ParseCommandLine(arguments);
    std::FILE* stream = commandLine.TextIsError ? stderr : stdout;
    std::fputs(commandLine.Text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return commandLine.Status;
}

}  // namespace orvanta
