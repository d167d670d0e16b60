#pragma once

#include <string_view>

#include "tarsk/records.hpp"

namespace tarsk {

// The query parser's entry: groups, report and an exact copy of the text.
// Throws std::invalid_argument when the text is not valid UTF-8.
ParseOutput parse_query(std::string_view text);

}  // namespace tarsk
