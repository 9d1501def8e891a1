#include "reading/RashiParagraphs.h"

namespace orvanta {

const std::array<RashiParagraphs, 12>& RashiParagraphTexts()
{
    // The texts themselves follow in the next change; the lookup and its
    // callers only need the rows to exist.
    static constexpr std::array<RashiParagraphs, 12> texts{};
    return texts;
}

}  // namespace orvanta
