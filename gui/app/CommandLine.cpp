// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <cstdio>

#include "core/common/Version.h"
#include "gui/widgets/QtText.h"

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
    return QStringLiteral("Usage: orvanta [options] [FILE]\n       orvanta --match BRIDE-FILE GROOM-FILE") + text;
}

}  // namespace

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
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
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvanta finds the rashi, the sign the Moon stood in at a person's birth in\n"
                       "Vedic astrology, and shows its reading. Given a saved reading (.ras), it\n"
                       "opens it as \"Open Previously Saved Reading\" does."));
    const QCommandLineOption match(QStringLiteral("match"),
                                   QStringLiteral("Print the match of two saved readings, the bride's FILE\n"
                                                  "first and the groom's second, and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(match);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A saved reading to open."),
                                 QStringLiteral("[FILE]"));
    // Qt's options are words after one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddQtOptions(parser);

    CommandLine result;
    const bool understood = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    const bool matching = understood && parser.isSet(match);
    if (!understood || (matching ? files.size() != 2 : files.size() > 1)) {
        const QString why = !understood ? parser.errorText()
                            : matching  ? QStringLiteral("Give --match two reading files, the bride's first.")
                                        : QStringLiteral("Give at most one reading file.");
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

int PrintAndEnd(const CommandLine& commandLine)
{
    std::FILE* stream = commandLine.TextIsError ? stderr : stdout;
    std::fputs(commandLine.Text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return commandLine.Status;
}

}  // namespace orvanta
