#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "brellin/records.hpp"
#include "tarsk/pattern.hpp"

namespace brellin {

const tarsk::Pattern& BOLD_RE();
const tarsk::Pattern& PRODUCT_PREFIX_RE();
const tarsk::Pattern& SPEC_LABEL_RE();
const tarsk::Pattern& QTY_NA_RE();
const tarsk::Pattern& TARGET_PRICE_RE();
const tarsk::Pattern& QTY_EN_RE();
const tarsk::Pattern& QTY_VI_RE();
const tarsk::Pattern& ORIGIN_VI_RE();
const tarsk::Pattern& EMPTY_PARENS_RE();
const tarsk::Pattern& DIMS_RE();

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
