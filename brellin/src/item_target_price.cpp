#include <optional>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"
#include "patterns.hpp"
#include "tarsk/number.hpp"
#include "tarsk/text.hpp"

namespace brellin {

// One search for the first match, then one erase that moves the rest of the text once.
void take_target_price(std::string& working, NormalizedItem& item) {
    const auto m = pattern(Pat::TARGET_PRICE_RE).find(working);
    if (!m) return;
    item.price = tarsk::read_number(m->str(working, 1));
    if (m->has(2)) item.currency = tarsk::to_upper(m->str(working, 2));
    working.erase(m->start(), m->end() - m->start());
}

}  // namespace brellin
