// Carrying positions between a working text and its lower-cased copy.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tarsk/text.hpp"

namespace brellin {

using tarsk::is_ascii;

// tarsk::to_lower, without the case-mapping service for ASCII text, which maps byte by byte.
std::string lower_copy(std::string_view text);

// Byte length of the full lower-case form of the character at `pos` (as tarsk::to_lower writes
// it); the character's own length goes to `len`.
std::size_t lower_length(std::string_view s, std::size_t pos, std::size_t& len);

// Bytes [start, end) of the working text whose characters' lower-case forms overlap bytes
// [start, end) of `lowered`; a character whose form straddles a boundary belongs to the span.
struct CarriedSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Walks the whole text so that a lowered copy made from a different text is caught.
CarriedSpan carry_span(std::string_view working, std::string_view lowered, std::size_t start, std::size_t end);

}  // namespace brellin
