#include <cstddef>
#include <string>
#include <vector>

#include "brellin/segmenter.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"
#include "segmenter_parts.hpp"

namespace brellin {

namespace {

std::string join_lines(const std::vector<std::string_view>& lines) {
    std::string out;
    // Each line is copied once.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += '\n';
        out += lines[i];
    }
    return out;
}

}  // namespace

Segments segment_by_lines(std::string_view text) {
    Segments out;
    std::vector<std::string_view> preamble;
    std::vector<std::string_view> trade;
    bool in_trade = false;
    bool seen_item = false;
    std::size_t start = 0;
    // Lines are disjoint: each byte is passed once by the line-feed search, at most once by the
    // trim of its line, at most once by each of the two line patterns (a line is tested only
    // until a flag settles it) and copied at most once.
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        // Trimming also removes the carriage return of a CRLF line end.
        const std::string_view line = tarsk::trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (in_trade) {
            trade.push_back(line);
        } else if (pattern(Pat::TRADE_HEADER_RE).is_match(line)) {
            trade.push_back(line);
            in_trade = true;
        } else if (seen_item) {
            out.items.emplace_back(line);
        } else if (pattern(Pat::ITEM_LINE_RE).is_match(line)) {
            out.items.emplace_back(line);
            seen_item = true;
        } else {
            preamble.push_back(line);
        }
    }
    out.preamble = join_lines(preamble);
    out.trailer = join_lines(trade);
    return out;
}

}  // namespace brellin
