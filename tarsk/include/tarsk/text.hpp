// Unicode text helpers over UTF-8 (ICU underneath).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarsk {

// The Unicode White_Space property (25 code points); ASCII is answered here, the rest by ICU.
bool is_white_space_wide(char32_t c);
inline bool is_white_space(char32_t c) {
    if (c < 0x80) return (c >= 0x09 && c <= 0x0D) || c == 0x20;
    return is_white_space_wide(c);
}
// Unicode Alphabetic property.
bool is_alphabetic(char32_t c);
// General category Nd, Nl or No.
bool is_numeric(char32_t c);

// Whether a byte continues a UTF-8 sequence rather than starting one.
inline bool is_continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
// The start of the character that ends just before byte `end` (end > 0), not before `floor`.
inline std::size_t char_start_before(std::string_view s, std::size_t end, std::size_t floor = 0) {
    std::size_t start = end - 1;
    while (start > floor && is_continuation(s[start])) --start;  // at most three steps in valid UTF-8
    return start;
}
// Byte length of the UTF-8 sequence that starts with `lead`.
inline std::size_t utf8_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}
// Decodes the code point at byte offset `pos` of valid UTF-8 and stores its byte length in `len`
// (ASCII here, longer sequences out of line).
char32_t decode_utf8_wide(std::string_view s, std::size_t pos, std::size_t& len);
inline char32_t decode_utf8(std::string_view s, std::size_t pos, std::size_t& len) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        len = 1;
        return lead;
    }
    return decode_utf8_wide(s, pos, len);
}
// Well-formed UTF-8 (no surrogates, no overlong forms), for texts of any length.
bool is_valid_utf8(std::string_view s);

// Removes White_Space from both ends.
std::string_view trim(std::string_view s);

// Whether every byte is below 0x80; each byte is looked at once.
inline bool is_ascii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
// The full case mappings of an ASCII character: A-Z and a-z trade places, nothing else changes.
// No ASCII character maps to a longer form or looks at its neighbours, so ASCII text mapped byte by
// byte is what to_lower / to_upper give. Bytes beyond ASCII come back as they are.
constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Full Unicode case mappings, root locale; one character may become several. Texts of any length give
// the result of one ICU call over the whole text (ill-formed bytes are copied unchanged).
std::string to_lower(std::string_view s);
std::string to_upper(std::string_view s);

}  // namespace tarsk
