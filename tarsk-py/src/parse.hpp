// The function parse(query).
#pragma once

#include <Python.h>

namespace morvane {

// The function object of parse, bound to the module.
PyObject* make_parse_function(PyObject* module);

}  // namespace morvane
