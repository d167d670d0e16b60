#include <gtest/gtest.h>

#include <limits>

#include "tarsk/report.hpp"

using tarsk::Chunk;
using tarsk::Connector;
using tarsk::Group;

namespace {

std::string lines(std::initializer_list<const char*> ls) {
    std::string out;
    for (const char* l : ls) {
        if (l != *ls.begin()) out += '\n';
        out += l;
    }
    return out;
}

Group with_chunks(std::vector<Chunk> chunks) {
    Group g;
    g.chunks = std::move(chunks);
    return g;
}

Group with_qty(double qty) {
    Group g;
    g.qty = qty;
    return g;
}

}  // namespace

TEST(RenderReport, NoGroupsIsEmpty) { EXPECT_EQ(tarsk::render_report({}), ""); }

TEST(RenderReport, TwoBlocksExample) {
    Group a;
    a.qty = 100;
    a.uom = "pcs";
    a.chunks = {{"polo shirt", Connector::Or}, {"t-shirt", std::nullopt}};
    a.colors = {"red", "navy"};
    Group b;
    b.qty = 5.5;
    b.qty_max = 10;
    b.specs = {"38"};
    EXPECT_EQ(tarsk::render_report({a, b}),
              lines({"GROUP_1:", "  QTY: 100", "  UOM: pcs", "  CHUNKS: [polo shirt [OR] t-shirt]",
                     "  COLOR: [red, navy]", "", "GROUP_2:", "  QTY: 5.50", "  QTY_MAX: 10", "  UOM: null",
                     "  CHUNKS: [_]", "  SPEC: [38]"}));
}

TEST(RenderReport, LastChunkConnectorHidden) {
    Group a = with_qty(100);
    a.chunks = {{"áo", Connector::ListSep}};
    Group b = with_qty(200);
    b.chunks = {{"quần", std::nullopt}};
    EXPECT_EQ(tarsk::render_report({a, b}),
              lines({"GROUP_1:", "  QTY: 100", "  UOM: null", "  CHUNKS: [áo]", "", "GROUP_2:", "  QTY: 200",
                     "  UOM: null", "  CHUNKS: [quần]"}));
}

TEST(RenderReport, ChunkValues) {
    struct Case {
        std::vector<Chunk> chunks;
        const char* want;
    } cases[] = {
        {{}, "  CHUNKS: [_]"},
        {{{"áo", Connector::ListSep}, {"quần", std::nullopt}}, "  CHUNKS: [áo [AND] quần]"},
        {{{"áo", Connector::ListSep}}, "  CHUNKS: [áo]"},
        {{{"a", std::nullopt}, {"b", Connector::To}, {"c", Connector::Or}}, "  CHUNKS: [a b [TO] c]"},
        {{{"a", Connector::And}, {"b", Connector::Or}, {"c", std::nullopt}}, "  CHUNKS: [a [AND] b [OR] c]"},
        {{{"x]", Connector::And}, {"y\nz", std::nullopt}}, "  CHUNKS: [x] [AND] y\nz]"},  // no escaping
    };
    for (const auto& c : cases) {
        Group g = with_qty(1);
        g.chunks = c.chunks;
        EXPECT_EQ(tarsk::render_report({g}), lines({"GROUP_1:", "  QTY: 1", "  UOM: null", c.want})) << c.want;
    }
}

TEST(RenderReport, QuantityLines) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double qty;
        const char* want;
    } cases[] = {{2.5, "  QTY: 2.50"}, {1e20, "  QTY: 18446744073709551615"}, {inf, "  QTY: inf"}};
    for (const auto& c : cases)
        EXPECT_EQ(tarsk::render_report({with_qty(c.qty)}), lines({"GROUP_1:", c.want, "  UOM: null", "  CHUNKS: [_]"}));

    EXPECT_EQ(tarsk::render_report({with_chunks({{"áo", std::nullopt}})}),
              lines({"GROUP_1:", "  QTY: null", "  UOM: null", "  CHUNKS: [áo]"}));
}

TEST(RenderReport, FixedLineOrder) {
    Group g = with_qty(3);
    g.qty_max = 4.25;
    g.uom = "kg";
    g.chunks = {{"van", std::nullopt}};
    // Filled in the reverse of the printed order: the order of lines stays fixed.
    g.ambiguous = {"China"};
    g.standards = {"ISO 9001"};
    g.specs = {"2.5", "7"};
    g.genders = {"male"};
    g.materials = {"steel"};
    g.sizes = {"DN50", "DN65"};
    g.colors = {"red"};
    EXPECT_EQ(tarsk::render_report({g}),
              lines({"GROUP_1:", "  QTY: 3", "  QTY_MAX: 4.25", "  UOM: kg", "  CHUNKS: [van]", "  COLOR: [red]",
                     "  SIZE: [DN50, DN65]", "  MATERIAL: [steel]", "  GENDER: [male]", "  SPEC: [2.5, 7]",
                     "  STANDARD: [ISO 9001]", "  AMBIGUOUS: [China]"}));
}
