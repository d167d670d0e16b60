// The segmenter patterns run an equivalent form of the text as written (see segmenter.cpp). These
// tests run both side by side on generated texts and require the same matches, spans and groups.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/text.hpp"

namespace {

// Pieces that stress the list-marker and keyword alternatives: blank runs across line ends,
// markers with and without the white space after them, keywords, capitals and non-ASCII letters.
const std::vector<std::string> PIECES = {
    "\n", "\n", "\n", " ", " ", "\t", "\r", "\r\n", "\xc2\xa0", "\xe2\x80\xa8", "\xe3\x80\x80",
    "1", "23", "\xd9\xa3",  // ARABIC-INDIC DIGIT THREE
    ".", ")", ",", ":", "-", "\xe2\x80\xa2", "*", "\xc2\xb7", "x", "T", "p", "L", "\xc3\xa9", "\xc5\xbf",
    "\xe2\x84\xaa", "target", "TARGET", "sub", "payment", "terms", "term", "lead", "time", "Lead-time",
};

std::string generate(std::mt19937& rng) {
    std::string s;
    const std::size_t n = rng() % 40;
    for (std::size_t i = 0; i < n; ++i) s += PIECES[rng() % PIECES.size()];
    return s;
}

std::vector<std::size_t> boundaries(std::string_view s) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i <= s.size(); i += i < s.size() ? tarsk::utf8_length(static_cast<unsigned char>(s[i])) : 1)
        out.push_back(i);
    return out;
}

void expect_same(const tarsk::Pattern& quoted, const tarsk::Pattern& run, const std::string& s) {
    const auto a = quoted.find_all(s);
    const auto b = run.find_all(s);
    ASSERT_EQ(a.size(), b.size()) << '"' << s << '"';
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].groups, b[i].groups) << '"' << s << '"';
    ASSERT_EQ(quoted.is_match(s), run.is_match(s)) << '"' << s << '"';
    for (std::size_t off : boundaries(s)) {
        const auto fa = quoted.find(s, off);
        const auto fb = run.find(s, off);
        ASSERT_EQ(fa.has_value(), fb.has_value()) << '"' << s << "\" from " << off;
        if (fa) {
            ASSERT_EQ(fa->groups, fb->groups) << '"' << s << "\" from " << off;
        }
    }
}

const tarsk::Pattern* const RUN_FORMS[] = {
    &brellin::RFQ_DETECT_RE(),    &brellin::NUMBERED_ITEM_RE(), &brellin::BULLET_ITEM_RE(),
    &brellin::ITEM_LINE_RE(),     &brellin::TRADE_HEADER_RE(),  &brellin::CURRENCY_RE(),
    &brellin::INCOTERM_PLACE_RE(), &brellin::INCOTERM_RE(),     &brellin::DESTINATION_RE(),
    &brellin::LEAD_TIME_RE(),     &brellin::PAYMENT_RE(),
};

TEST(PatternForms, CompiledFormsAgreeWithTheWrittenPatterns) {
    std::mt19937 rng(2024);
    int compared = 0;
    for (const tarsk::Pattern* run : RUN_FORMS) {
        if (run->compiled_text().empty()) continue;
        ++compared;
        const tarsk::Pattern quoted(run->text());
        for (int round = 0; round < 20000; ++round) {
            expect_same(quoted, *run, generate(rng));
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_EQ(compared, 3);  // the three list-marker patterns
}

// Hand-made texts at the edges of a blank run: where the run ends in a marker, in something
// else, or at the text end, and matches that end inside or right before such a run.
TEST(PatternForms, AgreeAtBlankRunEdges) {
    const char* texts[] = {
        "\n\n\n1. a", "\n \n\t\n1.", "\n\n\nx\n\n2) b", "- \n\n\n1. x", "-\n\n\n1. x", "1.\n\n\n",
        "a\n  \n  \n  - b\n  \n*\n", "\n\n\n", "target\n\n5", "\n\n\ntarget 5", "1)\r\n\r\n2)\r\n",
        "\xc2\xb7\xc2\xa0\n\xe2\x80\xa2\n", "\n\n\xd9\xa3. x",
    };
    for (const tarsk::Pattern* run : RUN_FORMS) {
        if (run->compiled_text().empty()) continue;
        const tarsk::Pattern quoted(run->text());
        for (const char* t : texts) expect_same(quoted, *run, t);
    }
}

}  // namespace
