// parse_query, the query parser's entry: one query text to its groups, their report and a copy of it.
#pragma once

#include <string_view>

#include "tarsk/records.hpp"

namespace tarsk {

// What parse_query builds. The report and the copy of the text cost as much as the groups on a
// short query; a caller that never reads them (the Python module) asks for the groups alone, and
// one that keeps only the first group (the module's line items) for that group alone.
enum class QueryParts { All, GroupsOnly, FirstGroupOnly };

// The query parser's entry: groups, report and an exact copy of the text (with GroupsOnly the
// report and the copy are left empty; with FirstGroupOnly also every group after the first). Throws std::invalid_argument when the text is not valid UTF-8.
ParseOutput parse_query(std::string_view text, QueryParts parts = QueryParts::All);

}  // namespace tarsk
