// Whole RFQ documents through every stage, checked field by field.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "brellin/document.hpp"

namespace {

using std::nullopt;
using Text = std::optional<std::string>;
using Texts = std::vector<std::string>;

struct ItemExpect {
    std::optional<double> qty;
    std::optional<double> price;
    Texts dims;
    Text uom;
    Text currency;
    Text origin;
    std::size_t groups;
    std::string group_text;
    Texts queries;
};

struct TradeExpect {
    Text currency, incoterm, destination, lead_time, payment;
};

void expect_items(const brellin::RfqResult& result, const std::vector<ItemExpect>& expected) {
    ASSERT_EQ(result.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const auto& got = result.items[i];
        const auto& want = expected[i];
        EXPECT_EQ(got.index, i + 1);
        EXPECT_EQ(got.qty, want.qty);
        EXPECT_EQ(got.price, want.price);
        EXPECT_EQ(got.dims, want.dims);
        EXPECT_EQ(got.uom, want.uom);
        EXPECT_EQ(got.currency, want.currency);
        EXPECT_EQ(got.origin, want.origin);
        EXPECT_EQ(got.groups.size(), want.groups);
        EXPECT_EQ(got.group_text, want.group_text);
        EXPECT_EQ(got.queries, want.queries);
    }
}

void expect_trade(const brellin::TradeTerms& got, const TradeExpect& want) {
    EXPECT_EQ(got.currency, want.currency);
    EXPECT_EQ(got.incoterm, want.incoterm);
    EXPECT_EQ(got.destination, want.destination);
    EXPECT_EQ(got.lead_time, want.lead_time);
    EXPECT_EQ(got.payment, want.payment);
}

// Trade terms after the last numbered item belong to that item's text.
TEST(RfqDocuments, EnglishNumberedWithTradeTerms) {
    const auto result = brellin::parse_rfq_document(
        "Please quote for the following:\n"
        "1. Cotton polo shirt, 500 pcs, target 4.5 USD/pc\n"
        "2. Steel pipe DN50 (China), 20 tons\n"
        "Lead time: 30 days.\n"
        "Payment terms: T/T");
    expect_trade(result.trade, {"USD", nullopt, nullopt, "30 days", "T/T"});
    expect_items(result,
                 {{500, 4.5, {}, "pcs", "USD", nullopt, 1,
                   "  QTY: 500\n  UOM: pcs\n  CHUNKS: [polo shirt]\n  MATERIAL: [cotton]",
                   {"500 pcs polo shirt cotton"}},
                  {20, nullopt, {}, "tons", "USD", "China", 1,
                   "  QTY: 20\n  UOM: tonne\n  CHUNKS: [pipe ) lead time: days . payment terms: t/t]\n"
                   "  SIZE: [DN50]\n  MATERIAL: [steel]\n  SPEC: [30]",
                   {"20 tonne pipe ) lead time: days . payment terms: t/t steel DN50 30"}}});
    EXPECT_EQ(result.report,
              "ITEM_1:\n"
              "  QTY: 500\n"
              "  UOM: pcs\n"
              "  CHUNKS: [polo shirt]\n"
              "  MATERIAL: [cotton]\n"
              "  PRICE: 4.5 USD\n"
              "\n"
              "ITEM_2:\n"
              "  QTY: 20\n"
              "  UOM: tonne\n"
              "  CHUNKS: [pipe ) lead time: days . payment terms: t/t]\n"
              "  SIZE: [DN50]\n"
              "  MATERIAL: [steel]\n"
              "  SPEC: [30]\n"
              "  ORIGIN: China\n"
              "\n"
              "TRADE_TERMS:\n"
              "  CURRENCY: USD\n"
              "  INCOTERM: null\n"
              "  DESTINATION: null\n"
              "  LEAD_TIME: 30 days\n"
              "  PAYMENT: T/T\n");
}

TEST(RfqDocuments, VietnameseBulleted) {
    const auto result = brellin::parse_rfq_document(
        "Kính gửi anh chị,\n"
        "- Áo thun cotton màu trắng 200 cái, giá mục tiêu 85000 VND\n"
        "- Ống nhựa (Trung Quốc), 50 cuộn\n"
        "- Thép tấm 2000x1000 mm, 10 tấm\n"
        "Thanh toán: chuyển khoản");
    expect_trade(result.trade, {"VND", nullopt, nullopt, nullopt, "chuyển khoản"});
    expect_items(
        result,
        {{200, 85000, {}, "pcs", "VND", nullopt, 1,
          "  QTY: 200\n  UOM: pcs\n  CHUNKS: [áo thun]\n  COLOR: [white]\n  MATERIAL: [cotton]",
          {"200 pcs áo thun white cotton"}},
         {50, nullopt, {}, "rolls", "VND", "China", 1,
          "  QTY: 50\n  UOM: rolls\n  CHUNKS: [ống]\n  MATERIAL: [plastic]",
          {"50 rolls ống plastic"}},
         {10, nullopt, {"2000x1000 mm"}, "sheets", "VND", nullopt, 1,
          "  QTY: 10\n  UOM: sheets\n  CHUNKS: [thép tấm thanh toán: chuyển khoản]",
          {"10 sheets thép tấm thanh toán: chuyển khoản 2000x1000 mm"}}});
}

// No list markers: the line heuristic takes the items, and a courtesy line counts as one.
TEST(RfqDocuments, MixedPlainLines) {
    const auto result = brellin::parse_rfq_document(
        "Hello,\n"
        "Please send your best price:\n"
        "300 sets ceramic mugs white, xuất xứ Việt Nam\n"
        "Bamboo chopsticks 5000 pcs @ 0.05 USD\n"
        "Thank you\n"
        "Lead time: 2 weeks\n"
        "Incoterm: FOB Hai Phong");
    expect_trade(result.trade, {"USD", "FOB", "Hai Phong", "2 weeks", nullopt});
    expect_items(result,
                 {{300, nullopt, {}, "sets", "USD", "Vietnam", 1,
                   "  QTY: 300\n  UOM: sets\n  CHUNKS: [ceramic mugs]\n  COLOR: [white]",
                   {"300 sets ceramic mugs white"}},
                  {5000, 0.05, {}, "pcs", "USD", nullopt, 1,
                   "  QTY: 5000\n  UOM: pcs\n  CHUNKS: [bamboo chopsticks]",
                   {"5000 pcs bamboo chopsticks"}},
                  {nullopt, nullopt, {}, nullopt, "USD", nullopt, 1,
                   "  QTY: null\n  UOM: null\n  CHUNKS: [thank you]", {"thank you"}}});
}

// An item without any group keeps its index; no document currency leaves items without one.
TEST(RfqDocuments, ParenthesisedNumbersDimsAndAnItemWithoutGroup) {
    const auto result = brellin::parse_rfq_document(
        "RFQ No. 2024-117\n"
        "1) LED panel light 600x600 mm 40W, 120 pcs, target 12.5 eur\n"
        "2) Red / Blue\n"
        "3) Cáp điện 3x2.5 mm, 500 meters (Hàn Quốc)\n"
        "Delivery to Da Nang, Vietnam.");
    expect_trade(result.trade, {nullopt, nullopt, "Da Nang", nullopt, nullopt});
    expect_items(result,
                 {{120, 12.5, {"600x600 mm", "40w"}, "pcs", "EUR", nullopt, 1,
                   "  QTY: 120\n  UOM: pcs\n  CHUNKS: [led panel light]",
                   {"120 pcs led panel light 600x600 mm 40w"}},
                  {nullopt, nullopt, {}, nullopt, nullopt, nullopt, 0, "", {}},
                  {500, nullopt, {"3x2.5 mm"}, "meters", nullopt, "South Korea", 1,
                   "  QTY: 500\n  UOM: meters\n  CHUNKS: [cáp điện delivery to da nang vietnam]",
                   {"500 meters cáp điện delivery to da nang vietnam 3x2.5 mm"}}});
    EXPECT_EQ(result.report,
              "ITEM_1:\n"
              "  QTY: 120\n"
              "  UOM: pcs\n"
              "  CHUNKS: [led panel light]\n"
              "  DIMS: [600x600 mm, 40w]\n"
              "  PRICE: 12.5 EUR\n"
              "\n"
              "ITEM_2:\n"
              "\n"
              "ITEM_3:\n"
              "  QTY: 500\n"
              "  UOM: meters\n"
              "  CHUNKS: [cáp điện delivery to da nang vietnam]\n"
              "  DIMS: [3x2.5 mm]\n"
              "  ORIGIN: South Korea\n"
              "\n"
              "TRADE_TERMS:\n"
              "  CURRENCY: null\n"
              "  INCOTERM: null\n"
              "  DESTINATION: Da Nang\n"
              "  LEAD_TIME: null\n"
              "  PAYMENT: null\n");
}

TEST(RfqDocuments, ItemCurrencyWinsOverTheDocuments) {
    const auto result = brellin::parse_rfq_document(
        "Quotation in USD please.\n"
        "1. Wool scarf, 50 pcs, target 8 EUR\n"
        "2. Leather belt, 80 pcs");
    expect_trade(result.trade, {"USD", nullopt, nullopt, nullopt, nullopt});
    expect_items(result,
                 {{50, 8, {}, "pcs", "EUR", nullopt, 1,
                   "  QTY: 50\n  UOM: pcs\n  CHUNKS: [scarf]\n  MATERIAL: [wool]",
                   {"50 pcs scarf wool"}},
                  {80, nullopt, {}, "pcs", "USD", nullopt, 1,
                   "  QTY: 80\n  UOM: pcs\n  CHUNKS: [leather belt]", {"80 pcs leather belt"}}});
}

// The two-character escapes split the document like real line feeds and tabs.
TEST(RfqDocuments, EscapedLineFeedsAndTabs) {
    const auto result = brellin::parse_rfq_document(
        "1. Gloves nitrile, 1000 boxes\\n2. Masks 3 ply, 200 cartons\\tCIF Singapore");
    EXPECT_EQ(result.text, "1. Gloves nitrile, 1000 boxes\n2. Masks 3 ply, 200 cartons\tCIF Singapore");
    expect_trade(result.trade, {nullopt, "CIF", "Singapore", nullopt, nullopt});
    expect_items(result,
                 {{1000, nullopt, {}, "boxes", nullopt, nullopt, 1,
                   "  QTY: 1000\n  UOM: box\n  CHUNKS: [gloves]\n  MATERIAL: [nitrile]",
                   {"1000 box gloves nitrile"}},
                  {200, nullopt, {}, "cartons", nullopt, nullopt, 1,
                   "  QTY: 200\n  UOM: cartons\n  CHUNKS: [masks ply cif]\n  SPEC: [3]\n"
                   "  AMBIGUOUS: [Singapore]",
                   {"200 cartons masks ply cif 3 Singapore"}}});
}

// Only the last quantity phrase leaves the text, so the parse finds two groups and the
// item keeps the whole report; without trade terms the report ends with the item.
TEST(RfqDocuments, ItemWithTwoGroupsAndNoTradeTerms) {
    const auto result =
        brellin::parse_rfq_document("Please quote:\n1. 100 pcs red polo shirts, 200 pcs blue t-shirts\n");
    expect_trade(result.trade, {});
    const std::string group_text =
        "GROUP_1:\n  QTY: 200\n  UOM: pcs\n  CHUNKS: [_]\n\n"
        "GROUP_2:\n  QTY: 100\n  UOM: pcs\n  CHUNKS: [polo shirts t-shirts]\n  COLOR: [red, blue]";
    expect_items(result, {{200, nullopt, {}, "pcs", nullopt, nullopt, 2, group_text,
                           {"200 pcs", "100 pcs polo shirts t-shirts red blue"}}});
    EXPECT_EQ(result.report, "ITEM_1:\n" + group_text + "\n");
}

TEST(RfqDocuments, EmptyItemKeepsTheIndicesWithoutGaps) {
    const auto result =
        brellin::parse_rfq_document("1. Bolts M8, 100 pcs\n2. ...\n3. Nuts M8, 100 pcs");
    expect_trade(result.trade, {});
    expect_items(result,
                 {{100, nullopt, {}, "pcs", nullopt, nullopt, 1,
                   "  QTY: 100\n  UOM: pcs\n  CHUNKS: [bolts m8]", {"100 pcs bolts m8"}},
                  {nullopt, nullopt, {}, nullopt, nullopt, nullopt, 0, "", {}},
                  {100, nullopt, {}, "pcs", nullopt, nullopt, 1,
                   "  QTY: 100\n  UOM: pcs\n  CHUNKS: [nuts m8]", {"100 pcs nuts m8"}}});
    EXPECT_EQ(result.report,
              "ITEM_1:\n  QTY: 100\n  UOM: pcs\n  CHUNKS: [bolts m8]\n\n"
              "ITEM_2:\n\n"
              "ITEM_3:\n  QTY: 100\n  UOM: pcs\n  CHUNKS: [nuts m8]\n");
}

// A trade header before any item line leaves no items; the terms still come from the text.
TEST(RfqDocuments, NoLineItemGivesTheTradeBlockAlone) {
    const auto result = brellin::parse_rfq_document("Payment terms: T/T\n500 pcs shirts");
    EXPECT_TRUE(result.items.empty());
    expect_trade(result.trade, {nullopt, nullopt, nullopt, nullopt, "T/T"});
    EXPECT_EQ(result.report,
              "TRADE_TERMS:\n  CURRENCY: null\n  INCOTERM: null\n  DESTINATION: null\n"
              "  LEAD_TIME: null\n  PAYMENT: T/T\n");
}

}  // namespace
