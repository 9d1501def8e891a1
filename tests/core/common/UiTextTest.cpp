// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/common/UiText.h"

namespace orvanta {
namespace {

TEST(UiText, FillPatternReplacesEachPlaceOnce)
{
    const struct {
        const char* Pattern;
        std::vector<std::string> Parts;
        const char* Expected;
    } rows[] = {
        {"Moon in %1 from %2", {"Simha", "14 Jun"}, "Moon in Simha from 14 Jun"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 keeps %2 of its own", {"%2", "x"}, "%2 keeps x of its own"},  // one pass
        {"100% sure, %3 missing", {"a"}, "100% sure, %3 missing"},
        {"ends in %", {}, "ends in %"},
        {"%1%1", {"ab"}, "abab"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FillPattern(row.Pattern, row.Parts), row.Expected) << row.Pattern;
    }
}

TEST(UiText, EnglishFillsNestedParts)
{
    const UiText text = Compose(ORVANTA_TR("Test", "%1 and %2"),
                                {Verbatim("Mesha"), Compose(ORVANTA_TR("Test", "%1 minutes"), {Verbatim("6")})});
    EXPECT_EQ(English(text), "Mesha and 6 minutes");
    EXPECT_TRUE(Verbatim("x").IsPlain());
    EXPECT_FALSE(text.IsPlain());
}

}  // namespace
}  // namespace orvanta
