// Binding the one argument of parse(query), with the fixed messages of its errors.
#pragma once

#include <Python.h>

#include <optional>
#include <string_view>

namespace morvane {

// The UTF-8 text of `query`, read where the interpreter holds it (valid while the call's arguments
// live), or nullopt with the Python error pending.
std::optional<std::string_view> bind_query_argument(PyObject* args, PyObject* kwargs);

// Each returns a new TypeError (or null when even that fails).
PyObject* too_many_positionals_error(Py_ssize_t given);
PyObject* unexpected_keyword_error(PyObject* name);
PyObject* multiple_values_error(const char* parameter);
PyObject* missing_positional_error();
PyObject* not_a_string_error(PyTypeObject* type);
// A plain TypeError gets the parameter's name in front; any other exception passes unchanged.
PyObject* wrap_argument_error(const char* parameter, PyObject* error);

}  // namespace morvane
