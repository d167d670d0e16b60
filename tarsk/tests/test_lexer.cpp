#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "lexer_match.hpp"
#include "lexer_steps.hpp"
#include "lexicon.hpp"
#include "tarsk/number.hpp"
#include "tarsk/records.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"
#include "tokens.hpp"

namespace tarsk {

// Readable failures: one token as kind(payload).
void PrintTo(const Token& t, std::ostream* os) {
    static const char* const names[] = {"Quantity", "Connector", "ColorKeyword", "SizeKeyword",
                                        "MaterialKeyword", "Color", "Size", "Material",
                                        "Gender", "Standard", "Country", "Word"};
    *os << names[static_cast<int>(t.kind)] << "(";
    if (t.kind == TokenKind::Quantity) {
        *os << format_shortest(t.value) << ", unit " << int(t.sub);
    } else if (t.kind == TokenKind::Connector) {
        *os << int(t.sub);
    } else {
        *os << "\"" << t.text << "\"";
    }
    *os << ")";
}

}  // namespace tarsk

namespace {

using tarsk::Connector;
using tarsk::Token;
using tarsk::TokenKind;
using tarsk::tokenize;
using namespace std::string_literals;

tarsk::Unit unit_of(std::string_view key) {
    for (const auto& pair : tarsk::lexicon().UNIT_MAP) {
        if (pair.key == key) return pair.value;
    }
    throw std::invalid_argument("no such unit key");
}

// A quantity with the unit that a lexicon key stands for.
Token Qk(double v, std::string_view unit_key) { return tarsk_test::Q(v, unit_of(unit_key)); }

using tarsk_test::AND;
using tarsk_test::Col;
using tarsk_test::COLOR_KW;
using tarsk_test::Cty;
using tarsk_test::Gen;
using tarsk_test::LS;
using tarsk_test::Mat;
using tarsk_test::MATERIAL_KW;
using tarsk_test::OR;
using tarsk_test::Q;
using tarsk_test::SIZE_KW;
using tarsk_test::Std;
using tarsk_test::Sz;
using tarsk_test::TO;
using tarsk_test::W;

class LexerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tarsk::lexicon(); }
};

TEST_F(LexerTest, TokensOfTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct Case {
        std::string text;
        std::vector<Token> want;
    } cases[] = {
        // Empty and blank texts.
        {"", {}},
        {" \t\n\u00a0\u3000 ", {}},
        // Whole queries.
        {"100 áo polo màu đỏ size M", {Q(100), W("áo polo"), COLOR_KW, Col("red"), SIZE_KW, Sz("M")}},
        {"tôi cần mua 100 áo", {Q(100), W("áo")}},
        {"need 5 kg", {Qk(5, "kg")}},
        {"needle", {W("needle")}},
        {"từ 5 đến 10 cái", {Q(5), TO, Qk(10, "cái")}},
        {"5 to 10", {Q(5), W("to"), Q(10)}},
        {"abc!", {W("abc !")}},
        // Units right after a number, and only there.
        {"5 m", {Q(5), Sz("M")}},
        {"5 m2", {Qk(5, "m2")}},
        {"5 m²", {Qk(5, "m²")}},
        {"5kg", {Qk(5, "kg")}},
        {"5  kg", {Qk(5, "kg")}},
        {"5 kgs", {Qk(5, "kgs")}},
        {"5 kg.", {Qk(5, "kg"), W(".")}},
        {"5\u00a0kg", {Qk(5, "kg")}},
        {"5 box", {Qk(5, "box")}},
        {"5 boxes", {Qk(5, "box")}},
        {"5 lít", {Qk(5, "lít")}},
        {"kg", {W("kg")}},
        {"3xl", {Sz("3XL")}},
        {"20ft", {W("20ft")}},
        {"2 20ft fcl", {Qk(2, "20ft fcl")}},
        {"20ft fcl", {W("20ft fcl")}},
        {"5kgx", {W("5kgx")}},
        {"5 cái mép", {Qk(5, "cái"), W("mép")}},
        // Reading numbers: the comma is deleted, zero and non-ASCII digits are no quantity.
        {"1,5 kg", {Qk(15, "kg")}},
        {"1.5 kg", {Qk(1.5, "kg")}},
        {"1,000,000", {Q(1000), LS, W("000")}},
        {"0 kg", {W("0 kg")}},
        {"0.0 kg", {W("0 . 0 kg")}},
        {"٣ kg", {W("٣ kg")}},
        {"1" + std::string(400, '0') + " pcs", {Qk(inf, "pcs")}},
        // Size mode: sizes and number words until another token.
        {"size 38, 40", {SIZE_KW, Sz("38"), LS, Q(40)}},
        {"size s đến xl", {SIZE_KW, Sz("S"), TO, Sz("XL")}},
        {"size từ s đến xl", {SIZE_KW, Sz("S"), TO, Sz("XL")}},
        {"size 48 50", {SIZE_KW, W("48 50")}},
        {"size 10 kg", {SIZE_KW, W("10 kg")}},
        {"size 38cm", {SIZE_KW, W("38cm")}},
        {"size 0,5 1.5", {SIZE_KW, W("0,5 1.5")}},
        {"size: m", {W("size:"), Sz("M")}},
        {"size 38 và 40", {SIZE_KW, Sz("38"), AND, Q(40)}},
        {"size m or l", {SIZE_KW, Sz("M"), OR, Sz("L")}},
        {"schedule 10", {Sz("SCH10")}},
        {"schedule 40", {Sz("SCH40")}},
        {"sch 40", {Sz("SCH40")}},
        {"sch 80", {Sz("SCH80")}},
        {"sch 10", {W("sch"), Q(10)}},
        // Longest match and the boundary rule.
        {"ukraine", {Cty("Ukraine")}},
        {"uk", {Cty("UK")}},
        {"carbon", {Mat("carbon_steel")}},
        {"activated carbon", {Mat("activated_carbon")}},
        {"men\u2019s", {W("men\u2019s")}},
        {"men's shirt", {Gen("male"), W("shirt")}},
        {"xanh  lam", {Col("blue"), W("lam")}},
        {"xanh lam", {Col("blue")}},
        {"cần thơ", {W("thơ")}},
        {"trà xanh", {W("trà xanh")}},
        {"xanh lá", {Col("green")}},
        {"xanh", {Col("blue")}},
        // Connectors and separators.
        {"polo/t-shirt", {W("polo/t-shirt")}},
        {"polo / t-shirt", {W("polo"), LS, W("t-shirt")}},
        {"áo và/hoặc quần", {W("áo"), AND, W("quần")}},
        {"áo & quần", {W("áo"), AND, W("quần")}},
        // Gender and material in Vietnamese texts need a word before them since the last and/or.
        {"áo nam", {W("áo"), Gen("male")}},
        {"nam áo", {W("nam áo")}},
        {"áo cotton", {W("áo"), Mat("cotton")}},
        {"cotton áo", {W("cotton áo")}},
        {"áo và len", {W("áo"), AND, W("len")}},
        {"áo len và quần nữ", {W("áo"), Mat("wool"), AND, W("quần"), Gen("female")}},
        {"cotton shirt from china", {Mat("cotton"), W("shirt from"), Cty("China")}},
        {"áo china", {W("áo china")}},
        {"nữ", {W("nữ")}},
        // Standards.
        {"dinner", {Std("DINNER")}},
        {"ISO 9001", {Std("ISO 9001")}},
        {"iso  9001", {Std("ISO  9001")}},
        {"ce marking", {Std("CE MARKING")}},
        {"en", {W("en")}},
        {"iso 9001:2015", {Std("ISO 9001"), W(":2015")}},
        {"iso .5", {Std("ISO"), W("."), Q(5)}},
        {"din straße", {Std("DIN STRASSE")}},
        // Keywords.
        {"màu sắc: đen", {COLOR_KW, W("sắc:"), Col("black")}},
        {"color black", {COLOR_KW, Col("black")}},
        {"chất liệu inox", {MATERIAL_KW, W("inox")}},
        {"áo chất liệu inox", {W("áo"), MATERIAL_KW, Mat("stainless_steel")}},
        // Upper case, odd characters.
        {"  ÁO Nam  ", {W("áo"), Gen("male")}},
        {"a\0b 5"s, {W("a\0b"s), Q(5)}},
        {"(5 kg)", {W("(5 kg )")}},
        {"5\u180ekg", {W("5\u180ekg")}},
        {"5\u0085kg", {Qk(5, "kg")}},
        {"İSO 9001", {W("i\u0307so"), Q(9001)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tokenize(c.text), c.want) << "text: " << c.text;
    }
}

TEST(IsBoundary, WhiteSpaceAndSevenPunctuationMarks) {
    for (const std::string_view yes : {"", " x", "\t", "\n", "!", ")", ",", "-", ".", "/", "?", "\u00a0",
                                       "\u2028", "\u3000", "\u0085"}) {
        EXPECT_TRUE(tarsk::is_boundary(yes)) << yes;
    }
    for (const std::string_view no : {"a", "1", "(", ":", ";", "'", "\"", "&", "+", "_", "\u2019", "\u180e",
                                      "é", "\u200b"}) {
        EXPECT_FALSE(tarsk::is_boundary(no)) << no;
    }
}

// Full scans over the lexicon fields, the plain reading of the longest-match rule.
struct Hit {
    std::size_t slot, length;
    bool operator==(const Hit&) const = default;
};

std::optional<Hit> scan_longest(const std::vector<std::string_view>& keys, std::string_view rest) {
    std::optional<Hit> best;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (rest.starts_with(keys[i]) && tarsk::is_boundary(rest.substr(keys[i].size())) &&
            (!best || keys[i].size() > best->length)) {
            best = Hit{i, keys[i].size()};
        }
    }
    return best;
}

std::optional<Hit> scan_first_prefix(const std::vector<std::string_view>& keys, std::string_view rest) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (rest.starts_with(keys[i])) return Hit{i, keys[i].size()};
    }
    return std::nullopt;
}

std::optional<Hit> as_hit(std::optional<tarsk::KeyHit> h) {
    if (!h) return std::nullopt;
    return Hit{h->slot, h->length};
}

// Whole UTF-8 prefix of `s` of at most `n` bytes.
std::string_view char_prefix(std::string_view s, std::size_t n) {
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

TEST(LexiconLookup, IndexedLookupsAgreeWithFullScans) {
    const auto& lx = tarsk::lexicon();
    // Every field of the lexicon's table with its index in the lexer (field i is KeyIndex{i}).
    std::vector<std::pair<tarsk::KeyIndex, std::vector<std::string_view>>> fields;
    for (const tarsk::LexiconField& f : tarsk::lexicon_fields(lx))
        fields.emplace_back(tarsk::KeyIndex{static_cast<std::uint8_t>(fields.size())}, f.keys);
    EXPECT_EQ(fields[0].first, tarsk::KeyIndex::STANDARD_PREFIXES);
    EXPECT_EQ(fields.back().first, tarsk::KeyIndex::UNIT_MAP);
    // Pieces: every key, a cut-off start of every key, and the characters that decide boundaries.
    std::vector<std::string> pieces = {" ",  "  ", "/", "-", ",", ".", "!", "?", ")", "(", ":", "'",
                                       "\u00a0", "\u2019", "x", "é", "1", "s"};
    for (const auto& [index, keys] : fields) {
        for (const auto key : keys) {
            pieces.emplace_back(key);
            pieces.emplace_back(char_prefix(key, key.size() / 2 + 1));
        }
    }
    std::mt19937 rng(12345);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), count(1, 8);
    std::size_t positions = 0, hits = 0;
    for (int n = 0; n < 3000; ++n) {
        std::string t;
        for (std::size_t k = count(rng); k > 0; --k) t += pieces[pick(rng)];
        for (std::size_t pos = 0; pos < t.size(); pos += tarsk::utf8_length(static_cast<unsigned char>(t[pos]))) {
            const std::string_view rest = std::string_view(t).substr(pos);
            ++positions;
            for (const auto& [index, keys] : fields) {
                const auto want = scan_longest(keys, rest);
                hits += want.has_value();
                ASSERT_EQ(as_hit(tarsk::longest_key(index, rest)), want) << "text: " << t << " at " << pos;
            }
            ASSERT_EQ(as_hit(tarsk::first_prefix(tarsk::KeyIndex::STANDARD_PREFIXES, rest)),
                      scan_first_prefix(lx.STANDARD_PREFIXES, rest))
                << "text: " << t << " at " << pos;
        }
    }
    // The generated texts must exercise the matching paths, not only the misses.
    EXPECT_GT(positions, 50000u);
    EXPECT_GT(hits, 2000u);
}

// A map's value is asked for with its index alone, so no other map can be read with the index's
// slot, and asking a list for a value does not compile.
template <tarsk::KeyIndex I>
concept HasValue = requires(const tarsk::LexiconHits& hits) { hits.value<I>(); };
static_assert(HasValue<tarsk::KeyIndex::SIZE_MAP> && HasValue<tarsk::KeyIndex::UNIT_MAP>);
static_assert(!HasValue<tarsk::KeyIndex::AND_WORDS> && !HasValue<tarsk::KeyIndex::STANDARD_PREFIXES>);

TEST(LexiconLookup, ValueReadsTheIndexedMap) {
    using tarsk::KeyIndex;
    // "m" is a size, and also the start of longer keys of other maps.
    const tarsk::LexiconHits size = tarsk::lexicon_hits("m x");
    ASSERT_NE(size.length(KeyIndex::SIZE_MAP), 0u);
    EXPECT_EQ(size.value<KeyIndex::SIZE_MAP>(), "M");
    const tarsk::LexiconHits unit = tarsk::lexicon_hits("m2 x");
    ASSERT_NE(unit.length(KeyIndex::UNIT_MAP), 0u);
    EXPECT_EQ(unit.value<KeyIndex::UNIT_MAP>(), tarsk::Unit::M2);
    const tarsk::LexiconHits several = tarsk::lexicon_hits("đồng nai");
    EXPECT_EQ(several.value<KeyIndex::MATERIAL_MAP>(), "copper");
}

TEST(Tokenize, HugeAndHostileTextsFinish) {
    // 10 MB of one repeated query: the result is that query's tokens, repeated.
    const std::string unit = "5 kg áo cotton và ";
    std::string big;
    while (big.size() < 10'000'000) big += unit;
    const auto tokens = tokenize(big);
    ASSERT_EQ(tokens.size() % 4, 0u);
    const std::vector<Token> one = {Qk(5, "kg"), W("áo"), Mat("cotton"), AND};
    for (std::size_t i = 0; i < tokens.size(); ++i) ASSERT_EQ(tokens[i], one[i % 4]) << i;

    // Many numbers: each number search is anchored and sees only its own digits.
    std::string numbers;
    while (numbers.size() < 10'000'000) numbers += "12,5 ";
    const auto quantities = tokenize(numbers);
    EXPECT_EQ(quantities.size(), 2'000'000u);
    EXPECT_EQ(quantities.back(), Q(125));

    const double inf = std::numeric_limits<double>::infinity();
    const std::string digits(100'000, '7');
    std::string arabic;
    for (int i = 0; i < 100'000; ++i) arabic += "\u0663";
    EXPECT_EQ(tokenize(digits), std::vector<Token>{Q(inf)});
    EXPECT_EQ(tokenize(digits + "x"), std::vector<Token>{W(digits + "x")});
    EXPECT_EQ(tokenize(digits + "." + digits + " kg"), std::vector<Token>{Qk(inf, "kg")});
    EXPECT_EQ(tokenize("size " + digits), (std::vector<Token>{SIZE_KW, W(digits)}));
    EXPECT_EQ(tokenize(arabic), std::vector<Token>{W(arabic)});
    EXPECT_EQ(tokenize(std::string(100'000, '0')), std::vector<Token>{W(std::string(100'000, '0'))});
    EXPECT_EQ(tokenize(std::string(1'000'000, ' ') + "x" + std::string(1'000'000, '\t')), std::vector<Token>{W("x")});
    const std::string nuls(1000, '\0');
    EXPECT_EQ(tokenize(nuls), std::vector<Token>{W(nuls)});

    // Every lexicon key, glued together and spaced apart.
    const auto& lx = tarsk::lexicon();
    std::vector<std::string_view> all;
    for (const tarsk::LexiconField& f : tarsk::lexicon_fields(lx)) all.insert(all.end(), f.keys.begin(), f.keys.end());
    std::string glued, spaced;
    for (const auto key : all) {
        glued += key;
        spaced += "1 ";
        spaced += key;
        spaced += ' ';
    }
    for (const std::string& t : {glued, spaced}) {
        for (const Token& token : tokenize(t)) {
            if (token.kind == TokenKind::Quantity) {
                EXPECT_GT(token.value, 0.0);
            }
            if (token.kind >= TokenKind::Color) {
                EXPECT_FALSE(token.text.empty());
            }
        }
    }
}

TEST(Tokenize, RejectsTextThatIsNotUtf8) {
    EXPECT_THROW(tokenize("abc \xff"), std::invalid_argument);
    EXPECT_THROW(tokenize("5 \xe1\xba"), std::invalid_argument);
}

}  // namespace
