#include "brellin/item_normalizer.hpp"

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
    while (!out.empty() && out.back() == ':') out.pop_back();
    return std::string(tarsk::trim(out));
}

// Eleven steps, each a fixed number of passes over the working text as it finds it (see the
// steps). The working text never grows: every replacement is shorter than what it replaces.
NormalizedItem normalize_item(std::string_view text) {
    NormalizedItem item;
    std::string working = clean_item(text);
    take_target_price(working, item);
    take_quantity(working, item);
    take_origin(working, item);
    working = EMPTY_PARENS_RE().replace_all(working, "");
    take_dimensions(working, item.dims);
    working = dissolve_commas(working);
    if (item.qty) {
        item.text = tarsk::format_number(*item.qty, 2) + " " + *item.uom + " " + working;
    } else {
        item.text = std::move(working);
    }
    return item;
}

}  // namespace brellin
