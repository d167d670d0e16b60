#include "parser_split.hpp"

#include "tarsk/parser.hpp"

namespace tarsk {

namespace {

// The second quantity of "quantity, connector, quantity" stays with the first, unless a
// further quantity follows it directly.
bool is_range_middle(std::span<const TokenView> tokens, std::size_t j) {
    return j >= 2 && is_kind(tokens, j - 2, TokenKind::Quantity) && is_kind(tokens, j - 1, TokenKind::Connector) &&
           !is_kind(tokens, j + 1, TokenKind::Quantity);
}

// Free words and attributes that a following quantity belongs to.
bool is_content(const TokenView& t) {
    switch (t.kind) {
        case TokenKind::Color:
        case TokenKind::Size:
        case TokenKind::Material:
        case TokenKind::Word:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool has_unit(const TokenView& t) { return t.sub < UNIT_NAMES.size(); }

bool is_kind(std::span<const TokenView> tokens, std::size_t i, TokenKind kind) {
    return i < tokens.size() && tokens[i].kind == kind;
}

std::size_t segment_end(std::span<const TokenView> tokens, std::size_t start) {
    // What the tokens from the segment's start up to the current one hold, kept as the scan goes.
    bool word_or_country = false;
    bool quantity = false;
    // One pass over the segment; each token is compared with at most its two predecessors and one
    // successor.
    for (std::size_t j = start; j < tokens.size(); ++j) {
        const TokenView& t = tokens[j];
        if (j > start && t.kind == TokenKind::Quantity && !is_range_middle(tokens, j)) {
            const bool content = is_content(tokens[j - 1]);
            // Words before the first quantity: a quantity with a unit still belongs to them.
            const bool split = word_or_country && !quantity ? !has_unit(t) && !content : !content;
            if (split) return j;
        }
        if (t.kind == TokenKind::Word || t.kind == TokenKind::Country) word_or_country = true;
        if (t.kind == TokenKind::Quantity) quantity = true;
    }
    return tokens.size();
}

}  // namespace tarsk
