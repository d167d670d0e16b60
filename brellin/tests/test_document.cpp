#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "brellin/document.hpp"

namespace {

TEST(UnescapeText, OnlyBackslashNAndBackslashT) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"\\na", "\na"},
        {"\\\\n", "\\\n"},
        {"a\\tb", "a\tb"},
        {"\\r\\", "\\r\\"},
        {"\\", "\\"},
        {"\\\\t", "\\\t"},
        {"\\n\\t\\n", "\n\t\n"},
        {"\\x \\N \\T", "\\x \\N \\T"},
        {"1. a\\n2. b", "1. a\n2. b"},
        {std::string("x\0\\ny", 5), std::string("x\0\ny", 4)},
        {"gi\xC3\xA1\\tt\xE1\xBB\x91t", "gi\xC3\xA1\tt\xE1\xBB\x91t"},
    };
    for (const auto& c : cases) {
        const std::string once = brellin::unescape_text(c.in);
        EXPECT_EQ(once, c.out) << c.in;
        EXPECT_EQ(brellin::unescape_text(once), once) << c.in;
    }
}

// The one pass against the two replacements done in turn, on texts of backslashes, n, t and x.
TEST(UnescapeText, OnePassEqualsTheTwoReplacementsInTurn) {
    const auto replace = [](const std::string& text, char escape, char by) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == escape) {
                out += by;
                ++i;
            } else {
                out += text[i];
            }
        }
        return out;
    };
    std::mt19937 rng(3);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::size_t n = rng() % 12; n > 0; --n) text += "\\ntx"[rng() % 4];
        EXPECT_EQ(brellin::unescape_text(text), replace(replace(text, 'n', '\n'), 't', '\t')) << text;
    }
}

TEST(ParseRfqDocument, EmptyTextGivesEmptyResult) {
    const auto result = brellin::parse_rfq_document("");
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.report, "");
    EXPECT_TRUE(result.items.empty());
    EXPECT_FALSE(result.trade.currency || result.trade.incoterm || result.trade.destination ||
                 result.trade.lead_time || result.trade.payment);
}

TEST(ParseRfqDocument, RejectsInvalidUtf8) {
    for (const char* bad : {"1. \xFF shirts", "\xC3", "\xED\xA0\x80", "\xC0\xAF"})
        EXPECT_THROW(brellin::parse_rfq_document(bad), std::invalid_argument) << bad;
}

TEST(ParseRfqDocument, TextIsTheUnescapedDocument) {
    EXPECT_EQ(brellin::parse_rfq_document("1. a\\n2. b\\tc \\r").text, "1. a\n2. b\tc \\r");
    EXPECT_EQ(brellin::parse_rfq_document("  padded \n").text, "  padded \n");
}

}  // namespace

TEST(ParseRfqDocument, SkippingSearchPhrasesChangesNothingElse) {
    const std::string text = "1. Steel pipe 2000X1000 MM, 5mm, 10 pcs (China)\n2. 5 5 5 5 valve 2mm 3mm\nLead time: 3 days";
    const auto full = brellin::parse_rfq_document(text);
    const auto lean = brellin::parse_rfq_document(text, brellin::SearchPhrases::Skip);
    ASSERT_EQ(full.items.size(), lean.items.size());
    EXPECT_FALSE(full.items[0].queries.empty());
    for (std::size_t i = 0; i < full.items.size(); ++i) {
        EXPECT_TRUE(lean.items[i].queries.empty());
        EXPECT_EQ(full.items[i].dims, lean.items[i].dims);
        EXPECT_EQ(full.items[i].group_text, lean.items[i].group_text);
        EXPECT_EQ(full.items[i].qty, lean.items[i].qty);
        EXPECT_EQ(full.items[i].groups.size(), lean.items[i].groups.size());
    }
    EXPECT_EQ(full.report, lean.report);
    EXPECT_EQ(full.trade.lead_time, lean.trade.lead_time);
}
