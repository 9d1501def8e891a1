// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/report/ReadingFileAccess.h"

#include <QFileInfo>

#include "gui/widgets/QtText.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

ReadingFileFault FaultOf(ReadFailure failure)
{
    switch (failure) {
    case ReadFailure::Missing: return ReadingFileFault::Missing;
    case ReadFailure::NotAFile: return ReadingFileFault::NotAFile;
    case ReadFailure::NotPermitted: return ReadingFileFault::NotPermitted;
    case ReadFailure::Failed: break;
    }
    return ReadingFileFault::Unreadable;
}

}  // namespace

ReadingFileCheck ReadReadingFileAt(Platform& platform, const QString& path)
{
    if (!HasReadingFileExtension(ToStdString(path))) {
        return {std::nullopt, {ReadingFileFault::NotAReadingName}};
    }
    const auto bytes = platform.ReadFile(path, static_cast<qint64>(ReadingFileByteBudget));
    if (!bytes) {
        return {std::nullopt, {FaultOf(platform.WhyUnreadable(path))}};
    }
    return CheckReadingFile(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

QString ReadingFileProblemDetail(const QString& path, const ReadingFileProblem& problem)
{
    return Translated(DescribeReadingFileProblem(ToStdString(ShownFileName(QFileInfo(path).fileName())), problem));
}

}  // namespace orvanta
