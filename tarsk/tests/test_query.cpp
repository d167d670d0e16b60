#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "lexicon.hpp"
#include "parser_fixture.hpp"
#include "tarsk/parser.hpp"
#include "tarsk/query.hpp"
#include "tarsk/report.hpp"
#include "tarsk/tokenize.hpp"

using tarsk_test::describe;

TEST(ParseQuery, TextsWithoutItems) {
    const std::string odd[] = {"", "   ", " \t\n\u3000\u2028 "};
    for (const auto& text : odd) {
        const auto out = tarsk::parse_query(text);
        EXPECT_TRUE(out.groups.empty()) << text;
        EXPECT_EQ(out.report, "");
        EXPECT_EQ(out.query, text);
    }
}

TEST(ParseQuery, RejectsInvalidUtf8) {
    for (const std::string bad : {"\xff", "abc\xc3", "\xed\xa0\x80", "\xc0\xaf"})
        EXPECT_THROW(tarsk::parse_query(bad), std::invalid_argument) << bad.size();
}

TEST(ParseQuery, EndToEnd) {
    struct Case {
        std::string text;
        std::vector<std::string> groups;
    } cases[] = {
        {"red", {}},
        {std::string("\0\0", 2), {std::string("chunks=[\0\0]", 11)}},
        {"\u200d\U0001F600", {"chunks=[\u200d\U0001F600]"}},
        {"100 áo polo màu đỏ size M", {"qty=100 chunks=[áo polo] colors=[red] sizes=[M]"}},
        {"tôi cần mua 100 áo", {"qty=100 chunks=[áo]"}},
        {"5 cái hoặc 10 cái", {"qty=5 max=10 uom=cái"}},
        {"100 áo, 200 quần", {"qty=100 chunks=[áo<LS>]", "qty=200 chunks=[quần]"}},
        {"50 áo thun nam size xl đến xxl", {"qty=50 chunks=[áo thun] sizes=[XL,XXL] genders=[male]"}},
        {"giày size 38 đến 41", {"chunks=[giày] sizes=[38,39,40,41]"}},
        {"need 500 pcs polo shirt or t-shirt, red and navy, cotton",
         {"qty=500 uom=pcs chunks=[polo shirt<OR>|t-shirt] colors=[red,navy] materials=[cotton]"}},
        {"stainless steel valve dn50 astm a351 from germany, 20 pcs",
         {"qty=20 uom=pcs chunks=[valve from<LS>] sizes=[DN50] materials=[stainless_steel,steel] "
          "standards=[ASTM A351] ambiguous=[Germany]"}},
        {"cần mua 200 cái áo polo cotton màu trắng, 100 quần jean",
         {"qty=200 uom=cái chunks=[áo polo<LS>] colors=[white] materials=[cotton]", "qty=100 chunks=[quần jean]"}},
        {"  100 áo  ", {"qty=100 chunks=[áo]"}},
    };
    for (const auto& c : cases) {
        const auto out = tarsk::parse_query(c.text);
        EXPECT_EQ(describe(out.groups), c.groups) << c.text;
        EXPECT_EQ(out.query, c.text);
        EXPECT_EQ(out.report.empty(), out.groups.empty()) << c.text;
    }
}

TEST(ParseQuery, Reports) {
    struct Case {
        const char* text;
        const char* report;
    } cases[] = {
        {"100 áo, 200 quần",
         "GROUP_1:\n  QTY: 100\n  UOM: null\n  CHUNKS: [áo]\n\nGROUP_2:\n  QTY: 200\n  UOM: null\n  CHUNKS: [quần]"},
        {"stainless steel valve dn50 astm a351 from germany, 20 pcs",
         "GROUP_1:\n  QTY: 20\n  UOM: pcs\n  CHUNKS: [valve from]\n  SIZE: [DN50]\n"
         "  MATERIAL: [stainless_steel, steel]\n  STANDARD: [ASTM A351]\n  AMBIGUOUS: [Germany]"},
        {"18446744073709551616 kg", "GROUP_1:\n  QTY: 18446744073709551615\n  UOM: kg\n  CHUNKS: [_]"},
    };
    for (const auto& c : cases) EXPECT_EQ(tarsk::parse_query(c.text).report, c.report) << c.text;
}

TEST(ParseQuery, HugeNumbers) {
    const auto big = tarsk::parse_query("18446744073709551616 kg");
    ASSERT_EQ(big.groups.size(), 1u);
    EXPECT_EQ(*big.groups[0].qty, 18446744073709551616.0);

    const auto out = tarsk::parse_query("1" + std::string(400, '0') + " kg");
    ASSERT_EQ(out.groups.size(), 1u);
    EXPECT_TRUE(std::isinf(*out.groups[0].qty));
    EXPECT_EQ(out.groups[0].uom, "kg");
    EXPECT_EQ(out.report, "GROUP_1:\n  QTY: inf\n  UOM: kg\n  CHUNKS: [_]");
}

namespace {

// Queries put together from every lexicon key, numbers, units, standards and odd characters.
std::vector<std::string> generated_queries(int count) {
    const auto& lx = tarsk::lexicon();
    std::vector<std::string> pieces = {"5",    "1,5", "2.5",  "0",      "١٢",  "38",     "100",   ",",   "/",
                                       ".",    "-",   "(",    ")",      "!",   "áo",     "Quần",  "ÁO",  "jean",
                                       "shirt", "ΣΑΣ", "İ",   "iso 9001", "ASTM A53", "din straße", "\u00a0",
                                       "\t",   "x2",  "m²",   "size 38 40"};
    for (const tarsk::LexiconField& f : tarsk::lexicon_fields(lx))
        for (const auto key : f.keys) pieces.emplace_back(key);
    std::mt19937 rng(2024);
    std::vector<std::string> queries;
    for (int n = 0; n < count; ++n) {
        std::string q;
        for (int k = rng() % 12; k >= 0; --k) {
            q += pieces[rng() % pieces.size()];
            if (rng() % 4 != 0) q += ' ';
        }
        queries.push_back(std::move(q));
    }
    return queries;
}

}  // namespace

TEST(ParseQuery, GroupsOnlyGivesTheSameGroups) {
    // Also: the groups of parse_query are those of parse_tokens over tokenize's merged words, and
    // FirstGroupOnly gives the first of them.
    for (const auto& text : generated_queries(4000)) {
        const auto all = tarsk::parse_query(text);
        const auto groups_only = tarsk::parse_query(text, tarsk::QueryParts::GroupsOnly);
        ASSERT_EQ(describe(groups_only.groups), describe(all.groups)) << text;
        auto first = all.groups;
        if (first.size() > 1) first.resize(1);
        ASSERT_EQ(describe(tarsk::parse_query(text, tarsk::QueryParts::FirstGroupOnly).groups), describe(first)) << text;
        ASSERT_EQ(describe(tarsk::parse_tokens(tarsk::tokenize(text))), describe(all.groups)) << text;
        ASSERT_EQ(all.query, text);
        ASSERT_EQ(all.report, tarsk::render_report(all.groups));
        ASSERT_TRUE(groups_only.report.empty() && groups_only.query.empty());
    }
}
