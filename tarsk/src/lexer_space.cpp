#include "lexer_space.hpp"

#include <unicode/uchar.h>
#include <unicode/uset.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "tarsk/text.hpp"

namespace tarsk {

std::array<bool, 128> make_ascii_white_space() {
    std::array<bool, 128> table{};
    for (char32_t c = 0; c < 128; ++c) table[c] = is_white_space(c);
    return table;
}

namespace {

// The first two bytes of each White_Space character beyond ASCII, read from ICU's set once: a
// character that starts otherwise (every letter of Vietnamese, for one) is no white space.
std::vector<std::uint16_t> make_wide_white_space_starts() {
    UErrorCode status = U_ZERO_ERROR;
    const USet* set = u_getBinaryPropertySet(UCHAR_WHITE_SPACE, &status);
    if (U_FAILURE(status)) throw std::runtime_error("ICU has no White_Space set");
    std::vector<std::uint16_t> starts;
    // A few ranges holding 25 characters.
    for (int32_t item = 0; item < uset_getItemCount(set); ++item) {
        UChar32 first = 0, last = 0;
        if (uset_getItem(set, item, &first, &last, nullptr, 0, &status) != 0 || U_FAILURE(status))
            throw std::runtime_error("unexpected item in ICU's White_Space set");
        for (UChar32 c = std::max<UChar32>(first, 0x80); c <= last; ++c) {
            std::array<std::uint8_t, U8_MAX_LENGTH> bytes{};
            std::size_t length = 0;
            U8_APPEND_UNSAFE(bytes.data(), length, c);
            const auto start = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
            if (std::find(starts.begin(), starts.end(), start) == starts.end()) starts.push_back(start);
        }
    }
    return starts;
}

}  // namespace

std::size_t non_ascii_white_space_at(std::string_view rest) {
    // A fixed list of a few two-byte starts (25 characters at most): that many comparisons a call.
    static const std::vector<std::uint16_t> starts = make_wide_white_space_starts();
    if (rest.size() < 2) return 0;  // valid UTF-8 has at least two bytes here
    const auto start = static_cast<std::uint16_t>(static_cast<unsigned char>(rest[0]) << 8 |
                                                  static_cast<unsigned char>(rest[1]));
    if (std::find(starts.begin(), starts.end(), start) == starts.end()) return 0;
    std::size_t len = 0;
    return is_white_space(decode_utf8(rest, 0, len)) ? len : 0;
}

bool is_boundary(std::string_view rest) {
    if (rest.empty()) return true;
    switch (rest[0]) {
        case '!': case ')': case ',': case '-': case '.': case '/': case '?':
            return true;
        default:
            return white_space_at(rest) != 0;
    }
}

}  // namespace tarsk
