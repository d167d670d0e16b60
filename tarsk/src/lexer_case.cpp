#include "lexer_case.hpp"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>

#include "tarsk/text.hpp"

namespace tarsk {

namespace {

// Indexed by the byte itself: one load per ASCII byte, whatever the text.
using AsciiMap = std::array<char, 128>;

// The mapping of each ASCII character, read from ICU once. An ASCII character maps to a single
// ASCII character whatever surrounds it (only U+03A3 looks at its neighbours, and only when
// lower-cased), so mapping a text of them byte by byte gives ICU's result.
AsciiMap ascii_map(std::string (*mapping)(std::string_view)) {
    AsciiMap map{};
    for (std::size_t c = 0; c < map.size(); ++c) {
        const std::string mapped = mapping(std::string(1, static_cast<char>(c)));
        map[c] = mapped.size() == 1 ? mapped[0] : static_cast<char>(c);
    }
    return map;
}

const AsciiMap& ascii_lower() {
    static const AsciiMap map = ascii_map(&to_lower);
    return map;
}

const AsciiMap& ascii_upper() {
    static const AsciiMap map = ascii_map(&to_upper);
    return map;
}

bool is_ascii(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

void map_ascii_bytes(std::string& s, const AsciiMap& map) {
    // Each byte is read and written once.
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x80) c = map[static_cast<unsigned char>(c)];
}

}  // namespace

std::string_view lower_query(std::string_view s, std::string& storage) {
    const AsciiMap& ascii = ascii_lower();
    // A character that lower-casing leaves alone has no full mapping either (the one character
    // with a full lower-case mapping, U+0130, and the one that looks at its neighbours, U+03A3,
    // both change), so such characters stay as they are and the ASCII ones map on their own.
    // Each byte is read once here, and each character beyond ASCII decoded once.
    bool ascii_changes = false;
    for (std::size_t pos = 0; pos < s.size();) {
        const auto lead = static_cast<unsigned char>(s[pos]);
        if (lead < 0x80) {
            ascii_changes = ascii_changes || ascii[lead] != s[pos];
            ++pos;
            continue;
        }
        UChar32 c = 0;
        U8_NEXT_UNSAFE(s.data(), pos, c);
        if (u_tolower(c) != c) return storage = to_lower(s);
    }
    if (!ascii_changes) return s;
    storage.assign(s);
    map_ascii_bytes(storage, ascii);
    return storage;
}

std::string upper_code(std::string_view s) {
    if (!is_ascii(s)) return to_upper(s);
    std::string out(s);
    map_ascii_bytes(out, ascii_upper());
    return out;
}

}  // namespace tarsk
