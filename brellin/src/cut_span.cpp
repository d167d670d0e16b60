#include <string>

#include "brellin/item_normalizer.hpp"
#include "lower_case.hpp"
#include "item_steps.hpp"

namespace brellin {

// One carry_span walk over the working text and one copy of what stays: a caller that cuts once
// per item stays linear; cutting once per match would walk the whole text per match.
std::string cut_span(std::string_view working, std::string_view lowered, std::size_t start, std::size_t end) {
    if (start >= end) return std::string(working);
    const CarriedSpan span = carry_span(working, lowered, start, end);
    std::string out(working.substr(0, span.start));
    out += working.substr(span.end);
    return out;
}

}  // namespace brellin
