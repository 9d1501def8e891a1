// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/TextEncoding.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(TextEncoding, CutsOnlyBetweenCharacters)
{
    const std::string moon = "a\xF0\x9F\x8C\x99";  // "a" and a four-byte crescent Moon
    EXPECT_EQ(CutAtCharacter(moon, 5), moon);
    for (std::size_t bytes = 1; bytes < 5; ++bytes) {
        EXPECT_EQ(CutAtCharacter(moon, bytes), "a") << bytes;
    }
    EXPECT_EQ(Utf16Length(moon), 3u);
    EXPECT_FALSE(Utf16Length("\xED\xA0\x80"));  // a surrogate written as UTF-8
    std::string back;
    std::size_t pos = 1;
    AppendUtf8(back, *NextCharacter(moon, pos));
    EXPECT_EQ(back, moon.substr(1));
}

TEST(TextEncoding, PercentEncodingRoundTripsAndRefusesLooseText)
{
    EXPECT_EQ(PercentEncode("Jos\xC3\xA9 /x"), "Jos%C3%A9%20%2Fx");
    EXPECT_EQ(PercentEncode("/tmp/a b", "/"), "/tmp/a%20b");
    EXPECT_EQ(PercentDecode("Jos%c3%A9%20%2Fx"), "Jos\xC3\xA9 /x");
    for (const char* loose : {"a b", "%", "%2", "%G0", "a/b"}) {
        EXPECT_FALSE(PercentDecode(loose)) << loose;
    }
}

}  // namespace
}  // namespace orvanta
