// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: `orvanta [FILE]` opens a saved reading,
// `orvanta --match BRIDE GROOM` prints the match of two, while --help,
// --version and a wrong command line print their text and end the program
// before any window (or display) is needed, in the user's language. Qt's own
// options (-platform, -style, ...) are accepted and left to Qt; a -platform
// that names no platform Qt has is refused here, where Qt would abort.
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

// The arguments as main received them, the program's own name first; a
// file name that is not UTF-8 keeps its bytes (platform/FileNames.h).
QStringList ArgumentsOf(int argc, char** argv);

// Its texts are looked up in the context "CommandLine" (and Qt's own).
CommandLine ParseCommandLine(const QStringList& arguments);

// "Orvanta" and the version the build was made from.
QString VersionText();

// For a command line that ends the program: prints what it asked to print,
// with the translations for the user's locale, and returns its exit status.
// Needs no display; call it before any application object exists.
int PrintAndEnd(const QStringList& arguments, int& argc, char** argv);

}  // namespace orvanta
