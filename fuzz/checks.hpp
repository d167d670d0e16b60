// What must hold for every input, shared by the fuzz targets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brellin/records.hpp"
#include "tarsk/records.hpp"

namespace fuzzcheck {

// Aborts with a message when the condition fails.
void require(bool ok, const char* what);

void check_text(std::string_view text);
void check_group(const tarsk::Group& g);
void check_distinct(const std::vector<std::string>& list);
// Every built-in pattern, DIMS_RE and the dimension automaton's character classes give the same
// matches with and without JIT, and the form the engine runs gives the same matches as the
// pattern as written.
void check_patterns(std::string_view subject);

}  // namespace fuzzcheck
