#include "lexer_case.hpp"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "tarsk/text.hpp"

namespace tarsk {

std::string_view lower_query(std::string_view s, std::string& storage) {
    // A character that lower-casing leaves alone has no full mapping either (the one character
    // with a full lower-case mapping, U+0130, and the one that looks at its neighbours, U+03A3,
    // both change), so such characters stay as they are and the ASCII ones map on their own.
    // Each byte is read once here, and each character beyond ASCII decoded once.
    bool ascii_changes = false;
    for (std::size_t pos = 0; pos < s.size();) {
        const auto lead = static_cast<unsigned char>(s[pos]);
        if (lead < 0x80) {
            ascii_changes = ascii_changes || ascii_lower(s[pos]) != s[pos];
            ++pos;
            continue;
        }
        UChar32 c = 0;
        U8_NEXT_UNSAFE(s.data(), pos, c);
        if (u_tolower(c) != c) return storage = to_lower(s);
    }
    if (!ascii_changes) return s;
    storage.assign(s);
    for (char& c : storage) c = ascii_lower(c);  // each byte read and written once
    return storage;
}

std::string upper_code(std::string_view s) {
    if (!is_ascii(s)) return to_upper(s);
    std::string out(s);
    for (char& c : out) c = ascii_upper(c);
    return out;
}

}  // namespace tarsk
