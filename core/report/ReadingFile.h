// SPDX-License-Identifier: GPL-3.0-or-later
// The reading file (".ras"): the fifteen inputs of a reading, one line each,
// every character stored as its Windows-1252 code plus 85 and each line ended
// by CR LF. A name that line 1 cannot hold whole (any character outside codes
// 0 to 170) is kept losslessly in a sixteenth line, which readers of fifteen
// lines pass over. Writing, bounded reading, and the check of what was read.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/BirthRecord.h"
#include "core/common/UiText.h"
#include "core/entry/BirthDataEntry.h"

namespace orvanta {

inline constexpr std::size_t ReadingFileLineCount = 15;

// The longest name a reading keeps, in UTF-16 code units as a text box counts
// them; the name box takes no more, so saving and opening never shorten it.
inline constexpr std::size_t MaxNameLength = 4096;

// The most bytes kept of one of the fifteen lines (a name of MaxNameLength
// fits line 1); a longer line is cut there.
inline constexpr std::size_t ReadingFileMaxLineBytes = MaxNameLength;

// The name line: the name's UTF-8 bytes percent-encoded (at most three bytes
// per code unit, three characters per byte), then encoded as every line is.
inline constexpr std::size_t ReadingFileNameLineIndex = ReadingFileLineCount;
inline constexpr std::size_t ReadingFileMaxNameLineBytes = 9 * MaxNameLength;

// Reading stops after ReadingFileByteBudget bytes, so no file, however large
// or strange, costs more than that in memory or time.
inline constexpr std::size_t ReadingFileByteBudget =
    ReadingFileLineCount * (ReadingFileMaxLineBytes + 2) + ReadingFileMaxNameLineBytes + 2;

// The lines of a reading file in file order, the name line last; lines the
// file lacks are empty.
struct ReadingFileLines {
    std::array<std::string, ReadingFileLineCount + 1> Lines;
    bool NameLineCut = false;  // the name line was longer than its limit

    std::string& operator[](std::size_t i) { return Lines[i]; }
    const std::string& operator[](std::size_t i) const { return Lines[i]; }
    bool operator==(const ReadingFileLines&) const = default;
};

// UTF-8 text to the bytes of one line (no line end). A character outside
// Windows-1252, or of code 171 or more, and any byte that is not valid UTF-8
// are left out.
std::string EncodeLine(std::string_view utf8Text);

// The bytes of one line to UTF-8 text; bytes below 85 are dropped.
std::string DecodeLine(std::string_view bytes);

// A name as the name line holds it: its UTF-8 bytes with every byte other
// than an ASCII letter, digit, "-", ".", "_" or "~" written as %XX.
std::string PercentEncodeName(std::string_view utf8Name);

// The name a name line holds, or nothing when the line is not well formed
// (a stray "%", a byte outside the set above, UTF-8 that is not valid).
std::optional<std::string> PercentDecodeName(std::string_view text);

// The whole file for the record's fifteen inputs, and the name line when
// line 1 cannot hold the name whole.
std::string EncodeReadingFile(const BirthRecord& record);

// Writes EncodeReadingFile to the stream; false when the stream failed.
bool WriteReadingFile(std::ostream& out, const BirthRecord& record);

// Splits a source into up to sixteen encoded lines. A line ends at CR, and an
// LF right after it belongs to that line end; an LF anywhere else is an
// ordinary byte. Bytes after the sixteenth line end are not read. Of a line
// longer than its limit only the start is kept and the rest is skipped, and
// reading ends after ReadingFileByteBudget bytes.
ReadingFileLines ReadReadingFileLines(std::istream& in);
ReadingFileLines ReadReadingFileLines(std::string_view bytes);

// Decodes the lines into the main window's inputs (list values are texts the
// lists offer, with their positions; text-box values are as the file has
// them) and checks the date and time. The name comes from the
// name line when it is whole, well formed, no longer than MaxNameLength and
// agrees with line 1 (line 1 is what it encodes to); otherwise from line 1.
// Empty when the month, day,
// year, hour or minute is missing or not one the main window's lists offer:
// such a file must change nothing rather than leave the user's own date
// standing beside the file's other values.
std::optional<BirthDataEntry> EntryFromReadingFileLines(const ReadingFileLines& lines);

// Reading and checking in one step.
std::optional<BirthDataEntry> ReadReadingFile(std::istream& in);
std::optional<BirthDataEntry> ReadReadingFile(std::string_view bytes);

// True when the name's last three characters are exactly "ras" (the case
// counts, the dot does not).
bool HasReadingFileExtension(std::string_view fileName);

// Why a file does not open as a reading: its name, what reading it met (the
// platform tells), or what it holds.
enum class ReadingFileFault {
    NotAReadingName,  // the name does not end in "ras"
    Missing,
    NotAFile,         // a folder, a pipe, a device
    NotPermitted,
    Unreadable,       // reading it failed
    Empty,
    NotAReading,      // it holds bytes that no reading holds
    TooLarge,         // it goes on past what is read before the date and time
    EndsEarly,        // it ends before Line
    LineUnreadable,   // Line holds no entry of its list
};

struct ReadingFileProblem {
    ReadingFileFault Fault = ReadingFileFault::Empty;
    int Line = 0;  // 2 to 6, the month to the minute, for EndsEarly and LineUnreadable
    bool operator==(const ReadingFileProblem&) const = default;
};

// The inputs a file's bytes hold, as ReadReadingFile gives them, or else
// why they do not open (Problem means nothing when there is an entry).
struct ReadingFileCheck {
    std::optional<BirthDataEntry> Entry;
    ReadingFileProblem Problem;
};
ReadingFileCheck CheckReadingFile(std::string_view bytes);

// The user's text for a problem with the file of that name: the detail that
// goes with "Please Check The File.".
UiText DescribeReadingFileProblem(std::string_view fileName, const ReadingFileProblem& problem);

}  // namespace orvanta
