// Fixed tables of the item normaliser: Vietnamese units and countries, English countries.
#pragma once

#include <array>
#include <string_view>
#include <utility>

namespace brellin {

using TableEntry = std::pair<std::string_view, std::string_view>;

// Vietnamese unit word of QTY_VI_RE -> English unit.
extern const std::array<TableEntry, 9> VI_UNIT_MAP;
// Vietnamese country name (lower case) -> English origin, searched in this order.
extern const std::array<TableEntry, 18> VI_COUNTRY_MAP;
// English country names in lower case, searched in this order.
extern const std::array<std::string_view, 22> EN_COUNTRIES;

}  // namespace brellin
