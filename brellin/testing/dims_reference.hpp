// Test support for the dimension step: DIMS_RE as written with the form the engine runs, and the
// step done plainly with it. The step itself runs the automaton of dimension_automaton.hpp, so
// the module neither holds nor compiles any of this; tests, fuzz targets and benchmarks do.
#pragma once

#include <string>
#include <vector>

#include "patterns.hpp"
#include "tarsk/pattern.hpp"

namespace brellin {

extern const PatternForm DIMS_RE_FORM;

// Compiled on first use from DIMS_RE_FORM.
const tarsk::Pattern& DIMS_RE();

// The shipped table's forms and DIMS_RE's.
std::vector<PatternForm> every_pattern_form();
// all_patterns() and DIMS_RE().
std::vector<const tarsk::Pattern*> every_pattern();

// The dimension step done plainly (fresh lower-cased copy and search from the start per
// phrase); quadratic, kept only as the reference the one-pass form is checked against.
void take_dimensions_plain(std::string& working, std::vector<std::string>& dims);

}  // namespace brellin
