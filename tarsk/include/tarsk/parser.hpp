// The group parser: a query's token list turned into its groups, and the unit names it writes.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tarsk/records.hpp"
#include "tarsk/token.hpp"

namespace tarsk {

// Unit-of-measure text of each Unit code 0..26.
extern const std::array<std::string_view, UNIT_COUNT> UNIT_NAMES;

// Turns the token list of one query into its groups, in text order.
std::vector<Group> parse_tokens(const std::vector<Token>& tokens);

}  // namespace tarsk
