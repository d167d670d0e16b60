#include <cstddef>
#include <string>
#include <vector>

#include "brellin/segmenter.hpp"
#include "segmenter_parts.hpp"
#include "occurrence.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/text.hpp"

namespace brellin {

// One left-to-right search for all markers, one pass over the pieces between them, and for the
// trailer one backward search for the last item (it stops at its first hit) and one trim.
Segments split_by_marker(std::string_view text, const tarsk::Pattern& marker) {
    const std::vector<tarsk::Match> markers = marker.find_all(text);
    Segments out;
    if (markers.empty()) {
        out.preamble = std::string(text);
        return out;
    }
    out.preamble = std::string(tarsk::trim(text.substr(0, markers.front().start())));
    // The pieces are disjoint: each byte is trimmed at most once and copied at most once.
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const std::size_t from = markers[i].end();
        const std::size_t to = i + 1 < markers.size() ? markers[i + 1].start() : text.size();
        const std::string_view piece = tarsk::trim(text.substr(from, to - from));
        if (!piece.empty()) out.items.emplace_back(piece);
    }
    if (!out.items.empty()) {
        const std::string& last = out.items.back();
        const std::size_t at = last_occurrence(text, last);
        out.trailer = std::string(tarsk::trim(text.substr(at + last.size())));
    }
    return out;
}

}  // namespace brellin
