#include "dims_reference.hpp"
#include "item_steps.hpp"
#include "tarsk/text.hpp"

namespace brellin {

void take_dimensions_plain(std::string& working, std::vector<std::string>& dims) {
    for (;;) {
        const std::string lowered = tarsk::to_lower(working);
        const auto m = DIMS_RE().find(lowered);
        if (!m) return;
        dims.emplace_back(tarsk::trim(m->str(lowered, 1)));
        const std::string_view phrase = m->str(lowered);
        const std::size_t at = lowered.find(phrase);
        working = cut_span(working, lowered, at, at + phrase.size());
    }
}

}  // namespace brellin
