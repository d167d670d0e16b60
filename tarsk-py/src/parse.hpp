// The function parse(query).
#pragma once

#include <Python.h>

#include "owned.hpp"

namespace morvane {

// The function object of parse, bound to the module; empty with the error pending on failure.
Owned make_parse_function(PyObject* module);

}  // namespace morvane
