// The steps of normalize_item, each on the working text and the record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brellin/records.hpp"

namespace brellin {

// Trimming, bold mark-up, trailing points, product label, spec labels, "qty: n/a".
std::string clean_item(std::string_view text);
void take_target_price(std::string& working, NormalizedItem& item);
void take_quantity(std::string& working, NormalizedItem& item);
void take_origin(std::string& working, NormalizedItem& item);
// Dimension phrases, in one pass over one lower-cased copy (item_dimensions.cpp); the plain
// reference it is checked against is test support (brellin/testing/dims_reference.hpp).
void take_dimensions(std::string& working, std::vector<std::string>& dims);
// Splits at commas, trims and joins the pieces with one blank, drops trailing colons.
std::string dissolve_commas(std::string_view working);

// Removes from `working` the characters whose lower-case forms make up bytes
// [start, end) of `lowered` (= to_lower(working)).
std::string cut_span(std::string_view working, std::string_view lowered, std::size_t start,
                     std::size_t end);

// Full upper-case mapping of the first character, the rest unchanged.
std::string capitalize_first(std::string_view text);

}  // namespace brellin
