#include "item_pattern_forms.hpp"

#include "brellin/item_normalizer.hpp"

namespace brellin {

// Why each compiled form agrees with its text:
// - possessive parts only where the next element can never start with what they gave back;
// - (*SKIP) after a leading white-space run: every start inside that run reaches the same
//   point and fails the same way;
// - lookbehind starts: a match starting just after a comma, white space or digit of the same
//   run implies an earlier match, so such starts are never leftmost; in a dimension chain the
//   same holds after "digit, blanks, x" and for a decimal part that no further decimal part
//   follows, since the chain's first number parses through them the same way;
// - a dimension chain taken possessively: giving back a link leaves its blanks and "x" next,
//   giving back part of a number leaves a digit, comma or point next, and no unit begins with
//   any of these;
// - (*SKIP) just after the last "x" of a dimension chain, reached when no unit follows it:
//   every start before that "x" runs through the same chain to the same end (an inner number is
//   followed by an "x", which no unit begins with), so it fails the same way; the last number
//   is tried again.
// The skip only works outside atomic groups and possessive repetitions (backtracking never
// re-enters them, so it would never reach a (*SKIP) inside), so the last link stands on its own
// after the repetition, which takes a link only when another one follows (a link matches
// exactly when blanks, "x", blanks and a digit do). Nothing in the forms repeats a group that
// can give back, so their stack use does not grow with the text.
const std::array<PatternForm, 10> ITEM_PATTERN_FORMS = {{
    {"BOLD_RE", R"(\*{1,3}([^*]+)\*{1,3})", R"(\*{1,3}+([^*]++)\*{1,3}+)"},
    {"PRODUCT_PREFIX_RE", R"((?i)^\s*product\s*:\s*)", R"((?i)^\s*+product\s*+:\s*+)"},
    {"SPEC_LABEL_RE", R"((?i),?\s*spec\s*:\s*)", R"((?i),?+\s*+(*SKIP)spec\s*+:\s*+)"},
    {"QTY_NA_RE", R"((?i),?\s*qty\s*:\s*(?:n/a|nil|tbd|na)(?:\s+\w+)?)",
     R"((?i),?+\s*+(*SKIP)qty\s*+:\s*+(?:n/a|nil|tbd|na)(?:\s++\w++)?+)"},
    {"TARGET_PRICE_RE",
     R"((?i)[,(]?\s*(?:target\s*[:=]?\s*|giá\s+mục\s+tiêu\s*|@\s*)(\d+(?:[.,]\d+)?)\s*(USD|EUR|GBP|CNY|JPY|VND|SGD)?\s*(?:/[^\s,).]+)?\s*[.)]?)",
     R"((?i)[,(]?+\s*+(*SKIP)(?:target\s*+[:=]?+\s*+|giá\s++mục\s++tiêu\s*+|@\s*+)(\d++(?:[.,]\d++)?+)\s*+(USD|EUR|GBP|CNY|JPY|VND|SGD)?+\s*+(?:/[^\s,).]++)?+\s*+[.)]?+)"},
    // The number stays backtracking here: "120ft fcl" reads as 1 and "20ft fcl".
    {"QTY_EN_RE",
     R"((?i),?\s*(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)",
     R"((?i)(?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)"},
    {"QTY_VI_RE", R"(,?\s*(\d+(?:[.,]\d+)?)\s*(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))",
     R"((?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d++(?:[.,]\d++)?+)\s*+(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))"},
    {"ORIGIN_VI_RE", R"(xuất\s+xứ\s+([^\s,;:.()0-9][^,;:.()0-9]*))",
     R"(xuất\s++xứ\s++([^\s,;:.()0-9][^,;:.()0-9]*+))"},
    {"EMPTY_PARENS_RE", R"(\(\s*[,\s]*\)|\(\s*:\s*\))", R"(\([,\s]*+\)|\(\s*+:\s*+\))"},
    {"DIMS_RE",
     R"((?i),?\s*(\d+(?:[.,]\d+)?(?:\s*[xX×]\s*\d+(?:[.,]\d+)?)*\s*(?:mm|cm|m\b|oz|kg\b|ml\b|l\b|kw\b|mw\b|kva\b|v\b|ah\b|w\b|khz\b|hz\b|mhz\b|rpm\b|psi\b|mpa\b|bar\b|inch(?:es)?\b)))",
     R"((?i)(?:,|(?<![,\s]|\d[xX×]|\d\s[xX×]|\d\s\s[xX×]|\d\s\s\s[xX×]|\d\s\s\s\s[xX×])(?=\s)|(?<![,\s\d]|\d[xX×]|\d\s[xX×]|\d\s\s[xX×]|\d\s\s\s[xX×]|\d\s\s\s\s[xX×])(?!(?<=\d[.,])\d++(?![.,]\d))(?=\d)))"
     R"(\s*+(\d++(?:[.,]\d++)?+(?:\s*+[xX×]\s*+\d++(?:[.,]\d++)?+(?=\s*+[xX×]\s*+\d))*+)"
     R"((?:\s*+[xX×](*SKIP)\s*+\d++(?:[.,]\d++)?+)?\s*+(?:mm|cm|m\b|oz|kg\b|ml\b|l\b|kw\b|mw\b|kva\b|v\b|ah\b|w\b|khz\b|hz\b|mhz\b|rpm\b|psi\b|mpa\b|bar\b|inch(?:es)?\b)))"},
}};

namespace {

tarsk::Pattern build(std::size_t i) { return tarsk::Pattern(ITEM_PATTERN_FORMS[i].text, ITEM_PATTERN_FORMS[i].compiled); }

}  // namespace

const tarsk::Pattern& BOLD_RE() {
    static const tarsk::Pattern p = build(0);
    return p;
}
const tarsk::Pattern& PRODUCT_PREFIX_RE() {
    static const tarsk::Pattern p = build(1);
    return p;
}
const tarsk::Pattern& SPEC_LABEL_RE() {
    static const tarsk::Pattern p = build(2);
    return p;
}
const tarsk::Pattern& QTY_NA_RE() {
    static const tarsk::Pattern p = build(3);
    return p;
}
const tarsk::Pattern& TARGET_PRICE_RE() {
    static const tarsk::Pattern p = build(4);
    return p;
}
const tarsk::Pattern& QTY_EN_RE() {
    static const tarsk::Pattern p = build(5);
    return p;
}
const tarsk::Pattern& QTY_VI_RE() {
    static const tarsk::Pattern p = build(6);
    return p;
}
const tarsk::Pattern& ORIGIN_VI_RE() {
    static const tarsk::Pattern p = build(7);
    return p;
}
const tarsk::Pattern& EMPTY_PARENS_RE() {
    static const tarsk::Pattern p = build(8);
    return p;
}
const tarsk::Pattern& DIMS_RE() {
    static const tarsk::Pattern p = build(9);
    return p;
}

}  // namespace brellin
