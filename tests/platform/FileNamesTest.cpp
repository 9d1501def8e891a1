// SPDX-License-Identifier: GPL-3.0-or-later
// File names that are not UTF-8: opened by their bytes, shown with U+FFFD.
#include "platform/FileNames.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

#include "gui/report/ReadingFileAccess.h"
#include "platform/QtPlatform.h"

namespace orvanta {
namespace {

TEST(FileNames, KeepTheirBytesAndShowWhatIsNoTextAsReplacementCharacters)
{
    const struct {
        const char* Why;
        QByteArray Native;
        QString Shown;
    } cases[] = {
        {"UTF-8", "ravi/r\xc3\xa9sum\xc3\xa9.ras", QStringLiteral("ravi/r\u00e9sum\u00e9.ras")},
        {"Latin-1", "r\xe9sum\xe9.ras", QStringLiteral("r\uFFFDsum\uFFFD.ras")},
        {"a lone continuation byte and 0xff", "a\x80z\xff", QStringLiteral("a\uFFFDz\uFFFD")},
        {"an overlong slash", "a\xc0\xafz", QStringLiteral("a\uFFFD\uFFFDz")},
        {"an encoded surrogate", "\xed\xb2\x80.ras", QStringLiteral("\uFFFD\uFFFD\uFFFD.ras")},
        {"a cut sequence at the end", "ab\xe2\x82", QStringLiteral("ab\uFFFD\uFFFD")},
        {"the last character and one past it", "\xf4\x8f\xbf\xbf|\xf4\x90\x80\x80",
         QString::fromUcs4(U"\U0010FFFF|\uFFFD\uFFFD\uFFFD\uFFFD")},
        // U+1F080: its second UTF-16 half lies where escapes do.
        {"a character whose low half looks like an escape", "\xf0\x9f\x82\x80\x80",
         QString::fromUcs4(U"\U0001F080\uFFFD")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const QString name = FileNameFromNative(c.Native);
        EXPECT_EQ(NativeFileName(name), c.Native);
        EXPECT_EQ(ShownFileName(name), c.Shown);
        EXPECT_EQ(NativeFileName(AbsoluteFileName(QStringLiteral("/a/./b/../") + name)), "/a/" + c.Native);
    }
}

TEST(FileNames, ThePlatformReadsAFileByItsBytes)
{
    QTemporaryDir folder;
    const QByteArray native = QFile::encodeName(folder.path()) + "/r\xe9sum\xe9.ras";
    FILE* raw = std::fopen(native.constData(), "wb");
    ASSERT_NE(raw, nullptr);
    std::fputs("reading", raw);
    std::fclose(raw);

    QtPlatform platform;
    EXPECT_EQ(platform.ReadFile(FileNameFromNative(native), 100), QByteArray("reading"));
    EXPECT_EQ(platform.ReadFile(QFile::decodeName(native), 100), std::nullopt) << "Qt's own decoding loses it";
    const QString detail = ReadingFileProblemDetail(FileNameFromNative(native), {ReadingFileFault::Missing});
    EXPECT_TRUE(detail.contains(QStringLiteral("r\uFFFDsum\uFFFD.ras"))) << detail.toStdString();
    ::unlink(native.constData());  // which QTemporaryDir, going by Qt's decoding, could not
}

}  // namespace
}  // namespace orvanta
