// The search phrases of a line item (its `queries`), built from the groups of its parse.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "brellin/records.hpp"

namespace brellin {

// The quantity prefix of a group's phrases: the quantity (and range) written by format_number
// and the unit; none when the group has no quantity.
std::optional<std::string> query_prefix(const tarsk::Group& group);
// One phrase per chunk (the prefix, the chunk and its group's lists), or one quantity phrase for
// a group without chunks; every phrase ends with all the item's dimensions.
std::vector<std::string> build_queries(const std::vector<tarsk::Group>& groups,
                                       const std::vector<std::string>& dims);

}  // namespace brellin
