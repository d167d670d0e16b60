#include <optional>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"
#include "tarsk/number.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"

namespace brellin {

// Four replacements, each one left-to-right search of the text and one copy of it (the search
// resumes at the end of each match, so no byte is searched twice by the same replacement).
std::string clean_item(std::string_view text) {
    std::string w = pattern(Pat::BOLD_RE).replace_all(tarsk::trim(text), "$1");
    // Each trailing point is looked at and dropped once.
    while (!w.empty() && w.back() == '.') w.pop_back();
    w = pattern(Pat::PRODUCT_PREFIX_RE).replace_first(w, "");
    w = pattern(Pat::SPEC_LABEL_RE).replace_all(w, ", ");
    return pattern(Pat::QTY_NA_RE).replace_all(w, "");
}

// The comma step: splits at commas, trims and joins the pieces with one blank, drops trailing
// colons.
std::string dissolve_commas(std::string_view working) {
    std::string out;
    std::size_t from = 0;
    // Pieces are disjoint: each byte is passed once by the comma search, at most once by the trim
    // of its piece (from the front or from the back, never both past each other) and copied once.
    for (;;) {
        const std::size_t comma = working.find(',', from);
        const std::string_view piece =
            tarsk::trim(working.substr(from, comma == std::string_view::npos ? comma : comma - from));
        if (!piece.empty()) {
            if (!out.empty()) out += ' ';
            out += piece;
        }
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    // Each trailing colon is looked at and dropped once.
    const std::size_t joined = out.size();
    while (!out.empty() && out.back() == ':') out.pop_back();
    // The pieces are trimmed: only dropping a colon can leave white space at the end.
    if (out.size() == joined) return out;
    return std::string(tarsk::trim(out));
}

}  // namespace brellin
