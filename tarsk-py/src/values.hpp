// Python values built from copies of record fields. Each call makes a new object (the interpreter may
// share None, booleans, small integers and short texts); a value that cannot be made throws
// InternalFailure "Python API call failed" after the interpreter's error has been printed.
#pragma once

#include <Python.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "owned.hpp"

namespace morvane {

Owned to_python(const std::string& text);
Owned to_python(const std::optional<std::string>& text);
Owned to_python(const std::optional<double>& number);
Owned to_python(std::uint64_t number);
Owned to_python(bool flag);
Owned to_python(const std::vector<std::string>& texts);

}  // namespace morvane
