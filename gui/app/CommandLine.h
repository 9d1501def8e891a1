// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: `orvanta [FILE]` opens a saved reading,
// `orvanta --match BRIDE GROOM` prints the match of two, while --help,
// --version and a wrong command line print their text and end the program
// before any window (or display) is needed. Qt's own options
// (-platform, -style, ...) are accepted and left to Qt.
#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

struct CommandLine {
    QString ReadingFile;  // the reading file to open; empty when none was given
    QStringList MatchFiles;  // with --match: the bride's and the groom's reading files
    // When set, the program prints Text (to standard error when TextIsError)
    // and ends with Status instead of starting.
    bool EndNow = false;
    QString Text;
    bool TextIsError = false;
    int Status = 0;
};

// The arguments as main received them, the program's own name first.
QStringList ArgumentsOf(int argc, char** argv);

CommandLine ParseCommandLine(const QStringList& arguments);

// "Orvanta" and the version the build was made from.
QString VersionText();

// Prints what the command line asked to print; returns its exit status.
int PrintAndEnd(const CommandLine& commandLine);

}  // namespace orvanta
