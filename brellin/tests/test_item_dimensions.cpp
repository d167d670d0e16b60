#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "dims_items.hpp"
#include "same_as_plain.hpp"

namespace {

TEST(TakeDimensions, CutsThatJoinOrPrecedeTheMatch) {
    // A cut that joins text into a new phrase before it, an earlier copy of a phrase whose unit
    // runs on into a word, phrases that eat the digits before them, and uneven letters.
    const char* const texts[] = {
        "5 k1mmg",        "5mx5mx5mx 5m",    "1111 5mm 5mm",  "a1x2mm3mm",      "5 m\u00E9t, 20 x 5 m",
        "box1mmx 1mm",    "2 layers 2 l",    "5 kgs 5 kg, 5 kg", "steel 2x3 cm, steel 2x3 cm", "1.5 x1mmmm",
        "3 months 3 m",   "x5mm5mm5mm",      "mmmmmmmm5mm1mm", "\u0130 5mm 5mm", "\u212A 5mm", "5 \u212Ag 5kg",
        ",5mm,5mm,,5mm",  "5 mm5 mm5 mmx",   "inches 5 inch 5 inches", "5 \u017Fpsi 5 psi", "5 mx qqqqqqqq1mm q;5 m", "5 k1mm1mmg", "q \u212A5mm2mm", "5mx5mx5mx5mxq5m", "5 k5mx5mx q5m", "1x5mx1x5mxq1x5m", "1.5mx1.5mxq1.5m", "5mx5mx, 5mxq5m5mx", "5m5m 5m 5 mz", "\u0130\u212A5mm \u1E9E5mm",
        // A unit spelled across a cut ("1m" + "l"): the copy " 1ml" before it is found.
        " 1m2mLL2m 1mL",
        // A copy of 17 bytes whose last blank is three bytes long, across the 16-byte class limit.
        "\u2003 49,57\u2003X1khzf\u2003 49,57\u2003X1khz",
    };
    for (const char* t : texts) ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(t));
}

TEST(TakeDimensions, RepeatedPhrasesBetweenLeftoverNumbers) {
    // Numbers left between cut phrases, and copies ending where a unit runs on into a word:
    // the cases where the search must not look back over everything already settled.
    for (const char* unit : {"  2mm 5,", "mm,1vx2mm", "×  K2mm|Kkgx2mm5,2", "2in   mm2x1mmkg,2kg", "5 5 5mm"}) {
        std::string text = "K.";
        while (text.size() < 3000) text += unit;
        ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(text));
    }
}

// `head`, then free phrases of every length from 1 digit to 60: each length is looked up once
// among the copies (with `lead` "2" none of them is found, so every end is read for each).
std::string many_lengths(std::string head, const std::string& lead) {
    for (int i = 1; i <= 60; ++i) head += " q" + lead + std::string(static_cast<std::size_t>(i), '1') + " v";
    return head;
}

TEST(TakeDimensions, SameAsPlainOnHostileFamilies) {
    // Families built against a search resumed after each cut: earlier copies glued to a letter,
    // long runs next to cut points, chains that move from one unit to the next, copies that
    // share their last bytes, and many copies of one phrase behind different chains.
    const auto repeat = [](const std::string& unit, std::size_t n) {
        std::string s;
        while (s.size() < n) s += unit;
        return s;
    };
    std::string glued;
    std::string free;
    for (int i = 10; glued.size() < 600; ++i) {
        glued += std::to_string(i) + " v";
        free += " q" + std::to_string(i) + " v";
    }
    std::string near_miss;
    for (int i = 0; i < 40; ++i) near_miss += " " + std::to_string(100 + i) + "12345678 vq";
    for (int i = 0; i < 40; ++i) near_miss += " q" + std::to_string(100 + i) + "12345678 v";
    std::string beside_run = "1x";
    for (int i = 0; i < 60; ++i) beside_run += std::to_string(i) + "v0x";
    beside_run += std::string(500, '9') + " q";
    for (int i = 59; i >= 0; --i) beside_run += " q" + std::to_string(i) + "v";
    const std::string texts[] = {
        "- pipe 5 vq abc 1 mm" + repeat(" 5 v", 1500),
        "- pipe " + std::string(1000, '1') + repeat(" 5 v", 1000),
        repeat("5 k1mm1mmg", 2000),
        repeat("1x", 1000) + repeat("5 v", 1000),
        repeat("1x", 600) + glued + "q" + free,
        repeat("1x", 300) + glued + "q" + free + " q1x1x1x1x10 v q9x1x11 v",
        near_miss,
        beside_run,
        repeat("1x70 v3 vq ", 800) + "q70 v" + repeat(" q9x3 v", 200) + repeat(" q1x3 v", 20),
        repeat("1.", 300) + glued + repeat("9", 300) + " q" + free,
        repeat("1 x", 300) + glued + "x" + repeat(" ", 300) + "2 mm" + free,
        "- pipe " + repeat("1x", 1500) + "1 mm",
        repeat("5 ps\u0130", 300) + repeat(" 5 psi", 300),
        many_lengths(repeat("5 vq", 600), ""),
        many_lengths(repeat(std::string(40, '1') + " vq", 30), "2"),
        many_lengths(repeat(std::string(40, '1') + " vq", 30), ""),
    };
    for (const std::string& t : texts) ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(t));
}

TEST(TakeDimensions, SameAsPlainOnGeneratedItems) {
    const std::vector<std::string> pieces = {
        " ", "  ", ",", ", ", ".", "1", "5", "20", "1,5", "2.5", "x", " x ", "\u00D7", "mm", "cm", "m", "kg",
        "ml", "l", "kw", "v", "ah", "w", "hz", "khz", "rpm", "psi", "bar", "inch", "inches", "oz", "s", "e",
        "steel", "t", "a", "5mx", "q", "5m", "\u00E9", "\u0130", "\u212A", "\u017F", "(", ")", "\u0663",
    };
    expect_same_as_plain_on_random_items(pieces, 77, 20000, 24);
}

TEST(TakeDimensions, SameAsPlainOnAgreementItems) {
    // The items bench/dims_agreement draws, a short run of them: pieces, random repeated units
    // and the hostile families built small. Item i is made from the seed and i alone, so a
    // failure names an item that the long runner makes again.
    for (std::uint64_t i = 0; i < 300'000; ++i) {
        ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(growth::dims_item(1, i)));
        if (HasFatalFailure()) {
            ADD_FAILURE() << "item " << i << " of seed 1";
            return;
        }
    }
}

}  // namespace
