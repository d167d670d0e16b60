// Binding the one argument of parse(query), with the fixed messages of its errors.
#pragma once

#include <Python.h>

#include <optional>
#include <string_view>

namespace morvane {

// The UTF-8 text of `query`, read where the interpreter holds it (valid while the call's arguments
// live), or nullopt with the Python error pending.
std::optional<std::string_view> bind_query_argument(PyObject* args, PyObject* kwargs);

}  // namespace morvane
