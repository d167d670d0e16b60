// The lexer: one query text turned into tokens, and the number pattern it reads quantities with.
#pragma once

#include <string_view>
#include <vector>

#include "tarsk/pattern.hpp"
#include "tarsk/token.hpp"

namespace tarsk {

// Turns one product query (any valid UTF-8) into its token list, adjacent words merged.
// The lexicon is built on first use.
std::vector<Token> tokenize(std::string_view text);

// ^(\d+(?:[.,]\d+)?), applied to the rest of the prepared text.
const Pattern& NUMBER_RE();

}  // namespace tarsk
