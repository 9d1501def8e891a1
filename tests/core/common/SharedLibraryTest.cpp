// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/SharedLibrary.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A library opened on first use answers a missing library or call with a
// reason, never with a call that would jump nowhere.
TEST(SharedLibrary, FindsWhatIsThereAndSaysWhyNot)
{
    const struct {
        const char* Library;
        const char* Symbol;
        bool Found;
    } cases[] = {
        {"libm.so.6", "cos", true},
        {"libm.so.6", "orvanta_no_such_call", false},
        {"liborvanta-no-such-library.so.0", "cos", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Library) + " " + c.Symbol);
        SharedLibrary library(c.Library);
        double (*cosine)(double) = nullptr;
        EXPECT_EQ(library.Find(cosine, c.Symbol), c.Found);
        EXPECT_EQ(cosine != nullptr, c.Found);
        EXPECT_EQ(library.Problem().empty(), c.Found) << library.Problem();
    }
}

}  // namespace
}  // namespace orvanta
