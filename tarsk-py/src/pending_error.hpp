// The interpreter's error after a call of its API reported failure.
#pragma once

#include <Python.h>

#include "owned.hpp"

namespace morvane {

// Leaves the failed call's error pending. A call that failed without setting one gets the
// SystemError the interpreter itself reports for that case, so a caller never returns null with
// nothing pending.
inline void ensure_error_pending() {
    if (!PyErr_Occurred()) PyErr_SetString(PyExc_SystemError, "attempted to fetch exception but none was set");
}

// Takes that error off the interpreter, normalised and with its traceback attached.
inline Owned take_pending_error() {
    ensure_error_pending();
    PyObject* type = nullptr;
    PyObject* value = nullptr;
    PyObject* traceback = nullptr;
    PyErr_Fetch(&type, &value, &traceback);
    PyErr_NormalizeException(&type, &value, &traceback);
    if (traceback != nullptr && value != nullptr) PyException_SetTraceback(value, traceback);
    Py_XDECREF(type);
    Py_XDECREF(traceback);
    return Owned(value);
}

}  // namespace morvane
