#include "lower_case.hpp"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "tarsk/text.hpp"

namespace brellin {

std::string lower_copy(std::string_view text) {
    std::string out(text);
    // Each byte is looked at once; the first one beyond ASCII hands the whole text to ICU.
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) return tarsk::to_lower(text);
        c = tarsk::ascii_lower(c);
    }
    return out;
}

std::size_t lower_length(std::string_view s, std::size_t pos, std::size_t& len) {
    const char32_t c = tarsk::decode_utf8(s, pos, len);
    if (c < 0x80) return 1;
    // In the root locale the full lower-case mapping differs from the simple one only for U+0130
    // (an "i" and a combining dot above); the Greek final sigma picks between two forms of one
    // length, so lengths still add up over a text.
    if (c == 0x130) return 3;
    return U8_LENGTH(u_tolower(static_cast<UChar32>(c)));
}

namespace {

constexpr const char* NOT_ITS_COPY = "lower-cased copy does not belong to the working text";

}  // namespace

CarriedSpan carry_span(std::string_view working, std::string_view lowered, std::size_t start, std::size_t end) {
    end = std::min(end, lowered.size());
    start = std::min(start, end);
    // ASCII characters keep their length, so positions carry over unchanged (one pass to check).
    if (is_ascii(working)) {
        if (lowered.size() != working.size()) throw std::logic_error(NOT_ITS_COPY);
        if (start == end && start < working.size()) return {start, start};
        return start < end ? CarriedSpan{start, end} : CarriedSpan{working.size(), working.size()};
    }
    std::optional<std::size_t> first;
    std::size_t last = 0;
    std::size_t w = 0;
    std::size_t l = 0;
    // Each character of the working text is decoded and its lower-case length looked up once.
    while (w < working.size()) {
        std::size_t len = 0;
        const std::size_t lower_end = l + lower_length(working, w, len);
        const bool inside = start < end ? (l < end && lower_end > start) : (!first && l >= start);
        if (inside) {
            if (!first) first = w;
            last = start < end ? w + len : w;
        }
        l = lower_end;
        w += len;
    }
    if (l != lowered.size()) throw std::logic_error(NOT_ITS_COPY);
    if (!first) return {working.size(), working.size()};
    return {*first, last};
}

}  // namespace brellin
