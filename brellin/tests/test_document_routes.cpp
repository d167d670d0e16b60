// parse_rfq_items against parse_rfq_document: the same items, field by field, but for the parts
// the lean route leaves out (groups after the first, group_text, queries, the rendered text).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "brellin/document.hpp"

namespace {

void expect_same_group(const tarsk::Group& full, const tarsk::Group& lean) {
    EXPECT_EQ(full.qty, lean.qty);
    EXPECT_EQ(full.qty_max, lean.qty_max);
    ASSERT_EQ(full.chunks.size(), lean.chunks.size());
    for (std::size_t c = 0; c < full.chunks.size(); ++c) {
        EXPECT_EQ(full.chunks[c].text, lean.chunks[c].text);
        EXPECT_EQ(full.chunks[c].connector, lean.chunks[c].connector);
    }
    EXPECT_EQ(full.colors, lean.colors);
    EXPECT_EQ(full.sizes, lean.sizes);
    EXPECT_EQ(full.materials, lean.materials);
    EXPECT_EQ(full.genders, lean.genders);
    EXPECT_EQ(full.specs, lean.specs);
    EXPECT_EQ(full.standards, lean.standards);
    EXPECT_EQ(full.ambiguous, lean.ambiguous);
    EXPECT_EQ(full.uom, lean.uom);
}

void expect_same_trade(const brellin::TradeTerms& full, const brellin::TradeTerms& lean) {
    EXPECT_EQ(full.currency, lean.currency);
    EXPECT_EQ(full.incoterm, lean.incoterm);
    EXPECT_EQ(full.destination, lean.destination);
    EXPECT_EQ(full.lead_time, lean.lead_time);
    EXPECT_EQ(full.payment, lean.payment);
}

void expect_same_items(const std::string& text) {
    SCOPED_TRACE(text);
    const brellin::RfqResult full = brellin::parse_rfq_document(text);
    std::vector<brellin::RfqItem> lean;
    const brellin::TradeTerms trade =
        brellin::parse_rfq_items(text, [&](brellin::RfqItem&& item) { lean.push_back(std::move(item)); });
    expect_same_trade(full.trade, trade);
    ASSERT_EQ(full.items.size(), lean.size());
    for (std::size_t i = 0; i < lean.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const brellin::RfqItem& want = full.items[i];
        const brellin::RfqItem& got = lean[i];
        EXPECT_EQ(got.index, want.index);
        EXPECT_EQ(got.qty, want.qty);
        EXPECT_EQ(got.price, want.price);
        EXPECT_EQ(got.dims, want.dims);
        EXPECT_EQ(got.uom, want.uom);
        EXPECT_EQ(got.currency, want.currency);
        EXPECT_EQ(got.origin, want.origin);
        EXPECT_TRUE(got.group_text.empty());
        EXPECT_TRUE(got.queries.empty());
        ASSERT_EQ(got.groups.size(), want.groups.empty() ? 0U : 1U);
        if (!got.groups.empty()) expect_same_group(want.groups.front(), got.groups.front());
    }
}

// Line pieces that reach every step of the normaliser and the query parser: quantities in both
// languages, prices, origins in the three forms, dimensions, several groups, connectors, labels,
// escapes and characters whose lower-case form has another length.
const char* const PIECES[] = {
    "500 pcs", "1,200 kg", "3.5 tons", "20ft fcl", "100 cái", "2 bộ", "12 thùng", "qty: n/a",
    "cotton polo shirts", "**steel pipe**", "Product: gloves", "spec: ISO 9001", "red", "XL", "size M to XXL",
    "men's", "nitrile", "target 2.5 USD", "target: 3 eur/pc", "@ 4", "giá mục tiêu 10000 VND",
    "(China)", "(trung quốc, loại 1)", "(vn)", ", vietnam", "xuất xứ việt nam", "xuất xứ Hàn Quốc",
    "200x300 mm", "10 x 20 x 30cm", "5mm", "220v", "50 hz", "12 inches", "3m", "1.5kw",
    "and", "or", "/", ",", "( , )", "100 pcs red shirts, 200 pcs blue t-shirts", "DN50 sch 40",
    "\xC4\xB0stanbul", "\xE2\x84\xAA" "elvin 5 kg", "\xC5\xBF" "pec: x", "\xE1\xBA\xA0O 3 b\xE1\xBB\x99",
    "ASTM A106", "navy", "1. nested", "", "   ", "...", "\\t", "(", ")",
};

const char* const TRADE_LINES[] = {
    "Currency: USD", "Incoterm FOB Shanghai", "CIF Singapore", "Lead time: 30 days", "Payment terms: T/T 30%",
    "Delivery to Hai Phong", "payment: L/C at sight", "leadtime 2 weeks",
};

const char* const MARKERS[] = {"1. ", "2) ", "- ", "* ", "\xE2\x80\xA2 ", "\xC2\xB7 ", "", "10. "};

std::string generated_document(std::mt19937& rng) {
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    std::string text = pick(3) == 0 ? "Please quote the following:\n" : "";
    const std::size_t items = 1 + pick(6);
    for (std::size_t i = 0; i < items; ++i) {
        text += MARKERS[pick(std::size(MARKERS))];
        const std::size_t pieces = pick(6);
        for (std::size_t p = 0; p < pieces; ++p) {
            if (p > 0) text += pick(4) == 0 ? ", " : " ";
            text += PIECES[pick(std::size(PIECES))];
        }
        text += pick(5) == 0 ? "\\n" : "\n";
    }
    const std::size_t trade = pick(4);
    for (std::size_t t = 0; t < trade; ++t) {
        text += TRADE_LINES[pick(std::size(TRADE_LINES))];
        text += '\n';
    }
    return text;
}

TEST(ParseRfqItems, SameItemsAsTheFullCallOnGeneratedDocuments) {
    std::mt19937 rng(20240611);
    for (int n = 0; n < 400; ++n) expect_same_items(generated_document(rng));
}

TEST(ParseRfqItems, SameItemsAsTheFullCallOnEdgeDocuments) {
    const char* const documents[] = {
        "",
        "no items at all",
        "Payment terms: T/T\n500 pcs shirts",
        "1. Bolts M8, 100 pcs\n2. ...\n3. Nuts M8, 100 pcs",
        "Please quote:\n1. 100 pcs red polo shirts, 200 pcs blue t-shirts\n",
        "1. Gloves nitrile, 1000 boxes\\n2. Masks 3 ply, 200 cartons\\tCIF Singapore",
        "- a\\n- a\\n- a\\n",
        "- shirt 5 pcs\n- shirt 5 pcs\n",
        "1. target 5 USD shirts\n2. shirts 3 pcs\nCurrency: EUR",
    };
    for (const char* text : documents) expect_same_items(text);
}

TEST(ParseRfqItems, ItemsArriveInOrderBeforeTheCallReturns) {
    std::vector<std::uint64_t> seen;
    brellin::parse_rfq_items("1. a\n2. b\n3. c", [&](brellin::RfqItem&& item) { seen.push_back(item.index); });
    EXPECT_EQ(seen, (std::vector<std::uint64_t>{1, 2, 3}));
}

TEST(ParseRfqItems, RejectsInvalidUtf8) {
    EXPECT_THROW(brellin::parse_rfq_items("1. \xFF shirts", [](brellin::RfqItem&&) {}), std::invalid_argument);
}

}  // namespace
