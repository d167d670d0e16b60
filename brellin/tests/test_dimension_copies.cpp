// The copy index against the plain step, on texts built for its parts: windows over long runs
// (read by their prefix hashes) that agree far back and differ further on, runs that a cut joins
// again and again, stacks of hashes dropped in a join, and many ends with one window.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "same_as_plain.hpp"

namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(CopyIndex, WindowsOverLongRunsThatDifferFarBack) {
    // Ends over runs of 40 and more spacers that agree on their last 30 to 60 characters; the
    // phrases later ask for every length, so the order of the windows is decided by their hashes.
    std::string ends;
    std::string phrases;
    for (int i = 0; i < 12; ++i) {
        const std::string run = std::to_string(i) + std::string(static_cast<std::size_t>(30 + 3 * i), '1') + " ";
        ends += "a" + run + "vq";
        ends += "b" + std::to_string(i) + std::string(static_cast<std::size_t>(30 + 3 * i), '1') + "\u2003vq";
    }
    for (int k = 1; k < 70; k += 3) phrases += " q" + std::string(static_cast<std::size_t>(k), '1') + " v";
    for (int i = 11; i >= 0; i -= 2) phrases += " q" + std::to_string(i) + std::string(static_cast<std::size_t>(30 + 3 * i), '1') + " v";
    expect_same_as_plain(ends + phrases);
    expect_same_as_plain(phrases + ends + phrases);
}

TEST(CopyIndex, WindowsAroundTheLengthWhereRunsGetStacks) {
    // A copy whose window is the whole run and unit, for runs on either side of the length from
    // which a run keeps a stack of hashes, and units of one to six letters: a window read short
    // would miss the copy and cut the match instead.
    std::string text;
    for (std::size_t len = 12; len <= 20; ++len) {
        for (const std::string unit : {"m", "kw", "kva", "inch", "inches"}) {
            const std::string phrase = std::string(len - 1, '1') + " " + unit;
            text += "a" + phrase + "q b" + phrase + " ";
        }
    }
    ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(text));
}

TEST(CopyIndex, CopyCutFromARunWithAStack) {
    // A copy cut off the top of a run that has a stack of hashes; the spacers after the cut are
    // then pushed onto that stack, and a later phrase's copy ends after them.
    const std::string run(20, '2');
    expect_same_as_plain("a" + run + "1 m5 vq b1 m c" + run + "5 v ");
    expect_same_as_plain("a" + run + "1 m5 vq b1 m c" + run.substr(3) + "5 v d" + run + "5 v ");
}

TEST(CopyIndex, RunsThatCutsJoinAgain) {
    // A copy cut next to a long run joins it to the next phrase's spacers, with and without a
    // stack of hashes on either side; the matches come later and walk the joined runs back.
    const std::string texts[] = {
        repeat(std::string(40, '1') + "5 m6 m7 m8 m9 mZ ", 6) + repeat(" a5 m", 6) + repeat(" a6 m", 6) + repeat(" a7 m", 6),
        repeat(std::string(3, '1') + "5 m6 m7 m8 m9 mZ ", 6) + repeat(" a5 m", 6) + repeat(" q115 m a6 m", 6),
        repeat("1 1" + std::string(20, '2') + "5 m5 m5 mZ ", 4) + repeat(" a5 m", 12) + " q" + std::string(20, '2') + "5 m",
        repeat(std::string(17, '3') + " x 4 v" + std::string(17, '3') + " x 4 vq", 5) + repeat(" q33 x 4 v", 10),
        repeat("9,5" + std::string(18, '0') + "v" + std::string(18, '0') + "vx", 8) + repeat(" q" + std::string(18, '0') + "v", 16),
    };
    for (const std::string& t : texts) ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(t));
}

TEST(CopyIndex, ManyEndsWithOneWindow) {
    // One window for thousands of ends, taken from the front one at a time; and the same with two
    // windows that differ in their first character only.
    expect_same_as_plain(repeat("1m", 1000));
    expect_same_as_plain(repeat("1m2m", 500) + " q2m q1m");
    expect_same_as_plain(repeat(std::string(20, '7') + "mw", 200) + repeat(" q" + std::string(20, '7') + "mw", 50));
}

TEST(CopyIndex, SameAsPlainOnItemsWithLongRuns) {
    // Random items whose pieces make runs of spacers past the length read through the links.
    const std::vector<std::string> pieces = {
        "1111111111", "22222222222222222", "3", "  ", " ", ",", ".", "x", " x ", "\u2003", "\u0663\u0663\u0663",
        "m", "v", "mw", "kva", "psi", "q", "vq", "mq", "5 m", "5m", "inches", "\u0130", "\u212A", "a", "Z",
    };
    expect_same_as_plain_on_random_items(pieces, 2026, 20000, 40);
}

}  // namespace
