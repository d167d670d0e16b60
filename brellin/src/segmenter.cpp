#include "brellin/segmenter.hpp"

namespace brellin {

// The list-marker patterns start with (?m)^\s*, which PCRE2's interpreter retries at every line
// start of a run of blank lines (quadratic; only a JIT shortcut hides it). The forms run instead
// take the run once, possessively (the marker that must follow is never white space), and (*SKIP)
// resumes the search at the run's end: every line start inside the run ends at the same place and
// fails the same way. RFQ_DETECT_RE moves those alternatives last so that the skip cannot pass
// over the others; no two alternatives can match at one position (they begin with white space, a
// digit or a bullet; "t"; "p" or "l").
const tarsk::Pattern& RFQ_DETECT_RE() {
    static const tarsk::Pattern p(
        R"((?mi)^\s*\d+[.)]\s|^\s*[-•*·]\s|\btarget\s+\d|\b(?:payment\s+terms?|lead[\s-]?time)\b)",
        R"((?mi)\btarget\s+\d|\b(?:payment\s+terms?|lead[\s-]?time)\b|^\s*+(*SKIP)(?:\d+[.)]|[-•*·])\s)");
    return p;
}

const tarsk::Pattern& NUMBERED_ITEM_RE() {
    static const tarsk::Pattern p(R"((?m)^\s*\d+[.)]\s+)", R"((?m)^\s*+(*SKIP)\d+[.)]\s+)");
    return p;
}

const tarsk::Pattern& BULLET_ITEM_RE() {
    static const tarsk::Pattern p(R"((?m)^\s*[-•*·]\s+)", R"((?m)^\s*+(*SKIP)[-•*·]\s+)");
    return p;
}

const tarsk::Pattern& ITEM_LINE_RE() {
    static const tarsk::Pattern p(
        R"((?i)^\s*\d|\b(?:pcs|pieces?|sets?|kg|tons?|rolls?|sheets?|drums?|pallets?|cartons?|reels?|boxes?|meters?|litres?|liters?|fcl)\b)");
    return p;
}

const tarsk::Pattern& TRADE_HEADER_RE() {
    static const tarsk::Pattern p(
        R"((?i)^\s*(?:lead[\s-]?time|payment\s+terms?|incoterms?|delivery\s+(?:time|terms?)|shipping\s+(?:time|terms?)|port\s+of\s+(?:loading|discharge)))");
    return p;
}

// One search that stops at the first match.
bool looks_like_rfq(std::string_view text) { return RFQ_DETECT_RE().is_match(text); }

// At most two searches that stop at their first match, then one strategy (see each).
Segments segment_document(std::string_view text) {
    if (NUMBERED_ITEM_RE().is_match(text)) return split_by_marker(text, NUMBERED_ITEM_RE());
    if (BULLET_ITEM_RE().is_match(text)) return split_by_marker(text, BULLET_ITEM_RE());
    return segment_by_lines(text);
}

}  // namespace brellin
