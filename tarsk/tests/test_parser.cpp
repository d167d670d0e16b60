#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>

#include "parser_fixture.hpp"
#include "tarsk/parser.hpp"

using namespace tarsk_test;
using tarsk::Token;

namespace {

struct Case {
    const char* name;
    std::vector<Token> tokens;
    std::vector<std::string> groups;  // describe() of each group
};

void run(const std::vector<Case>& cases) {
    for (const auto& c : cases) EXPECT_EQ(describe(tarsk::parse_tokens(c.tokens)), c.groups) << c.name;
}

}  // namespace

TEST(ParseTokens, Segments) {
    run({
        {"empty list", {}, {}},
        {"comma between items", {Q(100), W("áo"), LS, Q(200), W("quần")},
         {"qty=100 chunks=[áo<LS>]", "qty=200 chunks=[quần]"}},
        {"no comma: later number is a spec", {Q(100), W("áo"), Q(200), W("quần")},
         {"qty=100 chunks=[áo quần] specs=[200]"}},
        {"colour before a quantity holds it", {Q(100), W("áo"), Col("red"), Q(200), W("quần")},
         {"qty=100 chunks=[áo quần] colors=[red] specs=[200]"}},
        {"gender before a quantity opens a segment", {Q(100), W("áo"), Gen("male"), Q(200), W("quần")},
         {"qty=100 chunks=[áo] genders=[male]", "qty=200 chunks=[quần]"}},
        {"words then a quantity with unit", {W("áo polo"), Q(100, CAI)}, {"qty=100 uom=cái chunks=[áo polo]"}},
        {"words then a bare quantity", {W("áo polo"), Q(100)}, {"chunks=[áo polo] specs=[100]"}},
        {"words, comma, bare quantity", {W("áo polo"), LS, Q(100)}, {"chunks=[áo polo<LS>]", "qty=100"}},
        {"words, comma, quantity with unit", {W("áo polo"), LS, Q(100, CAI)},
         {"qty=100 uom=cái chunks=[áo polo<LS>]"}},
        {"country then quantity with unit", {Cty("China"), Q(100, PCS)}, {"qty=100 uom=pcs ambiguous=[China]"}},
        {"country alone is dropped", {Cty("China"), Q(100)}, {"qty=100"}},
        {"attributes before the first item", {Col("red"), LS, Q(5, PCS)}, {"qty=5 uom=pcs"}},
        {"unit rule only for the first quantity",
         {W("polo shirt"), Q(100, PCS), LS, W("t-shirt"), Q(200, PCS)},
         {"qty=100 uom=pcs chunks=[polo shirt<LS>|t-shirt] specs=[200]"}},
        {"quantity after quantity", {Q(1), Q(2)}, {"qty=1", "qty=2"}},
        {"range then third quantity", {Q(5), LS, Q(10), LS, Q(15)}, {"qty=5 max=10 specs=[15]"}},
        {"range middle followed by a quantity", {Q(5), LS, Q(10), Q(20)}, {"qty=5", "qty=10", "qty=20"}},
        {"attributes only", {SIZE_KW, Sz("XL"), TO, Sz("S")}, {}},
    });
}

TEST(ParseTokens, QuantityRangeAndUnit) {
    run({
        {"range with units", {Q(5, CAI), OR, Q(10, CAI)}, {"qty=5 max=10 uom=cái"}},
        {"range takes the first unit when the second has none", {Q(5, KG), AND, Q(10)}, {"qty=5 max=10 uom=kg"}},
        {"range prefers the second unit", {Q(5, KG), OR, Q(10, TONNE)}, {"qty=5 max=10 uom=tonne"}},
        {"range kept in text order", {Q(10), OR, Q(5)}, {"qty=10 max=5"}},
        {"'to' as a word is no range", {Q(5), W("to"), Q(10)}, {"qty=5 chunks=[to] specs=[10]"}},
        {"later unit never sets uom", {Q(100), W("áo"), Q(5, KG)}, {"qty=100 chunks=[áo] specs=[5]"}},
        {"m² and FCL texts", {Q(3, M2), W("a"), LS, Q(2, FCL)}, {"qty=3 uom=m² chunks=[a<LS>]", "qty=2 uom=FCL"}},
        {"litre code", {Q(1, LITERS)}, {"qty=1 uom=l"}},
        // A unit code beyond the table is read as no unit rather than indexing past it.
        {"unknown unit code", {Q(7, unknown_unit(99))}, {"qty=7"}},
    });
}

TEST(ParseTokens, SpecsAreOneDecimalAndDistinct) {
    const double inf = std::numeric_limits<double>::infinity();
    run({
        {"formats",
         {Q(1), W("a"), Q(2), W("b"), Q(2.5), W("c"), Q(12.34), W("d"), Q(10), W("e"), Q(10), W("f"), Q(1e24), W("g"),
          Q(inf)},
         {"qty=1 chunks=[a b c d e f g] specs=[2,2.5,12.3,10,18446744073709551615,inf]"}},
    });
}

TEST(ParseTokens, ChunksAndConnectors) {
    run({
        {"keyword closes a chunk, colour does not",
         {W("áo"), COLOR_KW, Col("red"), LS, W("quần")}, {"chunks=[áo<LS>|quần] colors=[red]"}},
        {"attribute inside a run", {W("áo"), Col("red"), W("polo")}, {"chunks=[áo polo] colors=[red]"}},
        {"leading connector", {AND, W("áo")}, {"chunks=[áo]"}},
        {"trailing connector", {W("áo"), AND}, {"chunks=[áo<AND>]"}},
        {"second connector finds no words", {W("áo"), AND, AND, W("quần")}, {"chunks=[áo<AND>|quần]"}},
        {"connector before an attribute is dropped", {W("áo"), OR, Col("red")}, {"chunks=[áo] colors=[red]"}},
        {"connector before a keyword is dropped", {W("áo"), OR, MATERIAL_KW, Mat("cotton"), W("quần")},
         {"chunks=[áo|quần] materials=[cotton]"}},
        {"to between words", {W("áo"), TO, W("quần")}, {"chunks=[áo<TO>|quần]"}},
        {"keyword with nothing pending keeps the connector slot", {W("a"), SIZE_KW, OR, W("b")},
         {"chunks=[a<OR>|b]"}},
        {"connector before a gender closes the run", {W("áo"), AND, Gen("female"), W("quần")},
         {"chunks=[áo<AND>|quần] genders=[female]"}},
        {"standards and duplicates", {W("van"), Std("ISO 9001"), Std("ISO 9001"), Std("DIN")},
         {"chunks=[van] standards=[ISO 9001,DIN]"}},
    });
}

TEST(ParseTokens, SizeRanges) {
    run({
        {"descending letters", {W("a"), Sz("XL"), TO, Sz("S")}, {"chunks=[a] sizes=[S,M,L,XL]"}},
        {"ascending letters", {W("a"), Sz("S"), TO, Sz("XL")}, {"chunks=[a] sizes=[S,M,L,XL]"}},
        {"XXL to 2XL passes XXXL", {W("a"), Sz("XXL"), TO, Sz("2XL")}, {"chunks=[a] sizes=[XXL,XXXL,2XL]"}},
        {"pipe sizes", {W("a"), Sz("DN50"), TO, Sz("DN100")}, {"chunks=[a] sizes=[DN50,DN65,DN80,DN100]"}},
        {"number sizes", {W("a"), Sz("44"), TO, Sz("46")}, {"chunks=[a] sizes=[44,45,46]"}},
        {"schedules", {W("a"), Sz("SCH80"), TO, Sz("SCH10")}, {"chunks=[a] sizes=[SCH10,SCH40,SCH80]"}},
        {"same size", {W("a"), Sz("M"), TO, Sz("M")}, {"chunks=[a] sizes=[M]"}},
        {"different scales", {W("a"), Sz("M"), TO, Sz("38")}, {"chunks=[a] sizes=[M,38]"}},
        {"letter and word scale", {W("a"), Sz("S"), TO, Sz("medium")}, {"chunks=[a] sizes=[S,medium]"}},
        {"separator before a size dropped", {W("a"), Sz("M"), LS, Sz("S"), TO, Sz("L")},
         {"chunks=[a] sizes=[M,S,L]"}},
        {"first size moves behind later ones", {W("a"), Sz("L"), LS, Sz("M"), LS, Sz("L"), TO, Sz("38")},
         {"chunks=[a] sizes=[M,L,38]"}},
        {"to before a size without one behind", {W("áo"), TO, Sz("S")}, {"chunks=[áo] sizes=[S]"}},
        {"to after a size at the end", {W("áo"), Sz("S"), TO}, {"chunks=[áo<TO>] sizes=[S]"}},
        {"or between sizes is no range", {W("a"), Sz("S"), OR, Sz("L")}, {"chunks=[a] sizes=[S,L]"}},
        {"range right after the leading quantity", {Q(5), TO, Sz("S"), TO, Sz("M")}, {"qty=5 sizes=[S,M]"}},
    });
}

TEST(ParseTokens, LongListStaysWhole) {
    // Many distinct numbers after one word: every one is kept, once, in order.
    std::vector<Token> tokens{Q(1, PCS)};
    for (int i = 0; i < 20000; ++i) {
        tokens.push_back(W("w"));
        tokens.push_back(Q(2 + i % 5000));
    }
    const auto groups = tarsk::parse_tokens(tokens);
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].specs.size(), 5000u);
    EXPECT_EQ(groups[0].specs.front(), "2");
    EXPECT_EQ(groups[0].specs.back(), "5001");
    ASSERT_EQ(groups[0].chunks.size(), 1u);
    EXPECT_EQ(groups[0].chunks[0].text.size(), 20000u * 2 - 1);
}

TEST(ParseTokens, RandomListsKeepGroupInvariants) {
    // Every kind and code, in any order, the odd unit code included: no read outside the list,
    // and every group keeps its invariants.
    std::mt19937 rng(12345);
    const std::vector<Token> pool{Q(1),        Q(2, KG),     Q(3, FCL), Q(4, unknown_unit(200)), AND,          OR,
                                  LS,          TO,           COLOR_KW,  SIZE_KW,   MATERIAL_KW,  Col("red"),
                                  Col("blue"), Sz("S"),      Sz("XL"),  Sz("38"),  Sz("DN50"),   Mat("steel"),
                                  Gen("male"), Std("ISO 1"), Cty("UK"), W("áo"),   W("polo")};
    for (int round = 0; round < 2000; ++round) {
        std::vector<Token> tokens(rng() % 12);
        for (auto& t : tokens) t = pool[rng() % pool.size()];
        for (const auto& g : tarsk::parse_tokens(tokens)) {
            const auto d = describe(g);
            EXPECT_TRUE(g.qty || !g.chunks.empty()) << d;
            EXPECT_TRUE(g.qty || (!g.qty_max && !g.uom)) << d;
            for (const auto& c : g.chunks) EXPECT_FALSE(c.text.empty()) << d;
            for (const auto* list : {&g.colors, &g.sizes, &g.materials, &g.genders, &g.specs, &g.standards, &g.ambiguous})
                EXPECT_EQ(std::set<std::string>(list->begin(), list->end()).size(), list->size()) << d;
        }
    }
}
