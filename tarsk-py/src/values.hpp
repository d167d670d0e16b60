// Python values built from copies of record fields. Each call makes a new object (the interpreter may
// share None, booleans, small integers and short texts); a value that cannot be made throws
// InternalFailure "Python API call failed" after the interpreter's error has been printed.
#pragma once

#include <Python.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

PyObject* to_python(const std::string& text);
PyObject* to_python(const std::optional<std::string>& text);
PyObject* to_python(const std::optional<double>& number);
PyObject* to_python(std::uint64_t number);
PyObject* to_python(bool flag);
PyObject* to_python(const std::vector<std::string>& texts);

}  // namespace morvane
