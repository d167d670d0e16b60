// Substring search that stays linear whatever the texts (std::string_view::rfind is not).
#pragma once

#include <cstddef>
#include <string_view>

namespace brellin {

// Byte position of the last occurrence of `needle` in `haystack`, or npos.
std::size_t last_occurrence(std::string_view haystack, std::string_view needle);

}  // namespace brellin
