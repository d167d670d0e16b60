#include "brellin/item_normalizer.hpp"

#include "item_prechecks.hpp"
#include "item_steps.hpp"
#include "tarsk/number.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"

namespace brellin {


// Each step makes a fixed number of passes over the working text as it finds it (see each
// step). The working text never grows: every replacement is shorter than what it replaces.
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
    working = pattern(Pat::EMPTY_PARENS_RE).replace_all(working, "");
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
