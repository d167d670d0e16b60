#pragma once

#include <vector>

#include "tarsk/pattern.hpp"

namespace brellin {

// Every built-in pattern of the system (the lexer's and the RFQ pipeline's), built on first use.
std::vector<const tarsk::Pattern*> all_patterns();

}  // namespace brellin
