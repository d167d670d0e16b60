#include "dims_reference.hpp"

namespace brellin {

// The plain step searches with the run form; the pattern-form tests and the fuzz checks run it
// beside the written text.
const PatternForm DIMS_RE_FORM = {
    "DIMS_RE",
    R"((?i),?\s*(\d+(?:[.,]\d+)?(?:\s*[xX×]\s*\d+(?:[.,]\d+)?)*\s*(?:mm|cm|m\b|oz|kg\b|ml\b|l\b|kw\b|mw\b|kva\b|v\b|ah\b|w\b|khz\b|hz\b|mhz\b|rpm\b|psi\b|mpa\b|bar\b|inch(?:es)?\b)))",
    R"((?i)(?:,|(?<![,\s]|\d[xX×]|\d\s[xX×]|\d\s\s[xX×]|\d\s\s\s[xX×]|\d\s\s\s\s[xX×])(?=\s)|(?<![,\s\d]|\d[xX×]|\d\s[xX×]|\d\s\s[xX×]|\d\s\s\s[xX×]|\d\s\s\s\s[xX×])(?!(?<=\d[.,])\d++(?![.,]\d))(?=\d)))"
    R"(\s*+(\d++(?:[.,]\d++)?+(?:\s*+[xX×]\s*+\d++(?:[.,]\d++)?+(?=\s*+[xX×]\s*+\d))*+)"
    R"((?:\s*+[xX×](*SKIP)\s*+\d++(?:[.,]\d++)?+)?\s*+(?:mm|cm|m\b|oz|kg\b|ml\b|l\b|kw\b|mw\b|kva\b|v\b|ah\b|w\b|khz\b|hz\b|mhz\b|rpm\b|psi\b|mpa\b|bar\b|inch(?:es)?\b)))",
    {"Lookbehind starts as QTY_EN_RE's, also after digit, blanks and x inside a chain, and after "
     "the decimal point of a number that no further decimal part follows: such starts imply an "
     "earlier match through the same chain. The chain is taken possessively, a link only when "
     "another one follows, since giving back a link leaves blanks and x next and giving back part "
     "of a number leaves a digit, comma or point, and no unit begins with any of these. The last "
     "link stands alone with (*SKIP) just after its x, reached when no unit follows: every start "
     "before that x runs through the same chain to the same end and fails the same way, and the "
     "last number is tried again. No group repeats with anything to give back, so stack use does "
     "not grow with the text."}
};

const tarsk::Pattern& DIMS_RE() {
    static const tarsk::Pattern p(DIMS_RE_FORM.written, DIMS_RE_FORM.run);
    return p;
}

std::vector<PatternForm> every_pattern_form() {
    std::vector<PatternForm> out(PATTERN_FORMS.begin(), PATTERN_FORMS.end());
    out.push_back(DIMS_RE_FORM);
    return out;
}

std::vector<const tarsk::Pattern*> every_pattern() {
    std::vector<const tarsk::Pattern*> out = all_patterns();
    out.push_back(&DIMS_RE());
    return out;
}

}  // namespace brellin
