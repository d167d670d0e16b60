// Linear-time searches for a literal text (the matched phrases may be long and repetitive, and
// std::string_view::find and rfind compare up to the whole needle at every position).
#pragma once

#include <cstddef>
#include <string_view>

namespace brellin {

// Start of the first occurrence of `needle` in `hay` at or after `from`; npos when none.
std::size_t first_occurrence(std::string_view hay, std::string_view needle, std::size_t from = 0);
// Start of the last occurrence of `needle` in `hay` at or after `from`; npos when none (as
// rfind, an empty needle is found at the end). Searches from the end and stops at the first hit.
std::size_t last_occurrence(std::string_view hay, std::string_view needle, std::size_t from = 0);

}  // namespace brellin
