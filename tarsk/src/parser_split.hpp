// Cutting a token list into segments, one per item of the query.
#pragma once

#include <cstddef>
#include <span>

#include "token_view.hpp"

namespace tarsk {

// Whether a Quantity token carries a unit code of UNIT_NAMES.
bool has_unit(const TokenView& t);
// Whether index i lies in the list and its token is of that kind.
bool is_kind(std::span<const TokenView> tokens, std::size_t i, TokenKind kind);

// Segments start at 0 and at every Quantity that opens a new item. This gives the end of the
// segment that starts at `start`: where the next one starts, or the end of the list.
std::size_t segment_end(std::span<const TokenView> tokens, std::size_t start);

}  // namespace tarsk
