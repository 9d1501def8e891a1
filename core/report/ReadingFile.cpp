// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/ReadingFile.h"

#include "core/common/TextEncoding.h"
#include "core/common/TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <span>
#include <ostream>
#include <streambuf>
#include <system_error>
#include <utility>

namespace orvanta {
namespace {

// The file's character set is fixed, so a file reads the same on every
// system. Codes 0x00-0x7F and 0xA0-0xFF are the Unicode characters of the
// same number; 0x80-0x9F are below, the five codes Windows-1252 leaves
// undefined standing for the control characters of their own number.
constexpr char32_t Windows1252High[32] = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',  // 80-87
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',  // 88-8F
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',  // 90-97
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178',  // 98-9F
};

constexpr int CodeOffset = 85;
constexpr int HighestStoredCode = 255 - CodeOffset;  // 170

char32_t CharacterOfCode(int code)
{
    if (code >= 0x80 && code <= 0x9F) {
        return Windows1252High[code - 0x80];
    }
    return static_cast<char32_t>(code);
}

// -1 when the character has no Windows-1252 code.
int CodeOfCharacter(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<int>(character);
    }
    for (int i = 0; i < 32; ++i) {
        if (Windows1252High[i] == character) {
            return 0x80 + i;
        }
    }
    return -1;
}

// Splits a byte source into lines. `next` returns the next byte (0..255) or
// -1 at the end; it is never called more than ReadingFileByteBudget times.
template <typename NextByte>
ReadingFileLines SplitLines(NextByte next)
{
    ReadingFileLines lines;
    std::size_t budget = ReadingFileByteBudget;
    int pending = -1;  // the byte after a lone CR, which starts the next line
    const auto take = [&]() -> int {
        if (pending >= 0) {
            return std::exchange(pending, -1);
        }
        if (budget == 0) {
            return -1;
        }
        --budget;
        return next();
    };
    for (std::size_t i = 0; i < lines.Lines.size(); ++i) {
        std::string& line = lines[i];
        const bool nameLine = i == ReadingFileNameLineIndex;
        const std::size_t limit = nameLine ? ReadingFileMaxNameLineBytes : ReadingFileMaxLineBytes;
        int b = take();
        for (; b >= 0 && b != '\r'; b = take()) {
            if (line.size() < limit) {
                line += static_cast<char>(b);
            } else if (nameLine) {
                lines.NameLineCut = true;
            }
        }
        if (b < 0) {
            break;
        }
        const int afterCr = take();
        if (afterCr < 0) {
            break;
        }
        if (afterCr != '\n') {
            pending = afterCr;
        }
    }
    return lines;
}

// The month line holds the month's number; its position in the list is that
// number less one, rounded half to even.
std::optional<int> MonthIndexOf(std::string_view text)
{
    const auto value = ReadNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // The default rounding mode sends a tie to the even neighbour.
    const double position = std::nearbyint(*value - 1);
    if (!(position >= 0 && position <= 11)) {
        return std::nullopt;
    }
    return static_cast<int>(position);
}

// The entry of a list that the text names, or nothing when the list has no
// such entry. Blanks around it are ignored, as the reading flow trims the
// chosen text; nothing else is forgiven.
std::optional<int> ListEntry(std::string_view text, ListRange list)
{
    const auto entry = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), value);
    if (error != std::errc{} || end != entry.data() + entry.size() || !list.Contains(value)) {
        return std::nullopt;
    }
    if (std::to_string(value) != entry) {  // "07" or "-0" is no entry of the list
        return std::nullopt;
    }
    return value;
}

std::string FlagText(bool flag)
{
    return flag ? "1" : "0";
}

// The zone hours as a magnitude, as every reader expects; only a zone whose
// own side differs from the longitude's keeps its sign, so that the file
// opens to the same reading ("-1" for Madrid on Central European Time).
std::string ZoneHoursText(const BirthRecord& record)
{
    if (ZoneIsAheadOfUtc(record) == PlaceIsEast(record)) {
        return std::to_string(record.ZoneHours);
    }
    std::string text(1, ZoneIsAheadOfUtc(record) ? '-' : '+');
    text += std::to_string(std::abs(int{record.ZoneHours}));
    return text;
}

// The name line's name when it may stand for line 1, or nothing.
std::optional<std::string> NameFromNameLine(const ReadingFileLines& lines)
{
    const std::string& nameLine = lines[ReadingFileNameLineIndex];
    if (nameLine.empty() || lines.NameLineCut) {
        return std::nullopt;
    }
    auto name = PercentDecodeName(DecodeLine(nameLine));
    if (!name || Utf16Length(*name).value_or(MaxNameLength + 1) > MaxNameLength || EncodeLine(*name) != lines[0]) {
        return std::nullopt;
    }
    return name;
}

using LineTexts = std::array<std::string, ReadingFileLineCount>;

LineTexts DecodeTexts(const ReadingFileLines& lines)
{
    LineTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = DecodeLine(lines[i]);
    }
    return texts;
}

// The date and time of lines 2 to 6; each is empty when its line names no
// entry of its list.
struct DateAndTime {
    std::optional<int> Month;
    std::optional<int> Day;
    std::optional<int> Year;
    std::optional<int> Hour;
    std::optional<int> Minute;
};

DateAndTime ReadDateAndTime(const LineTexts& texts)
{
    return {MonthIndexOf(texts[1]), ListEntry(texts[2], DayList), ListEntry(texts[3], YearList),
            ListEntry(texts[4], HourList), ListEntry(texts[5], MinuteList)};
}

// The file's line number (2 to 6) of the first of the date and time that
// does not read, or 0 when all do.
int FirstUnreadableLine(const DateAndTime& date)
{
    const bool read[] = {date.Month.has_value(), date.Day.has_value(), date.Year.has_value(), date.Hour.has_value(),
                         date.Minute.has_value()};
    for (int i = 0; i < 5; ++i) {
        if (!read[i]) {
            return i + 2;
        }
    }
    return 0;
}

// Why lines that give no entry do not: the writer never puts a byte below
// 85 into a line, and a line that is empty with all after it is one the
// file never reached.
ReadingFileProblem ProblemOf(std::string_view bytes, const ReadingFileLines& lines)
{
    if (bytes.empty()) {
        return {ReadingFileFault::Empty};
    }
    for (const std::string& line : lines.Lines) {
        if (std::any_of(line.begin(), line.end(), [](char b) { return static_cast<unsigned char>(b) < CodeOffset; })) {
            return {ReadingFileFault::NotAReading};
        }
    }
    const int line = FirstUnreadableLine(ReadDateAndTime(DecodeTexts(lines)));
    const auto rest = std::span(lines.Lines).subspan(static_cast<std::size_t>(line - 1), ReadingFileLineCount - (line - 1));
    if (std::any_of(rest.begin(), rest.end(), [](const std::string& l) { return !l.empty(); })) {
        return {ReadingFileFault::LineUnreadable, line};
    }
    return {bytes.size() >= ReadingFileByteBudget ? ReadingFileFault::TooLarge : ReadingFileFault::EndsEarly, line};
}

}  // namespace

std::string PercentEncodeName(std::string_view utf8Name)
{
    return PercentEncode(utf8Name);
}

std::optional<std::string> PercentDecodeName(std::string_view text)
{
    auto name = PercentDecode(text);
    if (!name || !Utf16Length(*name)) {
        return std::nullopt;
    }
    return name;
}

std::string EncodeLine(std::string_view utf8Text)
{
    std::string bytes;
    bytes.reserve(utf8Text.size());
    for (std::size_t pos = 0; pos < utf8Text.size();) {
        const auto character = NextCharacter(utf8Text, pos);
        const int code = character ? CodeOfCharacter(*character) : -1;
        if (code >= 0 && code <= HighestStoredCode) {
            bytes += static_cast<char>(code + CodeOffset);
        }
    }
    return bytes;
}

std::string DecodeLine(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const int b = static_cast<unsigned char>(byte);
        if (b >= CodeOffset) {
            AppendUtf8(text, CharacterOfCode(b - CodeOffset));
        }
    }
    return text;
}

std::string EncodeReadingFile(const BirthRecord& record)
{
    // File order: the zone follows the coordinates.
    const std::string texts[ReadingFileLineCount] = {
        record.PersonName,
        std::to_string(record.BirthMonth),
        std::to_string(record.BirthDay),
        std::to_string(record.BirthYear),
        std::to_string(record.BirthHour),
        std::to_string(record.BirthMinute),
        std::to_string(record.LongitudeDegrees),
        std::to_string(record.LongitudeMinutes),
        std::to_string(record.LatitudeDegrees),
        std::to_string(record.LatitudeMinutes),
        ZoneHoursText(record),
        std::to_string(record.ZoneMinutes),
        FlagText(record.LongitudeEast),
        FlagText(record.LatitudeSouth),
        FlagText(record.DaylightSaving),
    };
    std::string contents;
    for (const auto& text : texts) {
        contents += EncodeLine(text);
        contents += "\r\n";
    }
    const std::string nameLine = EncodeLine(record.PersonName);
    if (DecodeLine(nameLine) != record.PersonName) {
        contents += EncodeLine(PercentEncodeName(record.PersonName));
        contents += "\r\n";
    }
    return contents;
}

bool WriteReadingFile(std::ostream& out, const BirthRecord& record)
{
    const std::string contents = EncodeReadingFile(record);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    return static_cast<bool>(out);
}

ReadingFileLines ReadReadingFileLines(std::istream& in)
{
    std::streambuf* buffer = in ? in.rdbuf() : nullptr;
    if (buffer == nullptr) {
        return {};
    }
    return SplitLines([buffer]() -> int {
        const auto b = buffer->sbumpc();
        return std::streambuf::traits_type::eq_int_type(b, std::streambuf::traits_type::eof()) ? -1 : b;
    });
}

ReadingFileLines ReadReadingFileLines(std::string_view bytes)
{
    std::size_t pos = 0;
    return SplitLines([bytes, &pos]() -> int {
        return pos < bytes.size() ? static_cast<unsigned char>(bytes[pos++]) : -1;
    });
}

std::optional<BirthDataEntry> EntryFromReadingFileLines(const ReadingFileLines& lines)
{
    const auto texts = DecodeTexts(lines);
    const DateAndTime date = ReadDateAndTime(texts);
    if (!date.Month || !date.Day || !date.Year || !date.Hour || !date.Minute) {
        return std::nullopt;
    }
    return BirthDataEntry{
        .Name = NameFromNameLine(lines).value_or(texts[0]),
        .MonthIndex = *date.Month,
        .DayIndex = *date.Day - DayList.First,
        .DayText = std::to_string(*date.Day),
        .YearText = std::to_string(*date.Year),
        .HourText = std::to_string(*date.Hour),
        .MinuteText = std::to_string(*date.Minute),
        .ZoneHour = texts[10],
        .ZoneMinute = texts[11],
        .Longitude = {texts[6], texts[7], texts[12] != "1"},
        .Latitude = {texts[8], texts[9], texts[13] == "1"},
        .DaylightSaving = texts[14] == "1",
    };
}

std::optional<BirthDataEntry> ReadReadingFile(std::istream& in)
{
    return EntryFromReadingFileLines(ReadReadingFileLines(in));
}

std::optional<BirthDataEntry> ReadReadingFile(std::string_view bytes)
{
    return EntryFromReadingFileLines(ReadReadingFileLines(bytes));
}

bool HasReadingFileExtension(std::string_view fileName)
{
    return fileName.ends_with("ras");
}

ReadingFileCheck CheckReadingFile(std::string_view bytes)
{
    const ReadingFileLines lines = ReadReadingFileLines(bytes);
    if (auto entry = EntryFromReadingFileLines(lines)) {
        return {std::move(entry), {}};
    }
    return {std::nullopt, ProblemOf(bytes, lines)};
}

namespace {

struct FaultText {
    ReadingFileFault Fault;
    TextSource Text;  // %1 the file's name
};

constexpr FaultText kFaultTexts[] = {
    //: Why a saved reading cannot be opened, under "Please Check The File.": %1 is always the file's name.
    //: "ras" is the extension of reading files and stays as it is.
    {ReadingFileFault::NotAReadingName, ORVANTA_TR("ReadingFile", "\"%1\" is not a reading's name: it does not end in \"ras\".")},
    {ReadingFileFault::Missing,         ORVANTA_TR("ReadingFile", "\"%1\" does not exist.")},
    {ReadingFileFault::NotAFile,        ORVANTA_TR("ReadingFile", "\"%1\" is not a file.")},
    {ReadingFileFault::NotPermitted,    ORVANTA_TR("ReadingFile", "You have no permission to read \"%1\".")},
    {ReadingFileFault::Unreadable,      ORVANTA_TR("ReadingFile", "\"%1\" could not be read.")},
    {ReadingFileFault::Empty,           ORVANTA_TR("ReadingFile", "\"%1\" is empty.")},
    {ReadingFileFault::NotAReading,     ORVANTA_TR("ReadingFile", "\"%1\" is not a reading.")},
    {ReadingFileFault::TooLarge,        ORVANTA_TR("ReadingFile", "\"%1\" is too large to be a reading.")},
    //: %1 the file's name, %2 a line number.
    {ReadingFileFault::EndsEarly,       ORVANTA_TR("ReadingFile", "\"%1\" ends before line %2; a reading has 15 lines.")},
};

struct DateLineText {
    TextSource Text;  // %1 the file's name, %2 and %3 the list's first and last entry
    ListRange List;
};

// Lines 2 to 6 and the lists they name an entry of.
constexpr DateLineText kDateLineTexts[] = {
    //: %1 the file's name, %2 and %3 the first and last number the line may hold.
    {ORVANTA_TR("ReadingFile", "Line 2 of \"%1\" holds no month from %2 to %3."),  {1, 12}},
    {ORVANTA_TR("ReadingFile", "Line 3 of \"%1\" holds no day from %2 to %3."),    DayList},
    {ORVANTA_TR("ReadingFile", "Line 4 of \"%1\" holds no year from %2 to %3."),   YearList},
    {ORVANTA_TR("ReadingFile", "Line 5 of \"%1\" holds no hour from %2 to %3."),   HourList},
    {ORVANTA_TR("ReadingFile", "Line 6 of \"%1\" holds no minute from %2 to %3."), MinuteList},
};

}  // namespace

UiText DescribeReadingFileProblem(std::string_view fileName, const ReadingFileProblem& problem)
{
    UiText name = Verbatim(std::string(fileName));
    if (problem.Fault == ReadingFileFault::LineUnreadable) {
        const DateLineText& line = kDateLineTexts[std::clamp(problem.Line, 2, 6) - 2];
        return Compose(line.Text, {std::move(name), Verbatim(std::to_string(line.List.First)),
                                   Verbatim(std::to_string(line.List.Last))});
    }
    for (const FaultText& text : kFaultTexts) {
        if (text.Fault == problem.Fault) {
            return Compose(text.Text, {std::move(name), Verbatim(std::to_string(problem.Line))});
        }
    }
    return DescribeReadingFileProblem(fileName, {ReadingFileFault::Unreadable});
}

}  // namespace orvanta
