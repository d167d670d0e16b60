#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "brellin/records.hpp"
#include "tarsk/pattern.hpp"

namespace brellin {

// Takes price, currency, quantity, unit, origin and dimensions out of one line item and
// rebuilds its text with the quantity and unit in front.
NormalizedItem normalize_item(std::string_view text);

// Removes from `working` the characters whose lower-case forms make up bytes
// [start, end) of `lowered` (= to_lower(working)).
std::string cut_span(std::string_view working, std::string_view lowered, std::size_t start,
                     std::size_t end);

// Full upper-case mapping of the first character, the rest unchanged.
std::string capitalize_first(std::string_view text);

}  // namespace brellin
