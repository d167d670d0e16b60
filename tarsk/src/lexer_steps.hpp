// The lexer steps that read more than a lexicon key: numbers with their unit, standard codes,
// the fallback word, and the Vietnamese test of the prepared text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tarsk/pattern.hpp"
#include "tarsk/token.hpp"
#include "tarsk/tokenize.hpp"

namespace tarsk {

// Length of the NUMBER_RE match at the start of `rest`; 0 when there is none (a match is never empty).
std::size_t number_match(std::string_view rest);

// Whether the text holds one of the precomposed Vietnamese lower-case letters.
bool is_vietnamese(std::string_view prepared);

struct NumberRead {
    double value;
    std::size_t length;
    std::size_t unit_at;  // past the white space after the number
};

// A non-zero number at the start of `rest`, and where a unit after it would start.
std::optional<NumberRead> read_nonzero_number(std::string_view rest);

struct StandardRead {
    std::string code;  // upper case
    std::size_t consumed;
};

// A standard prefix (`prefix_length` bytes, 0 when `rest` begins with none), then white space and a
// code of letters, digits and hyphens.
std::optional<StandardRead> read_standard(std::string_view rest, std::size_t prefix_length);

// Byte length of the free word at the start of `rest` (at least one character).
std::size_t fallback_word_length(std::string_view rest);

}  // namespace tarsk
