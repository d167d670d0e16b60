// The item normaliser's patterns as written, with the equivalent forms the engine runs.
#pragma once

#include <array>
#include <string_view>

namespace brellin {

struct PatternForm {
    std::string_view name;
    std::string_view text;      // as written
    std::string_view compiled;  // equivalent form without super-linear backtracking; empty: text
};

// Compiled forms are equivalent for searches from the start of a subject, from the end of a
// previous match, or (for the lookbehind forms) from a position whose previous character is
// not a comma, point, white space, digit or x; the tests run both forms side by side.
extern const std::array<PatternForm, 10> ITEM_PATTERN_FORMS;

}  // namespace brellin
