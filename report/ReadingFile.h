// The reading file (".ras"): the fifteen inputs of a reading, one line each,
// every character stored as its Windows-1252 code plus 85 and each line ended
// by CR LF. Writing, bounded reading, and the check of what was read.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "app/BirthRecord.h"

namespace orvanta {

inline constexpr std::size_t ReadingFileLineCount = 15;

// The most bytes kept of one line; a longer line is cut there. Reading also
// stops after ReadingFileByteBudget bytes, so no file, however large or
// strange, costs more than that in memory or time.
inline constexpr std::size_t ReadingFileMaxLineBytes = 4096;
inline constexpr std::size_t ReadingFileByteBudget = ReadingFileLineCount * (ReadingFileMaxLineBytes + 2);

// The lines of a reading file in file order; lines the file lacks are empty.
using ReadingFileLines = std::array<std::string, ReadingFileLineCount>;

// UTF-8 text to the bytes of one line (no line end). A character outside
// Windows-1252, or of code 171 or more, and any byte that is not valid UTF-8
// are left out.
std::string EncodeLine(std::string_view utf8Text);

// The bytes of one line to UTF-8 text; bytes below 85 are dropped.
std::string DecodeLine(std::string_view bytes);

// The whole file for the record's fifteen inputs.
std::string EncodeReadingFile(const BirthRecord& record);

// Writes EncodeReadingFile to the stream; false when the stream failed.
bool WriteReadingFile(std::ostream& out, const BirthRecord& record);

// Splits a source into up to fifteen encoded lines. A line ends at CR, and an
// LF right after it belongs to that line end; an LF anywhere else is an
// ordinary byte. Bytes after the fifteenth line end are not read. Of a line
// longer than ReadingFileMaxLineBytes only the start is kept and the rest is
// skipped, and reading ends after ReadingFileByteBudget bytes.
ReadingFileLines ReadReadingFileLines(std::istream& in);
ReadingFileLines ReadReadingFileLines(std::string_view bytes);

// What opening a reading file puts into the main window. The list values are
// texts that the lists offer; the text-box values are as the file has them.
struct ReadingFileValues {
    std::string Name;
    int MonthIndex = 0;  // 0 = January
    std::string Day;     // "1".."31"
    std::string Year;    // "1901".."2050"
    std::string Hour;    // "0".."23"
    std::string Minute;  // "0".."59"
    std::string LonD;
    std::string LonM;
    std::string LatD;
    std::string LatM;
    std::string ZoneHour;
    std::string ZoneMinute;
    bool East = false;
    bool South = false;
    bool DaylightSaving = false;

    bool operator==(const ReadingFileValues&) const = default;
};

// Decodes the lines and checks the date and time. Empty when the month, day,
// year, hour or minute is missing or not one the main window's lists offer:
// such a file must change nothing rather than leave the user's own date
// standing beside the file's other values.
std::optional<ReadingFileValues> ReadingFileValuesFromLines(const ReadingFileLines& lines);

// Reading and checking in one step.
std::optional<ReadingFileValues> ReadReadingFile(std::istream& in);
std::optional<ReadingFileValues> ReadReadingFile(std::string_view bytes);

// True when the name's last three characters are exactly "ras" (the case
// counts, the dot does not).
bool HasReadingFileExtension(std::string_view fileName);

}  // namespace orvanta
