#include <gtest/gtest.h>

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
