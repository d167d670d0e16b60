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
    std::string w = BOLD_RE().replace_all(tarsk::trim(text), "$1");
    // Each trailing point is looked at and dropped once.
    while (!w.empty() && w.back() == '.') w.pop_back();
    w = PRODUCT_PREFIX_RE().replace_first(w, "");
    w = SPEC_LABEL_RE().replace_all(w, ", ");
    return QTY_NA_RE().replace_all(w, "");
}

// One search for the first match, then one erase that moves the rest of the text once.
void take_target_price(std::string& working, NormalizedItem& item) {
    const auto m = TARGET_PRICE_RE().find(working);
    if (!m) return;
    item.price = tarsk::read_number(m->str(working, 1));
    if (m->has(2)) item.currency = tarsk::to_upper(m->str(working, 2));
    working.erase(m->start(), m->end() - m->start());
}

}  // namespace brellin
