// Every pattern that runs another form than the one written: both forms side by side on
// generated and hand-picked texts, with the same matches, spans and groups required.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "dims_reference.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/text.hpp"

namespace brellin {
// Names the pattern in test output instead of dumping the record's bytes.
void PrintTo(const PatternForm& f, std::ostream* os) { *os << f.name; }
}  // namespace brellin

namespace {

using brellin::PatternForm;

// Separators and digits of both kinds, blanks across line ends, for every pattern.
const std::vector<std::string> COMMON = {
    " ", "  ", "\t", "\n", "\n", "\r", "\r\n", "\u00A0", "\u2028", "\u3000", ",", ".", "1", "20", "5", "007", "1,5",
    "2.5", "\u0663", "\uFF15", "a", "\u00E9", "\u0301", "_", "x", "T", "\u017F", "\u212A",
};

// Each pattern's own keywords in several cases, so that near-misses are common.
const std::map<std::string_view, std::vector<std::string>> OWN = {
    {"RFQ_DETECT_RE", {")", ":", "-", "\u2022", "*", "\u00B7", "p", "L", "target", "TARGET", "sub", "payment",
                       "terms", "term", "lead", "time", "Lead-time"}},
    {"NUMBERED_ITEM_RE", {")", ":", "-", "1.", "2)", "\u0663."}},
    {"BULLET_ITEM_RE", {"-", "\u2022", "*", "\u00B7", "- ", "* "}},
    {"ITEM_LINE_RE", {"pcs", "PCS", "pieces", "piece", "sets", "set", "kg", "kgs", "tons", "rolls", "sheet", "drums",
                      "pallets", "cartons", "reels", "boxes", "meters", "litres", "liters", "fcl", "xfcl", "-"}},
    {"CURRENCY_RE", {"USD", "usd", "EUR", "GBP", "CNY", "JPY", "KRW", "VND", "SGD", "AUD", "CAD", "USDX", "A"}},
    {"INCOTERM_RE", {"EXW", "FCA", "FAS", "FOB", "CFR", "CIF", "CPT", "CIP", "DAP", "DPU", "DDP", "FOBS", "fob"}},
    {"INCOTERM_PLACE_RE", {"FOB", "CIF", "DDP", "EXW", "Shanghai", "Ho", "Chi", "Minh", "hamburg", "HCM"}},
    {"DESTINATION_RE", {"to", "To", "TO", "for", "deliver", "delivery", "destination", "Hamburg", "Ha", "Noi", "into"}},
    {"BOLD_RE", {"*", "**", "***", "****", "b c"}},
    {"PRODUCT_PREFIX_RE", {"product", "Product", "PRODUCT", "product:", ":", "::"}},
    {"SPEC_LABEL_RE", {"spec", "SPEC", "Spec", ":", ",,"}},
    {"QTY_NA_RE", {"qty", "QTY", "qty:", "Qty :", ":", "n/a", "na", "nil", "TBD", "word", "nax", "n"}},
    {"TARGET_PRICE_RE", {"target", "TARGET", ":", "=", "gi\u00E1", "m\u1EE5c", "ti\u00EAu", "@", "usd", "USD",
                         "eur", "hkd", "/", "/pc", "(", ")"}},
    {"QTY_EN_RE", {"pcs", "PCS", "tons", "ton", "kg", "kgs", "sets", "setsx", "box", "boxes", "thousand", "ft",
                   "fcl", "20ft", "20FT", "meters"}},
    {"QTY_VI_RE", {"c\u00E1i", "b\u1ED9", "t\u1EA5n", "th\u00F9ng", "ki\u1EC7n", "cu\u1ED9n", "c\u00E1"}},
    {"ORIGIN_VI_RE", {"xu\u1EA5t", "x\u1EE9", "vi\u1EC7t nam", "(", ")", ";", ":", "0", "ph\u00E1p",
                      "xu\u1EA5t x\u1EE9 "}},
    {"EMPTY_PARENS_RE", {"(", ")", ":", "( ", " )"}},
    // Links, so that long chains are common.
    {"DIMS_RE", {"X", "\u00D7", "mm", "cm", "m", "kg", "ml", "l", "kw", "kva", "v", "ah", "w", "hz", "khz", "mhz",
                 "rpm", "psi", "mpa", "bar", "inch", "inches", "oz", "k", " x ", "x ", "  x", "1.5", "1.5.", ".5",
                 "1x", "2 x ", "3,5\u00D7", "4x5x"}},
};

// Hand-picked texts: blank runs ending in a marker or not, numbers giving back digits to
// "20ft", numbers continued by a comma, spaced dimension chains cut short or not, runs before
// a keyword and keywords before runs.
const std::vector<std::string> NEAR_MISSES = {
    "\n\n\n1. a", "\n \n\t\n1.", "\n\n\nx\n\n2) b", "- \n\n\n1. x", "-\n\n\n1. x", "1.\n\n\n",
    "a\n  \n  \n  - b\n  \n*\n", "\n\n\n", "target\n\n5", "\n\n\ntarget 5", "1)\r\n\r\n2)\r\n",
    "\u00B7\u00A0\n\u2022\n", "\n\n\u0663. x", "120ft fcl", "1.520ft fcl", "1,5,3 kg", "a1,5,3 kg", "1.25.3mm",
    "box 1mm", "a x 1mm", "1 x 2 x 3mm", "1  x 2  x3   x 4 mm", "1.5 x 1.5 x 2.5.3 mm", "1.5x1.5x1.5", "1x2,5,3x4mm",
    "1,1x1,1x1,1x1", "1,1x1,1x1,1mm", "1      x1      x1", "1      x1      x1.2.3 mm", "1 x 2 x 3,4,5mm", "5,  3mm",
    "5 ,3mm", ",, 5 kg", "  spec:  spec: x", "spec: spec:", "target 5 target 6", "( target  : 5 usd/kg).",
    "@ 5,5/pc)", "(  ,  )( : )(:)( ,:)", "xu\u1EA5t  x\u1EE9   vi\u1EC7t nam, x", "****a**b***", "*a",
    "qty: n/a  \u0301", "5 mx5 m", "2 20ft fcl", "1x2x3x4x5", "1x2x3x4x5 mm", "1x2x3x4x", "1x2x3x  ", "1x2x3xmm",
    "1x2x3x,4mm", "1x2x3x 4.5.6 mm", "1x2 x\u00A0x 3 mm", "1 x 2 x 3 x 4,5.6,7x8 cm", "1x2x3 x 4x", "1x2x3 xx4 mm",
    "1x2x3x4x5x6x7x8x9 kw",
};

// The lookbehind forms equal the written ones for searches from the start, from the end of a
// previous match, and from a place whose previous character cannot continue a phrase.
bool lookbehind_form(std::string_view name) { return name == "QTY_EN_RE" || name == "QTY_VI_RE" || name == "DIMS_RE"; }

bool usable_offset(std::string_view name, std::string_view s, std::size_t at) {
    if (at > 0 && at < s.size() && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80) return false;
    if (!lookbehind_form(name) || at == 0) return true;
    std::size_t start = at - 1;
    while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
    static const tarsk::Pattern spacer(R"(^[,.\s\dxX×]$)");
    return !spacer.is_match(s.substr(start, at - start));
}

void expect_same(const PatternForm& f, const tarsk::Pattern& written, const tarsk::Pattern& run,
                 const std::string& s) {
    const auto a = written.find_all(s);
    const auto b = run.find_all(s);
    ASSERT_EQ(a.size(), b.size()) << f.name << " on «" << s << "»";
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i].groups, b[i].groups) << f.name << " match " << i << " on «" << s << "»";
    ASSERT_EQ(written.is_match(s), run.is_match(s)) << f.name << " on «" << s << "»";
    for (std::size_t at = 1; at <= s.size(); ++at) {
        if (!usable_offset(f.name, s, at)) continue;
        const auto x = written.find(s, at);
        const auto y = run.find(s, at);
        ASSERT_EQ(x.has_value(), y.has_value()) << f.name << " from " << at << " on «" << s << "»";
        if (x) {
            ASSERT_EQ(x->groups, y->groups) << f.name << " from " << at << " on «" << s << "»";
        }
    }
}

std::vector<std::string> pieces_for(std::string_view name) {
    std::vector<std::string> pieces = COMMON;
    const auto own = OWN.find(name);
    if (own != OWN.end()) pieces.insert(pieces.end(), own->second.begin(), own->second.end());
    return pieces;
}

class RunForms : public testing::TestWithParam<PatternForm> {};

TEST_P(RunForms, FindWhatTheWrittenFormsFind) {
    const PatternForm& f = GetParam();
    const tarsk::Pattern written(f.written);
    const tarsk::Pattern run(f.written, f.run);
    const std::vector<std::string> pieces = pieces_for(f.name);
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::size_t> count(0, 30);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int i = 0; i < 8000; ++i) {
        std::string s;
        for (std::size_t n = count(rng); n > 0; --n) s += pieces[pick(rng)];
        expect_same(f, written, run, s);
        if (HasFatalFailure()) return;
    }
    for (const std::string& s : NEAR_MISSES) expect_same(f, written, run, s);
}

std::vector<PatternForm> forms_with_a_run_form() {
    std::vector<PatternForm> out;
    for (const PatternForm& f : brellin::every_pattern_form()) {
        if (!f.run.empty()) out.push_back(f);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Patterns, RunForms, testing::ValuesIn(forms_with_a_run_form()),
                         [](const testing::TestParamInfo<PatternForm>& info) { return std::string(info.param.name); });

TEST(PatternTable, EveryRunFormSaysWhyAndNamesAreUnique) {
    std::map<std::string_view, int> seen;
    for (const PatternForm& f : brellin::every_pattern_form()) {
        EXPECT_EQ(++seen[f.name], 1) << f.name;
        EXPECT_EQ(f.run.empty(), brellin::why_text(f).empty()) << f.name;
    }
    // The shipped table holds no DIMS_RE: the dimension step runs an automaton.
    EXPECT_EQ(seen["DIMS_RE"], 1);
    EXPECT_EQ(brellin::DIMS_RE().written_text(), brellin::DIMS_RE_FORM.written);
    EXPECT_EQ(brellin::DIMS_RE().run_text(), brellin::DIMS_RE_FORM.run);
}

// Each enumerator reaches its own entry, and the pattern compiled from it.
TEST(PatternTable, EachPatternIsCompiledFromItsOwnEntry) {
    const auto all = brellin::all_patterns();
    ASSERT_EQ(all.size(), brellin::PATTERN_COUNT + 1);  // NUMBER_RE first
    for (std::size_t i = 0; i < brellin::PATTERN_COUNT; ++i) {
        const auto p = static_cast<brellin::Pat>(i);
        const PatternForm& f = brellin::pattern_form(p);
        EXPECT_EQ(&f, &brellin::PATTERN_FORMS[i]) << f.name;
        EXPECT_NE(f.name, "DIMS_RE");
        EXPECT_EQ(brellin::pattern(p).written_text(), f.written) << f.name;
        EXPECT_EQ(brellin::pattern(p).run_text(), f.run) << f.name;
        EXPECT_EQ(&brellin::pattern(p), all[i + 1]) << f.name;
    }
}

// The parts of a reason are joined with single spaces, skipping the unused ones.
TEST(PatternTable, WhyTextJoinsItsParts) {
    EXPECT_EQ(brellin::why_text({"A", "a", "b", {"One.", "", "Two."}}), "One. Two.");
    EXPECT_EQ(brellin::why_text({"A", "a", {}, {}}), "");
    const std::string qty = brellin::why_text(brellin::pattern_form(brellin::Pat::QTY_VI_RE));
    EXPECT_EQ(qty.find("  "), std::string::npos);
    EXPECT_NE(qty.find("A first look at the one character"), std::string::npos);
}

}  // namespace
