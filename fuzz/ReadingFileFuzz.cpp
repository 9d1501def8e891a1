// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the reading file: any bytes go through the line
// reader, the decoder and the value check, and the codec's round trips must
// hold for them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/report/ReadingFile.h"

namespace {

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "reading-file fuzz: %s\n", what);
        std::abort();
    }
}

std::string StoredBytes(std::string_view bytes)
{
    std::string kept;
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 85) {
            kept += b;
        }
    }
    return kept;
}

void CheckReader(std::string_view bytes)
{
    using namespace orvanta;
    const ReadingFileLines lines = ReadReadingFileLines(bytes);
    std::size_t total = 0;
    for (std::size_t i = 0; i < lines.Lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t limit = i == ReadingFileNameLineIndex ? ReadingFileMaxNameLineBytes : ReadingFileMaxLineBytes;
        Check(line.size() <= limit, "line longer than the limit");
        Check(line.find('\r') == std::string::npos, "CR inside a line");
        total += line.size();
    }
    Check(total <= ReadingFileByteBudget, "more kept than the budget");

    std::istringstream in{std::string(bytes)};
    Check(ReadReadingFileLines(in) == lines, "stream and span readers disagree");
    Check(static_cast<std::size_t>(in.tellg()) <= ReadingFileByteBudget, "read past the byte budget");

    const auto values = EntryFromReadingFileLines(lines);
    if (values) {
        Check(EncodeLine(values->Name) == StoredBytes(lines[0]), "the name disagrees with line 1");
        Check(values->MonthIndex >= 0 && values->MonthIndex <= 11, "month index outside the list");
        Check(!values->DayText.empty() && !values->YearText.empty() && !values->HourText.empty() &&
                  !values->MinuteText.empty() && values->DayIndex == std::stoi(values->DayText) - 1,
              "accepted an empty list value");
    }

    // The reason a file is refused names a line of the date or time when it
    // names one at all, and has a text.
    const ReadingFileCheck check = CheckReadingFile(bytes);
    Check(check.Entry.has_value() == values.has_value(), "the check and the reader disagree");
    if (!check.Entry) {
        const bool names = check.Problem.Fault == ReadingFileFault::LineUnreadable ||
                           check.Problem.Fault == ReadingFileFault::EndsEarly ||
                           check.Problem.Fault == ReadingFileFault::TooLarge;
        Check(names ? check.Problem.Line >= 2 && check.Problem.Line <= 6 : check.Problem.Line == 0,
              "a refusal's line outside the date and time");
        Check(!English(DescribeReadingFileProblem("a.ras", check.Problem)).empty(), "a refusal without a text");
    }
}

void CheckCodec(std::string_view bytes)
{
    using namespace orvanta;
    const std::string decoded = DecodeLine(bytes);
    Check(EncodeLine(decoded) == StoredBytes(bytes), "EncodeLine(DecodeLine(x)) lost or changed bytes");

    // The same input read as UTF-8 text: whatever is kept is stored bytes only
    // and survives a second round unchanged.
    const std::string encoded = EncodeLine(bytes);
    Check(StoredBytes(encoded) == encoded, "EncodeLine produced a byte below 85");
    Check(EncodeLine(DecodeLine(encoded)) == encoded, "encoding is not stable");

    // A valid text of codes 0..170 made from the input comes back whole.
    std::string codes;
    for (const char b : bytes) {
        codes += static_cast<char>(85 + static_cast<unsigned char>(b) % 171);
    }
    const std::string text = DecodeLine(codes);
    Check(DecodeLine(EncodeLine(text)) == text, "DecodeLine(EncodeLine(t)) changed t");
}

void CheckWriter(std::string_view bytes)
{
    using namespace orvanta;
    if (bytes.size() < 30) {
        return;
    }
    const auto word = [&](std::size_t i) {
        return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 | static_cast<unsigned char>(bytes[2 * i + 1]));
    };
    BirthRecord r;
    std::int16_t* fields[] = {&r.BirthMonth, &r.BirthDay, &r.BirthYear, &r.BirthHour, &r.BirthMinute,
                              &r.LongitudeDegrees, &r.LongitudeMinutes, &r.LatitudeDegrees, &r.LatitudeMinutes,
                              &r.ZoneHours, &r.ZoneMinutes};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        *fields[i] = word(i);
    }
    r.LongitudeEast = bytes[22] & 1;
    r.LatitudeSouth = bytes[23] & 1;
    r.DaylightSaving = bytes[24] & 1;
    r.ZoneDirection = static_cast<ZoneSide>(static_cast<unsigned char>(bytes[25]) % 3);
    r.PersonName = std::string(bytes.substr(26, 4000));

    const ReadingFileLines lines = ReadReadingFileLines(EncodeReadingFile(r));
    Check(lines[0] == EncodeLine(r.PersonName), "name line");
    const std::int16_t numbers[] = {r.BirthMonth, r.BirthDay, r.BirthYear, r.BirthHour, r.BirthMinute,
                                    r.LongitudeDegrees, r.LongitudeMinutes, r.LatitudeDegrees, r.LatitudeMinutes,
                                    r.ZoneHours, r.ZoneMinutes};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const std::string text = DecodeLine(lines[i + 1]);
        if (i == 9) {  // the zone hours may carry the zone's own sign
            const bool signedZone = text.starts_with('+') || text.starts_with('-');
            Check(text == std::to_string(numbers[i]) ||
                      (signedZone && text.substr(1) == std::to_string(std::abs(int{numbers[i]}))),
                  "zone line");
            continue;
        }
        Check(text == std::to_string(numbers[i]), "number line");
    }
    // A name made whole of valid UTF-8 comes back whole.
    if (DecodeLine(EncodeLine(r.PersonName)) == r.PersonName || PercentDecodeName(PercentEncodeName(r.PersonName))) {
        const auto values = EntryFromReadingFileLines(lines);
        if (values) {
            Check(values->Name == r.PersonName, "the name did not come back whole");
        }
    }
    Check(DecodeLine(lines[12]) == (r.LongitudeEast ? "1" : "0"), "East flag");
    Check(DecodeLine(lines[13]) == (r.LatitudeSouth ? "1" : "0"), "South flag");
    Check(DecodeLine(lines[14]) == (r.DaylightSaving ? "1" : "0"), "DST flag");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReader(bytes);
    // An input that starts with a zero byte also stands for an endless file
    // repeating the rest, so over-long lines and the byte budget are reached
    // with small inputs.
    if (size > 1 && data[0] == 0) {
        std::string endless;
        while (endless.size() <= orvanta::ReadingFileByteBudget) {
            endless += bytes.substr(1);
        }
        CheckReader(endless);
    }
    CheckCodec(bytes);
    CheckWriter(bytes);
    return 0;
}
