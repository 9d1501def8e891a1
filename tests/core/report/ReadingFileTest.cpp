// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/report/ReadingFile.h"

#include "core/entry/InputRules.h"

#include <gtest/gtest.h>

#include "TestRecords.h"

#include <initializer_list>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace orvanta {
namespace {

using testing::Ravi;

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

std::string FileOf(const std::vector<std::string>& texts)
{
    std::string file;
    for (const auto& text : texts) {
        file += EncodeLine(text) + "\r\n";
    }
    return file;
}

const std::vector<std::string> RaviTexts = {"Ravi", "3", "12", "1975", "7", "5", "77", "13", "28", "39", "5", "30", "1", "0", "0"};


TEST(LineCodec, EncodesWindows1252CodesPlus85)
{
    struct Case {
        std::string text;
        std::string bytes;
        const char* note;
    };
    const Case cases[] = {
        {"abc", Bytes({0xB6, 0xB7, 0xB8}), ""},
        {"12", Bytes({0x86, 0x87}), ""},
        {"1", Bytes({0x86}), ""},
        {"0", Bytes({0x85}), ""},
        {"-5", Bytes({0x82, 0x8A}), "a negative number"},
        {"", "", "empty text, empty line"},
        {std::string(1, '\0'), Bytes({0x55}), "code 0 is stored"},
        {"\u00AA", Bytes({0xFF}), "code 170, the highest stored"},
        {"a\u00ABb", Bytes({0xB6, 0xB7}), "code 171 left out"},
        {"Zo\u00EB", Bytes({0xAF, 0xC4}), "e-diaeresis 0xEB left out"},
        {"\u20AC", Bytes({0xD5}), "euro is 0x80"},
        {"\u0178", Bytes({0xF4}), "Y-diaeresis is 0x9F"},
        {"\u0081\u009D", Bytes({0xD6, 0xF2}), "undefined codes stand for themselves"},
        {"\u0080\u0101\u4E2D\U0001F600", "", "outside Windows-1252"},
        {"a\xFF" "b", Bytes({0xB6, 0xB7}), "invalid byte"},
        {"a\x80", Bytes({0xB6}), "stray continuation"},
        {"a\xC3", Bytes({0xB6}), "truncated sequence"},
        {"\xE2\x82" "a", Bytes({0xB6}), "truncated euro"},
        {"\xC0\xAF\xC1\x81", "", "overlong forms"},
        {"\xED\xA0\x80", "", "surrogate"},
        {"\xF4\x90\x80\x80", "", "beyond U+10FFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeLine(c.text), c.bytes) << c.note;
    }
}

TEST(LineCodec, DecodingDropsBytesBelow85)
{
    EXPECT_EQ(DecodeLine(Bytes({0xB6, 0xB7, 0xB8})), "abc");
    EXPECT_EQ(DecodeLine(Bytes({0x00, 0x0A, 0xB6, 0x0D, 0x54, 0xB7})), "ab");
    EXPECT_EQ(DecodeLine(Bytes({0xD5, 0xFF, 0x55})), std::string("\u20AC\u00AA") + '\0');
}

TEST(LineCodec, EveryStoredCodeRoundTrips)
{
    std::string allBytes;
    for (int b = 85; b <= 255; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(EncodeLine(DecodeLine(byte)), byte) << "code " << b - 85;
        allBytes += byte;
    }
    const std::string allText = DecodeLine(allBytes);
    EXPECT_EQ(EncodeLine(allText), allBytes);
    EXPECT_EQ(DecodeLine(EncodeLine(allText)), allText);
}

TEST(ReadingFileWriter, WritesRaviByteForByte)
{
    const std::string crlf = "\r\n";
    const std::string expected = Bytes({0xA7, 0xB6, 0xCB, 0xBE}) + crlf  // Ravi
        + Bytes({0x88}) + crlf + Bytes({0x86, 0x87}) + crlf + Bytes({0x86, 0x8E, 0x8C, 0x8A}) + crlf
        + Bytes({0x8C}) + crlf + Bytes({0x8A}) + crlf                             // 7:05
        + Bytes({0x8C, 0x8C}) + crlf + Bytes({0x86, 0x88}) + crlf                 // 77 13
        + Bytes({0x87, 0x8D}) + crlf + Bytes({0x88, 0x8E}) + crlf                 // 28 39
        + Bytes({0x8A}) + crlf + Bytes({0x88, 0x85}) + crlf                       // 5 30
        + Bytes({0x86}) + crlf + Bytes({0x85}) + crlf + Bytes({0x85}) + crlf;     // East North no DST
    EXPECT_EQ(EncodeReadingFile(Ravi()), expected);
    EXPECT_EQ(EncodeReadingFile(Ravi()), FileOf(RaviTexts));

    std::ostringstream out;
    EXPECT_TRUE(WriteReadingFile(out, Ravi()));
    EXPECT_EQ(out.str(), expected);
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(WriteReadingFile(out, Ravi()));
}

TEST(ReadingFileWriter, SouthAndDaylightSavingChangeOnlyTheirLines)
{
    BirthRecord south = Ravi();
    south.LatitudeSouth = true;
    south.DaylightSaving = true;
    const auto plain = ReadReadingFileLines(EncodeReadingFile(Ravi()));
    const auto changed = ReadReadingFileLines(EncodeReadingFile(south));
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(changed[i], plain[i]) << "line " << i + 1;
    }
    EXPECT_EQ(changed[13], Bytes({0x86}));
    EXPECT_EQ(changed[14], Bytes({0x86}));
}

// Line 11 keeps the magnitude unless the zone's own side differs from the
// longitude's; then it carries the sign that reopens the same reading.
TEST(ReadingFileWriter, ZoneHoursCarryASignOnlyAgainstTheLongitude)
{
    struct Case {
        ZoneSide side;
        bool east;
        std::int16_t longitude;
        const char* line11;
    };
    const Case cases[] = {
        {ZoneSide::FromLongitude, true, 77, "5"},  {ZoneSide::AheadOfUtc, true, 77, "5"},
        {ZoneSide::BehindUtc, false, 77, "5"},     {ZoneSide::AheadOfUtc, false, 3, "-5"},
        {ZoneSide::BehindUtc, true, 173, "+5"},    {ZoneSide::AheadOfUtc, true, 0, "-5"},
    };
    for (const Case& c : cases) {
        BirthRecord r = Ravi();
        r.ZoneDirection = c.side;
        r.LongitudeEast = c.east;
        r.LongitudeDegrees = c.longitude;
        r.LongitudeMinutes = 0;
        const auto lines = ReadReadingFileLines(EncodeReadingFile(r));
        EXPECT_EQ(DecodeLine(lines[10]), c.line11) << static_cast<int>(c.side) << c.east << c.longitude;
        EXPECT_EQ(DecodeLine(lines[11]), "30");
        const auto values = EntryFromReadingFileLines(lines);
        ASSERT_TRUE(values);
        BirthRecord reopened = r;
        reopened.ZoneDirection = ZoneSideOfTexts(values->ZoneHour, values->ZoneMinute);
        EXPECT_EQ(ZoneIsAheadOfUtc(reopened), ZoneIsAheadOfUtc(r));
    }
}

TEST(ReadingFileWriter, WritesNegativesAndDropsHighCodesFromTheName)
{
    BirthRecord r = Ravi();
    r.PersonName = "\u00AAna\u00AB \u00E9\u20AC";
    r.LongitudeDegrees = -5;
    r.ZoneMinutes = -32768;
    const auto values = ReadReadingFile(EncodeReadingFile(r));
    ASSERT_TRUE(values);
    EXPECT_EQ(DecodeLine(ReadReadingFileLines(EncodeReadingFile(r))[0]), "\u00AAna \u20AC");
    EXPECT_EQ(values->Name, r.PersonName);  // whole again, from the name line
    EXPECT_EQ(values->Longitude.Degrees, "-5");
    EXPECT_EQ(values->ZoneMinute, "-32768");
}

// Line 1 stays what it always was; a name it cannot hold whole comes back
// from the sixteenth line.
TEST(ReadingFileNames, AnyScriptSurvivesASave)
{
    const char* names[] = {"Jos\u00E9", "M\u00FCller", "\u0930\u093E\u092E", "\u674E\u4F1F",
                           "Ana \U0001F319", "Ravi Kumar  Rao", "100% sure"};
    for (const char* name : names) {
        BirthRecord r = Ravi();
        r.PersonName = name;
        const std::string file = EncodeReadingFile(r);
        const auto lines = ReadReadingFileLines(file);
        EXPECT_EQ(lines[0], EncodeLine(name)) << name;
        const bool lossy = DecodeLine(EncodeLine(name)) != name;
        EXPECT_EQ(lines[ReadingFileNameLineIndex].empty(), !lossy) << name;
        const std::string ravi = EncodeReadingFile(Ravi());
        EXPECT_TRUE(file.starts_with(EncodeLine(name) + ravi.substr(ravi.find("\r\n")))) << name;
        const auto values = ReadReadingFile(file);
        ASSERT_TRUE(values) << name;
        EXPECT_EQ(values->Name, name);
    }
}

TEST(ReadingFileNames, ADamagedOrMissingNameLineFallsBackToLineOne)
{
    BirthRecord r = Ravi();
    r.PersonName = "Jos\u00E9 \u0930\u093E\u092E";
    const std::string whole = EncodeReadingFile(r);
    const std::string fifteen = whole.substr(0, whole.rfind("\r\n", whole.size() - 3) + 2);
    const std::string lineOne = "Jos ";  // the accented letter has a code above 170
    struct Case {
        const char* what;
        std::string file;
    };
    const Case cases[] = {
        {"fifteen lines", fifteen},
        {"stray percent", fifteen + EncodeLine("Jos%C3%A9%20%E0%A4") + "\r\n"},
        {"not UTF-8", fifteen + EncodeLine("Jos%C3%A9%20%FF") + "\r\n"},
        {"byte outside the set", fifteen + EncodeLine("Jos%C3%A9 ") + "\r\n"},
        {"another name", fifteen + EncodeLine(PercentEncodeName("Maria \u0930")) + "\r\n"},
        {"cut", fifteen + EncodeLine(PercentEncodeName(std::string(20000, 'x'))) + "\r\n"},
    };
    for (const Case& c : cases) {
        const auto values = ReadReadingFile(c.file);
        ASSERT_TRUE(values) << c.what;
        EXPECT_EQ(values->Name, lineOne) << c.what;
    }
}

std::string Repeat(std::string_view text, std::size_t times)
{
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

TEST(ReadingFileNames, TheLongestNameOpensWhole)
{
    BirthRecord r = Ravi();
    const std::string longest[] = {Repeat("a", MaxNameLength),
                                   Repeat("b", MaxNameLength / 2) + Repeat("\u0930", MaxNameLength / 2),
                                   Repeat("\U0001F319", MaxNameLength / 2)};
    for (const std::string& name : longest) {
        r.PersonName = name;
        const auto values = ReadReadingFile(EncodeReadingFile(r));
        ASSERT_TRUE(values);
        EXPECT_EQ(values->Name, name);
    }
    r.PersonName = Repeat("\u0930", MaxNameLength + 1);  // longer than any box gives
    EXPECT_EQ(ReadReadingFile(EncodeReadingFile(r))->Name, "");
}

TEST(ReadingFileReader, SplitsLinesAtCr)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
        const char* note;
    };
    const Case cases[] = {
        {"", {}, "empty file"},
        {"a\rb", {"a", "b"}, "lone CR, last line without an end"},
        {"a\r\nb\r\n", {"a", "b"}, "CR LF is one line end"},
        {"a\r\r\nb", {"a", "", "b"}, ""},
        {"a\nb\rc", {"a\nb", "c"}, "LF alone ends no line"},
        {"a\n\r\n\nb", {"a\n", "\nb"}, "only the LF right after CR belongs to it"},
        {"\r\n\r\n", {"", ""}, ""},
    };
    for (const auto& c : cases) {
        ReadingFileLines expected;
        std::copy(c.lines.begin(), c.lines.end(), expected.Lines.begin());
        EXPECT_EQ(ReadReadingFileLines(c.bytes), expected) << c.note;
        std::istringstream in(c.bytes);
        EXPECT_EQ(ReadReadingFileLines(in), expected) << c.note;
    }
}

TEST(ReadingFileReader, KeepsFifteenLinesAndCutsLongOnes)
{
    std::string twenty;
    for (int i = 1; i <= 20; ++i) {
        twenty += std::to_string(i) + "\r\n";
    }
    const auto lines = ReadReadingFileLines(twenty);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[14], "15");

    const std::string longLine(5000, '\xC0');
    const auto cut = ReadReadingFileLines(longLine + "\r\nnext\r\n");
    EXPECT_EQ(cut[0], longLine.substr(0, ReadingFileMaxLineBytes));
    EXPECT_EQ(cut[1], "next");
}

// An endless source repeating a pattern, counting the bytes it hands out.
class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(std::string pattern) : pattern_(std::move(pattern)) {}
    std::size_t Delivered = 0;

protected:
    int_type underflow() override
    {
        byte_ = pattern_[Delivered++ % pattern_.size()];
        setg(&byte_, &byte_, &byte_ + 1);
        return traits_type::to_int_type(byte_);
    }

private:
    std::string pattern_;
    char byte_ = 0;
};

TEST(ReadingFileReader, ReadsABoundedAmountOfAnySource)
{
    const std::string patterns[] = {"x", "\xC0\x01\xFF", "\n", "\r", "\r\n", std::string(1, '\0'), "ab\rc"};
    for (const auto& pattern : patterns) {
        EndlessBuffer source(pattern);
        std::istream in(&source);
        const auto lines = ReadReadingFileLines(in);
        EXPECT_LE(source.Delivered, ReadingFileByteBudget);
        for (std::size_t i = 0; i < ReadingFileLineCount; ++i) {
            EXPECT_LE(lines[i].size(), ReadingFileMaxLineBytes);
        }
        EXPECT_LE(lines[ReadingFileNameLineIndex].size(), ReadingFileMaxNameLineBytes);
        EXPECT_FALSE(EntryFromReadingFileLines(lines));
    }
}

TEST(ReadingFileReader, UnreadableStreamGivesNoValues)
{
    std::istringstream in(FileOf(RaviTexts));
    in.setstate(std::ios::failbit);
    EXPECT_FALSE(ReadReadingFile(in));
}

TEST(ReadingFileEntry, RestoresRavi)
{
    const BirthDataEntry expected{
        .Name = "Ravi", .MonthIndex = 2, .DayIndex = 11, .DayText = "12", .YearText = "1975", .HourText = "7",
        .MinuteText = "5", .ZoneHour = "5", .ZoneMinute = "30",
        .Longitude = {"77", "13", false}, .Latitude = {"28", "39", false}, .DaylightSaving = false,
    };
    EXPECT_EQ(ReadReadingFile(EncodeReadingFile(Ravi())), expected);
}

// Ravi's file with one line (1-based) replaced.
std::optional<BirthDataEntry> RaviWith(std::size_t line, const std::string& text)
{
    auto texts = RaviTexts;
    texts[line - 1] = text;
    return ReadReadingFile(FileOf(texts));
}

TEST(ReadingFileEntry, MonthIsTheNumberLessOneRoundedHalfToEven)
{
    struct Case {
        std::string text;
        int index;  // -1: refused
    };
    const Case cases[] = {
        {"1", 0}, {"12", 11}, {" 3 ", 2}, {"0.5", 0}, {"1.5", 0}, {"2.5", 2}, {"3.49", 2}, {"3.", 2}, {".9", 0},
        {"12.5", -1}, {"12.4", 11}, {"0", -1}, {"13", -1}, {"-1", -1}, {"abc", -1}, {"", -1}, {"3a", -1},
        {"1e1", 9}, {"2.5e0", 2}, {"1.2.3", -1}, {"+4", 3}, {std::string(400, '9'), -1},
    };
    for (const auto& c : cases) {
        const auto values = RaviWith(2, c.text);
        EXPECT_EQ(values ? values->MonthIndex : -1, c.index) << "'" << c.text << "'";
    }
}

TEST(ReadingFileEntry, DateAndTimeMustBeListEntries)
{
    struct Case {
        std::size_t line;
        std::string text;
        const char* entry;  // nullptr: refused
    };
    const Case cases[] = {
        {3, "31", "31"}, {3, "32", nullptr}, {3, "0", nullptr}, {3, "07", nullptr}, {3, " 7 ", "7"},
        {3, "", nullptr}, {3, "7.0", nullptr}, {3, "+7", nullptr},
        {4, "1901", "1901"}, {4, "2050", "2050"}, {4, "1900", nullptr}, {4, "2051", nullptr},
        {5, "0", "0"}, {5, "23", "23"}, {5, "24", nullptr}, {5, "-0", nullptr},
        {6, "59", "59"}, {6, "60", nullptr}, {6, "x", nullptr},
    };
    for (const auto& c : cases) {
        const auto values = RaviWith(c.line, c.text);
        ASSERT_EQ(values.has_value(), c.entry != nullptr) << "line " << c.line << " '" << c.text << "'";
        if (values) {
            const std::string* fields[] = {&values->DayText, &values->YearText, &values->HourText,
                                           &values->MinuteText};
            EXPECT_EQ(*fields[c.line - 3], c.entry);
        }
    }
}

TEST(ReadingFileEntry, FlagsAreSetOnlyByExactlyOne)
{
    const auto dst = RaviWith(15, "1");
    ASSERT_TRUE(dst);
    EXPECT_TRUE(dst->DaylightSaving);
    for (const std::string other : {"0", "", "1 ", "-1", "11"}) {
        const auto values = RaviWith(13, other);
        ASSERT_TRUE(values);
        EXPECT_TRUE(values->Longitude.WestOrSouth) << "'" << other << "'";
    }
    EXPECT_TRUE(RaviWith(14, "1")->Latitude.WestOrSouth);
    EXPECT_FALSE(RaviWith(15, "0")->DaylightSaving);
}

TEST(ReadingFileEntry, ShortFileLeavesTheRestEmpty)
{
    const std::vector<std::string> ten(RaviTexts.begin(), RaviTexts.begin() + 10);
    const auto values = ReadReadingFile(FileOf(ten));
    ASSERT_TRUE(values);
    EXPECT_EQ(values->Latitude.Minutes, "39");
    EXPECT_EQ(values->ZoneHour, "");
    EXPECT_EQ(values->ZoneMinute, "");
    EXPECT_TRUE(values->Longitude.WestOrSouth);
    EXPECT_FALSE(values->Latitude.WestOrSouth);
    EXPECT_FALSE(values->DaylightSaving);

    const std::vector<std::string> five(RaviTexts.begin(), RaviTexts.begin() + 5);
    EXPECT_FALSE(ReadReadingFile(FileOf(five))) << "the minute is missing";
    EXPECT_FALSE(ReadReadingFile(""));
}

TEST(ReadingFileEntry, NameKeepsItsBlanksAndLfOnlyFilesAreOneLine)
{
    EXPECT_EQ(RaviWith(1, "  Ravi ")->Name, "  Ravi ");

    std::string lfOnly;
    for (const auto& text : RaviTexts) {
        lfOnly += EncodeLine(text) + "\n";
    }
    const auto lines = ReadReadingFileLines(lfOnly);
    EXPECT_EQ(DecodeLine(lines[0]), "Ravi31219757577132839530100");
    EXPECT_FALSE(EntryFromReadingFileLines(lines));
}

TEST(ReadingFileExtension, LastThreeCharactersMustBeRas)
{
    const std::pair<const char*, bool> cases[] = {
        {"reading.ras", true}, {"a.ras", true}, {"xras", true}, {"ras", true}, {"/home/u/readingras", true},
        {"reading.RAS", false}, {"reading.Ras", false}, {"ra", false}, {"", false}, {"reading.ras.txt", false},
        {"reading.ras ", false},
    };
    for (const auto& [name, accepted] : cases) {
        EXPECT_EQ(HasReadingFileExtension(name), accepted) << name;
    }
}

std::string FileWith(std::size_t index, std::string text)
{
    auto texts = RaviTexts;
    texts[index] = std::move(text);
    return FileOf(texts);
}

TEST(ReadingFileCheck, SaysWhyAFileDoesNotOpen)
{
    using F = ReadingFileFault;
    std::string lfOnly;
    for (const auto& text : RaviTexts) {
        lfOnly += EncodeLine(text) + "\n";
    }
    const std::vector<std::string> firstThree(RaviTexts.begin(), RaviTexts.begin() + 3);
    const struct {
        const char* Note;
        std::string Bytes;
        ReadingFileProblem Problem;
    } cases[] = {
        {"empty", "", {F::Empty}},
        {"a Sun raster image", Bytes({0x59, 0xA6, 0x6A, 0x95, 0, 0, 0, 8}) + "\r\n", {F::NotAReading}},
        {"LF line ends", lfOnly, {F::NotAReading}},
        {"three lines", FileOf(firstThree), {F::EndsEarly, 4}},
        {"month 13", FileWith(1, "13"), {F::LineUnreadable, 2}},
        {"day left empty", FileWith(2, ""), {F::LineUnreadable, 3}},
        {"year 1900", FileWith(3, "1900"), {F::LineUnreadable, 4}},
        {"hour 24", FileWith(4, "24"), {F::LineUnreadable, 5}},
        {"minute 07", FileWith(5, "07"), {F::LineUnreadable, 6}},
        {"a first line past the budget", std::string(2 * ReadingFileByteBudget, '\xB6'), {F::TooLarge, 2}},
    };
    for (const auto& c : cases) {
        const ReadingFileCheck check = CheckReadingFile(c.Bytes);
        EXPECT_FALSE(check.Entry) << c.Note;
        EXPECT_EQ(check.Problem, c.Problem) << c.Note;
    }
    const ReadingFileCheck good = CheckReadingFile(FileOf(RaviTexts));
    ASSERT_TRUE(good.Entry);
    EXPECT_EQ(good.Entry, ReadReadingFile(FileOf(RaviTexts)));
}

TEST(ReadingFileCheck, DescribesTheProblemWithTheFilesName)
{
    using F = ReadingFileFault;
    const std::pair<ReadingFileProblem, const char*> cases[] = {
        {{F::Missing}, "\"a.ras\" does not exist."},
        {{F::EndsEarly, 4}, "\"a.ras\" ends before line 4; a reading has 15 lines."},
        {{F::LineUnreadable, 2}, "Line 2 of \"a.ras\" holds no month from 1 to 12."},
        {{F::LineUnreadable, 4}, "Line 4 of \"a.ras\" holds no year from 1901 to 2050."},
    };
    for (const auto& [problem, text] : cases) {
        EXPECT_EQ(English(DescribeReadingFileProblem("a.ras", problem)), text);
    }
}

}  // namespace
}  // namespace orvanta
