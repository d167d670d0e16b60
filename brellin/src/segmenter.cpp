#include "brellin/segmenter.hpp"

namespace brellin {

const tarsk::Pattern& RFQ_DETECT_RE() {
    static const tarsk::Pattern p(
        R"((?mi)^\s*\d+[.)]\s|^\s*[-•*·]\s|\btarget\s+\d|\b(?:payment\s+terms?|lead[\s-]?time)\b)");
    return p;
}

const tarsk::Pattern& NUMBERED_ITEM_RE() {
    static const tarsk::Pattern p(R"((?m)^\s*\d+[.)]\s+)");
    return p;
}

const tarsk::Pattern& BULLET_ITEM_RE() {
    static const tarsk::Pattern p(R"((?m)^\s*[-•*·]\s+)");
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

bool looks_like_rfq(std::string_view text) { return RFQ_DETECT_RE().is_match(text); }

Segments segment_document(std::string_view text) {
    if (NUMBERED_ITEM_RE().is_match(text)) return split_by_marker(text, NUMBERED_ITEM_RE());
    if (BULLET_ITEM_RE().is_match(text)) return split_by_marker(text, BULLET_ITEM_RE());
    return segment_by_lines(text);
}

}  // namespace brellin
