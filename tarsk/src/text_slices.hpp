// How text.cpp cuts texts too long for ICU's int32_t lengths; the slice size is a parameter so tests
// can cut small texts into pieces of a few bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarsk::detail {

// Case mapping: slices of at most this many bytes. Full mappings grow a text at most threefold
// (U+0390 upper-cases to three two-byte characters), so a slice's result stays within int32_t.
constexpr std::size_t case_map_slice = std::size_t{1} << 28;
// UTF-8 checks: pieces of at most this many bytes (plus up to three to finish a character).
constexpr std::size_t utf8_check_slice = std::size_t{1} << 30;

// One slice of a text for the case mappings. A cased_* flag asks for a cased stand-in letter on that
// side: the slice could not be cut where ICU sees nothing across, and the nearest character beyond
// the edge that is not case-ignorable is a cased one.
struct CaseSlice {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool cased_before = false;
    bool cased_after = false;
};

// Cuts `s` into slices that tile it, each at most `slice` bytes long (1 <= slice <= case_map_slice)
// unless it is a single character longer than that.
std::vector<CaseSlice> case_map_slices(std::string_view s, std::size_t slice);

// to_lower / to_upper with the given slice size in place of case_map_slice.
std::string to_lower_in_slices(std::string_view s, std::size_t slice);
std::string to_upper_in_slices(std::string_view s, std::size_t slice);

// is_valid_utf8 checking pieces of about `slice` bytes (1 <= slice <= utf8_check_slice).
bool is_valid_utf8_in_slices(std::string_view s, std::size_t slice);

}  // namespace tarsk::detail
