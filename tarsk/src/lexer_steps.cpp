#include "lexer_steps.hpp"

#include "lexer_case.hpp"
#include "lexer_match.hpp"
#include "tarsk/number.hpp"
#include "tarsk/text.hpp"

namespace tarsk {

namespace {

// Length of the run of ASCII digits at the start of `s`.
std::size_t ascii_digits(std::string_view s) {
    std::size_t n = 0;
    // Each byte of the run is read once, and the one that ends it.
    while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
    return n;
}

bool is_ascii_byte(std::string_view s, std::size_t pos) {
    return pos >= s.size() || static_cast<unsigned char>(s[pos]) < 0x80;
}

}  // namespace

std::size_t number_match(std::string_view rest) {
    if (rest.empty()) return 0;
    // The only ASCII decimal digits are 0-9; skip the engine for every other ASCII byte.
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80 && (lead < '0' || lead > '9')) return 0;
    // Nor for a character outside the numeric categories, which hold every decimal digit.
    std::size_t len = 0;
    if (lead >= 0x80 && !is_numeric(decode_utf8(rest, 0, len))) return 0;
    // ASCII digits with an ASCII byte (or the end) wherever a run of digits could go on decide the
    // match alone; only a byte that could be another script's digit needs the engine.
    if (const std::size_t whole = ascii_digits(rest); whole > 0 && is_ascii_byte(rest, whole)) {
        if (whole + 1 >= rest.size() || (rest[whole] != '.' && rest[whole] != ',')) return whole;
        const std::string_view after = rest.substr(whole + 1);
        const std::size_t fraction = ascii_digits(after);
        if (fraction == 0 && is_ascii_byte(after, 0)) return whole;
        if (fraction > 0 && is_ascii_byte(after, fraction)) return whole + 1 + fraction;
    }
    const auto m = NUMBER_RE().find(rest);
    if (!m) return 0;
    return m->end();
}

bool is_vietnamese(std::string_view prepared) {
    // One pass that decodes each character once and stops at the first Vietnamese letter.
    for (std::size_t pos = 0; pos < prepared.size();) {
        if (static_cast<unsigned char>(prepared[pos]) < 0x80) {
            ++pos;
            continue;
        }
        std::size_t len = 0;
        const char32_t c = decode_utf8(prepared, pos, len);
        pos += len;
        switch (c) {
            case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE8: case 0xE9: case 0xEA: case 0xEC:
            case 0xED: case 0xF2: case 0xF3: case 0xF4: case 0xF5: case 0xF9: case 0xFA: case 0xFD:
            case 0x103: case 0x111: case 0x129: case 0x169: case 0x1A1: case 0x1B0:
                return true;
            default:
                if (c >= 0x1EA1 && c <= 0x1EF9 && (c & 1) == 1) return true;
        }
    }
    return false;
}

std::optional<NumberRead> read_nonzero_number(std::string_view rest) {
    const std::size_t length = number_match(rest);
    if (length == 0) return std::nullopt;
    const auto value = read_number(rest.substr(0, length));
    if (!value || *value == 0.0) return std::nullopt;
    std::size_t unit_at = length;
    // The white space after a number that is read; the number is then taken (white space is a
    // boundary), and the white-space step skips it next, so it is read twice at most.
    while (const std::size_t ws = white_space_at(rest.substr(unit_at))) unit_at += ws;
    return NumberRead{*value, length, unit_at};
}

namespace {

bool is_code_character(std::string_view rest, std::size_t& len) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    len = 1;
    if (lead < 0x80) {
        return lead == '-' || (lead >= 'a' && lead <= 'z') || (lead >= 'A' && lead <= 'Z') ||
               (lead >= '0' && lead <= '9');
    }
    const char32_t c = decode_utf8(rest, 0, len);
    return is_alphabetic(c) || is_numeric(c);
}

}  // namespace

std::optional<StandardRead> read_standard(std::string_view rest, std::size_t prefix_length) {
    if (prefix_length == 0) return std::nullopt;
    std::size_t end = prefix_length;
    // Both runs are consumed by the step, each character read once.
    while (const std::size_t ws = white_space_at(rest.substr(end))) end += ws;
    std::size_t len = 0;
    while (end < rest.size() && is_code_character(rest.substr(end), len)) end += len;
    return StandardRead{upper_code(trim(rest.substr(0, end))), end};
}

std::size_t fallback_word_length(std::string_view rest) {
    std::size_t end = 0;
    // The word is consumed by the step, each character read once (the one that ends it twice).
    while (end < rest.size()) {
        const char c = rest[end];
        if (c == '!' || c == ')' || c == ',' || c == '.' || c == '?') break;
        if (white_space_at(rest.substr(end)) != 0) break;
        end += utf8_length(static_cast<unsigned char>(c));
    }
    if (end == 0) end = utf8_length(static_cast<unsigned char>(rest[0]));
    return end;
}

}  // namespace tarsk
