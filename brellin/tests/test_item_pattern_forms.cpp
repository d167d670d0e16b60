#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "item_pattern_forms.hpp"
#include "tarsk/pattern.hpp"

using brellin::ITEM_PATTERN_FORMS;
using brellin::PatternForm;

namespace {

// Pieces the generated subjects are made of: separators and digits of both kinds for every
// pattern, and each pattern's own keywords in several cases, so that near-misses are common.
const std::vector<std::string> COMMON = {
    " ", "  ", "\t", "\n", "\u00A0", ",", ".", "1", "20", "5", "007", "1,5", "2.5", "\u0663", "\uFF15",
    "a", "\u00E9", "\u0301", "_",
};

std::vector<std::string> pieces_for(std::string_view name) {
    std::vector<std::string> own;
    if (name == "BOLD_RE") own = {"*", "**", "***", "****", "b c"};
    if (name == "PRODUCT_PREFIX_RE") own = {"product", "Product", "PRODUCT", "product:", ":", "::", "x"};
    if (name == "SPEC_LABEL_RE") own = {"spec", "SPEC", "Spec", ":", ",,", "x"};
    if (name == "QTY_NA_RE") own = {"qty", "QTY", "qty:", "Qty :", ":", "n/a", "na", "nil", "TBD", "word", "nax", "n"};
    if (name == "TARGET_PRICE_RE")
        own = {"target", "TARGET", ":", "=", "gi\u00E1", "m\u1EE5c", "ti\u00EAu", "@", "usd", "USD", "eur",
               "hkd", "/", "/pc", "(", ")", "."};
    if (name == "QTY_EN_RE")
        own = {"pcs", "PCS", "tons", "ton", "kg", "kgs", "sets", "setsx", "box", "boxes", "thousand", "ft",
               "fcl", "20ft", "20FT", "x", ".", "meters"};
    if (name == "QTY_VI_RE") own = {"c\u00E1i", "b\u1ED9", "t\u1EA5n", "th\u00F9ng", "ki\u1EC7n", "cu\u1ED9n", "c\u00E1"};
    if (name == "ORIGIN_VI_RE")
        own = {"xu\u1EA5t", "x\u1EE9", "vi\u1EC7t nam", "(", ")", ";", ":", "0", "ph\u00E1p", "xu\u1EA5t x\u1EE9 "};
    if (name == "EMPTY_PARENS_RE") own = {"(", ")", ":", ",", "( ", " )", "x"};
    if (name == "DIMS_RE")
        own = {"x", "X", "\u00D7", "mm", "cm", "m", "kg", "ml", "l", "kw", "kva", "v", "ah", "w", "hz", "khz",
               "mhz", "rpm", "psi", "mpa", "bar", "inch", "inches", "oz", "\u017F", "k", " x ", "x ", "  x", "1.5",
               "1.5.", ".5", "1x", "2 x ", "3,5\u00D7", "4x5x"};  // links, so that long chains are common
    own.insert(own.end(), COMMON.begin(), COMMON.end());
    return own;
}

std::string subject(std::mt19937& rng, const std::vector<std::string>& pieces) {
    std::uniform_int_distribution<std::size_t> count(0, 14);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string s;
    for (std::size_t n = count(rng); n > 0; --n) s += pieces[pick(rng)];
    return s;
}

// Offsets the lookbehind forms are used from; the other forms are checked from every offset.
bool usable_offset(std::string_view name, std::string_view s, std::size_t at) {
    if (at > 0 && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) return false;  // inside a character
    if (name != "QTY_EN_RE" && name != "QTY_VI_RE" && name != "DIMS_RE") return true;
    if (at == 0) return true;
    std::size_t start = at - 1;
    while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
    const std::string_view prev = s.substr(start, at - start);
    static const tarsk::Pattern spacer(R"(^[,.\s\dxX×]$)");
    return !spacer.is_match(prev);
}

void expect_same(const PatternForm& f, const tarsk::Pattern& quoted, const tarsk::Pattern& compiled,
                 const std::string& s) {
    const auto a = quoted.find_all(s);
    const auto b = compiled.find_all(s);
    ASSERT_EQ(a.size(), b.size()) << f.name << " on «" << s << "»";
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i].groups, b[i].groups) << f.name << " match " << i << " on «" << s << "»";
    for (std::size_t at = 1; at <= s.size(); ++at) {
        if (!usable_offset(f.name, s, at)) continue;
        const auto x = quoted.find(s, at);
        const auto y = compiled.find(s, at);
        ASSERT_EQ(x.has_value(), y.has_value()) << f.name << " from " << at << " on «" << s << "»";
        if (x) {
            ASSERT_EQ(x->groups, y->groups) << f.name << " from " << at << " on «" << s << "»";
        }
    }
}

TEST(ItemPatternForms, CompiledFormsFindWhatTheQuotedFormsFind) {
    for (const PatternForm& f : ITEM_PATTERN_FORMS) {
        ASSERT_FALSE(f.compiled.empty()) << f.name;
        const tarsk::Pattern quoted(f.text);
        const tarsk::Pattern compiled(f.text, f.compiled);
        const auto pieces = pieces_for(f.name);
        std::mt19937 rng(20240611);
        for (int i = 0; i < 6000; ++i) expect_same(f, quoted, compiled, subject(rng, pieces));
    }
}

TEST(ItemPatternForms, HandPickedNearMisses) {
    // Each line stresses one rewrite: numbers giving back digits to "20ft", numbers continued by
    // a comma, spaced dimension chains, runs before a keyword, a keyword before runs.
    const char* const subjects[] = {
        "120ft fcl", "1.520ft fcl", "1,5,3 kg", "a1,5,3 kg", "1.25.3mm", "box 1mm", "a x 1mm",
        "1 x 2 x 3mm", "1  x 2  x3   x 4 mm", "1.5 x 1.5 x 2.5.3 mm", "1.5x1.5x1.5", "1x2,5,3x4mm", "1,1x1,1x1,1x1", "1,1x1,1x1,1mm", "1      x1      x1",
        "1      x1      x1.2.3 mm", "1 x 2 x 3,4,5mm", "5,  3mm", "5 ,3mm", ",, 5 kg", "  spec:  spec: x", "spec: spec:",
        "target 5 target 6", "( target  : 5 usd/kg).", "@ 5,5/pc)", "(  ,  )( : )(:)( ,:)",
        "xuất  xứ   việt nam, x", "****a**b***", "*a", "qty: n/a  \u0301", "5 mx5 m", "2 20ft fcl",
        // Chains whose last link is cut short, ends the text, or is followed by a unit or not.
        "1x2x3x4x5", "1x2x3x4x5 mm", "1x2x3x4x", "1x2x3x  ", "1x2x3xmm", "1x2x3x,4mm", "1x2x3x 4.5.6 mm",
        "1x2 x\u00A0x 3 mm", "1 x 2 x 3 x 4,5.6,7x8 cm", "1x2x3 x 4x", "1x2x3 xx4 mm", "1x2x3x4x5x6x7x8x9 kw",
    };
    for (const PatternForm& f : ITEM_PATTERN_FORMS) {
        const tarsk::Pattern quoted(f.text);
        const tarsk::Pattern compiled(f.text, f.compiled);
        for (const char* s : subjects) expect_same(f, quoted, compiled, s);
    }
}

}  // namespace
