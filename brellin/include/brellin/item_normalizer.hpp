// The line-item normaliser: price, currency, quantity, unit, origin and dimensions taken out of
// one item's text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "brellin/records.hpp"

namespace brellin {

// Takes price, currency, quantity, unit, origin and dimensions out of one line item and
// rebuilds its text with the quantity and unit in front.
NormalizedItem normalize_item(std::string_view text);

}  // namespace brellin
