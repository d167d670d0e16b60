// White space and word boundaries as the lexer reads them, with shortcuts past ICU for the
// characters that are plainly neither.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tarsk {

// White_Space of the 128 ASCII characters, read from ICU once: most of the text is ASCII, and
// the boundary and word steps ask about nearly every byte.
std::array<bool, 128> make_ascii_white_space();
inline const std::array<bool, 128>& ascii_white_space() {
    // Indexed by the byte itself: one load per ASCII byte, whatever the text.
    static const std::array<bool, 128> table = make_ascii_white_space();
    return table;
}
// White_Space of the character at the start of `rest`, which is not ASCII (and valid UTF-8).
std::size_t non_ascii_white_space_at(std::string_view rest);

// Byte length of the white-space character that starts `rest`, or 0.
inline std::size_t white_space_at(std::string_view rest) {
    if (rest.empty()) return 0;
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80) return ascii_white_space()[lead] ? 1 : 0;
    return non_ascii_white_space_at(rest);
}

// Whether a match ending right before `rest` ends a word there.
bool is_boundary(std::string_view rest);

}  // namespace tarsk
