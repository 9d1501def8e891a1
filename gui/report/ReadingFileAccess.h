// SPDX-License-Identifier: GPL-3.0-or-later
// A reading file read through the platform, with the reason when it does not
// open, and that reason as the detail of "Please Check The File.".
#pragma once

#include <QString>

#include "core/report/ReadingFile.h"

namespace orvanta {

class Platform;

ReadingFileCheck ReadReadingFileAt(Platform& platform, const QString& path);

// Names the file (its name, not the whole path, which would widen the box)
// and says what is wrong, in the user's language.
QString ReadingFileProblemDetail(const QString& path, const ReadingFileProblem& problem);

}  // namespace orvanta
