// Cutting a token list into segments, one per item of the query.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "token_view.hpp"

namespace tarsk {

// Whether a Quantity token carries a unit code of UNIT_NAMES.
bool has_unit(const TokenView& t);
// Whether index i lies in the list and its token is of that kind.
bool is_kind(std::span<const TokenView> tokens, std::size_t i, TokenKind kind);

// Token indices at which segments start: 0, then every Quantity that opens a new item.
std::vector<std::size_t> split_groups(std::span<const TokenView> tokens);

}  // namespace tarsk
