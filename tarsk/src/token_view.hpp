// Tokens as the lexer hands them to the group parser inside parse_query: the text is a view
// into the prepared query, the lexicon or the scan's own store, so no token owns a string.
#pragma once

#include <cstdint>
#include <forward_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tarsk/records.hpp"
#include "tarsk/token.hpp"

namespace tarsk {

struct TokenView {
    TokenKind kind{};
    std::uint8_t sub = 0;   // as Token::sub
    double value = 0.0;     // as Token::value
    std::string_view text;  // as Token::text
};

// The text the lexer scans: valid UTF-8 (else std::invalid_argument), trimmed, lower-cased. A view
// of `input` when that is already so, else of `storage`.
std::string_view prepare_query(std::string_view input, std::string& storage);

// The tokens of a prepared text, adjacent words not merged (the group parser joins them with one
// space either way). Views refer to `prepared`, to the lexicon, and to standard codes, which are
// kept in `codes`; the caller keeps all three alive and in place while it reads the tokens.
std::vector<TokenView> scan_query(std::string_view prepared, std::forward_list<std::string>& codes);

// The group parser over views; parse_tokens reads its tokens through it.
std::vector<Group> parse_token_views(std::span<const TokenView> tokens, std::size_t most = SIZE_MAX);

}  // namespace tarsk
