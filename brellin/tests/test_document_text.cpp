#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "brellin/document_text.hpp"
#include "brellin/search_phrases.hpp"

namespace {

using brellin::RfqItem;
using brellin::TradeTerms;
using tarsk::Chunk;
using tarsk::Group;

Group shirt_group() {
    Group g;
    g.qty = 100;
    g.uom = "pcs";
    g.chunks = {Chunk{"polo shirt", tarsk::Connector::And}, Chunk{"t-shirt", std::nullopt}};
    g.colors = {"red", "navy"};
    g.materials = {"cotton"};
    g.sizes = {"M", "L"};
    return g;
}

TEST(QueryPrefix, NumberRangeAndUnit) {
    struct Case {
        std::optional<double> qty, qty_max;
        std::optional<std::string> uom;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, "pcs", std::nullopt},
        {std::nullopt, 10.0, "pcs", std::nullopt},
        {100.0, std::nullopt, "pcs", "100 pcs"},
        {2.5, std::nullopt, std::nullopt, "2.50"},
        {5.0, 10.0, "cái", "5-10 cái"},
        {10.0, 5.0, std::nullopt, "10-5"},
        {1.5, 2.25, "kg", "1.50-2.25 kg"},
        {std::numeric_limits<double>::infinity(), std::nullopt, "m", "inf m"},
    };
    for (const auto& c : cases) {
        Group g;
        g.qty = c.qty;
        g.qty_max = c.qty_max;
        g.uom = c.uom;
        EXPECT_EQ(brellin::query_prefix(g), c.expected) << c.expected.value_or("(none)");
    }
}

TEST(BuildQueries, EveryChunkRepeatsPrefixAndListsThenDims) {
    const std::vector<Group> groups = {shirt_group()};
    EXPECT_EQ(brellin::build_queries(groups, {}),
              (std::vector<std::string>{"100 pcs polo shirt red navy cotton M L",
                                        "100 pcs t-shirt red navy cotton M L"}));
    EXPECT_EQ(brellin::build_queries(groups, {"10x20 mm", "5 kg"}),
              (std::vector<std::string>{"100 pcs polo shirt red navy cotton M L 10x20 mm 5 kg",
                                        "100 pcs t-shirt red navy cotton M L 10x20 mm 5 kg"}));
}

TEST(BuildQueries, ListOrderAndStandardsLeftOut) {
    Group g;
    g.chunks = {Chunk{"steel pipe", std::nullopt}};
    g.sizes = {"DN50"};
    g.standards = {"ASTM A106"};
    EXPECT_EQ(brellin::build_queries({g}, {}), std::vector<std::string>{"steel pipe DN50"});

    // colors, materials, sizes, genders, specs, ambiguous
    g.colors = {"black"};
    g.materials = {"steel"};
    g.genders = {"men"};
    g.specs = {"2.5mm"};
    g.ambiguous = {"Japan"};
    EXPECT_EQ(brellin::build_queries({g}, {}),
              std::vector<std::string>{"steel pipe black steel DN50 men 2.5mm Japan"});
}

TEST(BuildQueries, GroupWithoutChunkKeepsOnlyQuantityColoursMaterialsSizes) {
    Group g;
    g.qty = 5;
    g.qty_max = 10;
    g.uom = "cái";
    g.colors = {"red"};
    g.specs = {"10.0"};
    g.genders = {"women"};
    g.ambiguous = {"China"};
    EXPECT_EQ(brellin::build_queries({g}, {}), std::vector<std::string>{"5-10 cái red"});
    g.materials = {"wood"};
    g.sizes = {"XL"};
    EXPECT_EQ(brellin::build_queries({g}, {"2 m"}),
              std::vector<std::string>{"5-10 cái red wood XL 2 m"});
}

TEST(BuildQueries, EmptyPartsAndTrimming) {
    // An empty chunk text still takes its place between the prefix and the lists, and
    // the phrase is kept even when it ends up empty.
    Group g;
    g.qty = 3;
    g.chunks = {Chunk{"", std::nullopt}};
    g.colors = {"red"};
    EXPECT_EQ(brellin::build_queries({g}, {}), std::vector<std::string>{"3  red"});

    Group bare;
    bare.chunks = {Chunk{"", std::nullopt}, Chunk{" x ", std::nullopt}};
    EXPECT_EQ(brellin::build_queries({bare}, {"1 m"}),
              (std::vector<std::string>{" 1 m", "x 1 m"}));
}

TEST(BuildQueries, NoPhraseMeansDimsUnused) {
    EXPECT_TRUE(brellin::build_queries({}, {"10x20 mm"}).empty());
    Group empty;  // neither chunk nor quantity
    empty.colors = {"red"};
    EXPECT_TRUE(brellin::build_queries({empty}, {"10x20 mm"}).empty());
}

TEST(BuildQueries, GroupsInOrder) {
    Group a;
    a.qty = 1;
    a.chunks = {Chunk{"lamp", std::nullopt}};
    Group b;
    b.qty = 2;
    b.uom = "set";
    EXPECT_EQ(brellin::build_queries({a, b}, {"5 kg"}),
              (std::vector<std::string>{"1 lamp 5 kg", "2 set 5 kg"}));
}

TEST(ItemGroupText, OnlyASingleGroupLosesItsHeader) {
    tarsk::ParseOutput one{{Group{}}, "GROUP_1:\n  QTY: 1\n  CHUNKS: [lamp]", ""};
    EXPECT_EQ(brellin::item_group_text(one), "  QTY: 1\n  CHUNKS: [lamp]");

    tarsk::ParseOutput two{{Group{}, Group{}}, "GROUP_1:\n  QTY: 1\n\nGROUP_2:\n  QTY: 2", ""};
    EXPECT_EQ(brellin::item_group_text(two), two.report);

    tarsk::ParseOutput none{{}, "", ""};
    EXPECT_EQ(brellin::item_group_text(none), "");

    // The header must be followed by a line feed to be dropped.
    tarsk::ParseOutput odd{{Group{}}, "GROUP_1: x", ""};
    EXPECT_EQ(brellin::item_group_text(odd), "GROUP_1: x");
}

RfqItem example_item_1() {
    RfqItem item;
    item.index = 1;
    item.group_text = "  QTY: 100\n  UOM: pcs\n  CHUNKS: [polo shirt]";
    item.dims = {"10x20 mm"};
    item.price = 5;
    item.currency = "USD";
    item.origin = "Vietnam";
    return item;
}

TEST(RenderRfqText, TwoItemsAndTradeTerms) {
    RfqItem item2;
    item2.index = 2;
    TradeTerms trade;
    trade.currency = "USD";
    trade.incoterm = "FOB";
    trade.lead_time = "30 days";
    EXPECT_EQ(brellin::render_rfq_text({example_item_1(), item2}, trade),
              "ITEM_1:\n"
              "  QTY: 100\n"
              "  UOM: pcs\n"
              "  CHUNKS: [polo shirt]\n"
              "  DIMS: [10x20 mm]\n"
              "  PRICE: 5 USD\n"
              "  ORIGIN: Vietnam\n"
              "\n"
              "ITEM_2:\n"
              "\n"
              "TRADE_TERMS:\n"
              "  CURRENCY: USD\n"
              "  INCOTERM: FOB\n"
              "  DESTINATION: null\n"
              "  LEAD_TIME: 30 days\n"
              "  PAYMENT: null\n");
}

TEST(RenderRfqText, BlocksPresentOrNot) {
    EXPECT_EQ(brellin::render_rfq_text({}, TradeTerms{}), "");
    // No trade term: the report ends with the last item block.
    RfqItem a;
    a.index = 1;
    RfqItem b;
    b.index = 2;
    EXPECT_EQ(brellin::render_rfq_text({a, b}, TradeTerms{}), "ITEM_1:\n\nITEM_2:\n");
    TradeTerms pay;
    pay.payment = "T/T";
    EXPECT_EQ(brellin::render_rfq_text({}, pay),
              "TRADE_TERMS:\n  CURRENCY: null\n  INCOTERM: null\n  DESTINATION: null\n"
              "  LEAD_TIME: null\n  PAYMENT: T/T\n");
}

TEST(RenderTradeBlock, AbsentAndEmptyValuesDiffer) {
    EXPECT_EQ(brellin::render_trade_block(TradeTerms{}), std::nullopt);
    TradeTerms t;
    t.lead_time = "";
    EXPECT_EQ(brellin::render_trade_block(t),
              "TRADE_TERMS:\n  CURRENCY: null\n  INCOTERM: null\n  DESTINATION: null\n"
              "  LEAD_TIME: \n  PAYMENT: null\n");
}

TEST(RenderItemBlock, WithoutGroupTheValueLinesFollowTheHeader) {
    RfqItem item;
    item.index = 7;
    item.dims = {"10x20 mm", "5 kg"};
    item.price = 2.5;
    item.origin = "Japan";
    EXPECT_EQ(brellin::render_item_block(item),
              "ITEM_7:\n  DIMS: [10x20 mm, 5 kg]\n  PRICE: 2.5 ?\n  ORIGIN: Japan\n");
}

TEST(RenderItemBlock, GroupTextEndingInLineFeedGetsNoSecond) {
    RfqItem item;
    item.index = 1;
    item.group_text = "  QTY: 1\n";
    EXPECT_EQ(brellin::render_item_block(item), "ITEM_1:\n  QTY: 1\n");
}

TEST(RenderItemBlock, PriceInShortestForm) {
    struct Case {
        double price;
        const char* text;
    };
    const Case cases[] = {{5, "5"},           {2.5, "2.5"},     {0.1, "0.1"},
                          {1500, "1500"},     {1e21, "1000000000000000000000"},
                          {0.000001, "0.000001"}, {std::numeric_limits<double>::infinity(), "inf"},
                          {1e23, "100000000000000000000000"}, {36028797018963968.0, "36028797018963970"}};
    for (const auto& c : cases) {
        RfqItem item;
        item.index = 1;
        item.price = c.price;
        item.currency = "VND";
        EXPECT_EQ(brellin::render_item_block(item),
                  std::string("ITEM_1:\n  PRICE: ") + c.text + " VND\n");
    }
}

}  // namespace
