#include "brellin/segmenter.hpp"

#include "patterns.hpp"
#include "segmenter_parts.hpp"

namespace brellin {

// One search that stops at the first match.
bool looks_like_rfq(std::string_view text) { return pattern(Pat::RFQ_DETECT_RE).is_match(text); }

// At most two searches that stop at their first match, then one strategy (see each).
Segments segment_document(std::string_view text) {
    const tarsk::Pattern& numbered = pattern(Pat::NUMBERED_ITEM_RE);
    if (numbered.is_match(text)) return split_by_marker(text, numbered);
    const tarsk::Pattern& bullet = pattern(Pat::BULLET_ITEM_RE);
    if (bullet.is_match(text)) return split_by_marker(text, bullet);
    return segment_by_lines(text);
}

}  // namespace brellin
