#include "brellin/segmenter.hpp"

#include "patterns.hpp"
#include "segmenter_parts.hpp"

namespace brellin {

// One search that stops at the first match.
bool looks_like_rfq(std::string_view text) { return RFQ_DETECT_RE().is_match(text); }

// At most two searches that stop at their first match, then one strategy (see each).
Segments segment_document(std::string_view text) {
    if (NUMBERED_ITEM_RE().is_match(text)) return split_by_marker(text, NUMBERED_ITEM_RE());
    if (BULLET_ITEM_RE().is_match(text)) return split_by_marker(text, BULLET_ITEM_RE());
    return segment_by_lines(text);
}

}  // namespace brellin
