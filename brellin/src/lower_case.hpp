// Carrying positions between a working text and its lower-cased copy.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace brellin {

// Whether every byte is below 0x80; each byte is looked at once.
bool is_ascii(std::string_view text);

// tarsk::to_lower, without the case-mapping service for ASCII text, whose full lower-case form
// is its A-Z mapped to a-z (no ASCII letter has a longer or context-dependent form).
std::string lower_copy(std::string_view text);

// Byte length of each character's own full lower-case form, looked up once per code point.
class LowerLengths {
public:
    // Lower-case byte length of the character at `pos`; its own length goes to `len`.
    std::size_t at(std::string_view s, std::size_t pos, std::size_t& len);

private:
    std::unordered_map<char32_t, std::size_t> memo_;
};

// Bytes [start, end) of the working text whose characters' lower-case forms overlap bytes
// [start, end) of `lowered`; a character whose form straddles a boundary belongs to the span.
struct CarriedSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Walks the whole text so that a lowered copy made from a different text is caught.
CarriedSpan carry_span(std::string_view working, std::string_view lowered, std::size_t start, std::size_t end,
                       LowerLengths& lengths);

}  // namespace brellin
