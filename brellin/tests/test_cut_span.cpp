#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "brellin/item_normalizer.hpp"
#include "lower_case.hpp"
#include "tarsk/text.hpp"
#include "item_steps.hpp"

using brellin::cut_span;

namespace {

// Characters whose lower-case form has another byte length.
const char* const UNEVEN[] = {"\u0130", "\u212A", "\u2126", "\u212B", "\u1E9E"};

TEST(CutSpan, UnevenCharactersAnywhereNeverShiftTheCut) {
    for (const char* u : UNEVEN) {
        SCOPED_TRACE(u);
        const std::string before = std::string(u) + "ab" + u + " ";
        const std::string after = std::string(" ") + u + "z" + u;
        const std::string working = before + "Cut Me" + after;
        const std::string lowered = tarsk::to_lower(working);
        const std::size_t at = lowered.find("cut me");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(cut_span(working, lowered, at, at + 6), before + after);
        // The uneven characters themselves are cut whole.
        const std::size_t first = tarsk::to_lower(u).size();
        EXPECT_EQ(cut_span(working, lowered, 0, first), working.substr(std::string(u).size()));
    }
}

TEST(CutSpan, BoundaryInsideOneCharactersFormTakesTheCharacter) {
    // U+0130 lowers to "i" + U+0307: a span ending after the "i" still takes the whole letter.
    const std::string working = "C\u0130 x";
    const std::string lowered = tarsk::to_lower(working);
    ASSERT_EQ(lowered, "ci\u0307 x");
    EXPECT_EQ(cut_span(working, lowered, 0, 2), " x");
    EXPECT_EQ(cut_span(working, lowered, 2, 4), "C x");  // starts on the combining dot
}

TEST(CutSpan, EmptyAndOverlongSpans) {
    const std::string working = "Abc";
    const std::string lowered = "abc";
    EXPECT_EQ(cut_span(working, lowered, 1, 1), "Abc");
    EXPECT_EQ(cut_span(working, lowered, 2, 1), "Abc");
    EXPECT_EQ(cut_span(working, lowered, 1, 99), "A");
    EXPECT_EQ(cut_span("", "", 0, 3), "");
}

// ASCII text takes a shortcut; a character beyond ASCII after it sends the same spans through
// the character walk, which must agree on every span inside the ASCII part.
TEST(CarrySpan, AsciiShortcutAgreesWithTheCharacterWalk) {
    const std::string ascii = "Ab, c (D)";
    const std::string mixed = ascii + "\u00C9";
    const std::string ascii_lowered = tarsk::to_lower(ascii);
    const std::string mixed_lowered = tarsk::to_lower(mixed);
    for (std::size_t start = 0; start <= ascii.size(); ++start) {
        for (std::size_t end = 0; end <= ascii.size(); ++end) {
            const auto fast = brellin::carry_span(ascii, ascii_lowered, start, end);
            const auto walked = brellin::carry_span(mixed, mixed_lowered, start, end);
            EXPECT_EQ(fast.start, walked.start) << start << ' ' << end;
            EXPECT_EQ(fast.end, walked.end) << start << ' ' << end;
        }
    }
}

TEST(CutSpan, CopyOfAnotherTextIsAnInternalFault) {
    EXPECT_THROW(cut_span("abc", "abcd", 0, 1), std::logic_error);
}

}  // namespace
