#include "brellin/item_normalizer.hpp"

#include "item_prechecks.hpp"
#include "item_steps.hpp"
#include "tarsk/number.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"

namespace brellin {

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

// Eleven steps, each a fixed number of passes over the working text as it finds it (see the
// steps). The working text never grows: every replacement is shorter than what it replaces.
NormalizedItem normalize_item(std::string_view text) {
    NormalizedItem item;
    std::string working = may_need_cleaning(text) ? clean_item(text) : trimmed_item(text);
    // No digit: no price, quantity or dimension. ASCII without "(" or ",": no origin, and no
    // parenthesis to empty. Only the commas step is left.
    if (!may_hold_digit(working) && !may_name_origin(working)) {
        item.text = dissolve_commas(working);
        return item;
    }
    if (may_hold_price(working)) take_target_price(working, item);
    if (may_hold_digit(working)) take_quantity(working, item);
    take_origin(working, item);
    working = EMPTY_PARENS_RE().replace_all(working, "");
    take_dimensions(working, item.dims);
    working = dissolve_commas(working);
    if (item.qty) {
        item.text = tarsk::format_number(*item.qty, 2);
        item.text.reserve(item.text.size() + item.uom->size() + working.size() + 2);
        item.text.append(" ").append(*item.uom).append(" ").append(working);
    } else {
        item.text = std::move(working);
    }
    return item;
}

}  // namespace brellin
