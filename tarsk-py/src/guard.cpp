#include "guard.hpp"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string_view>
#include <typeinfo>

#include "owned.hpp"
#include "pending_error.hpp"

namespace morvane {
namespace {

[[noreturn]] void uncaught_panic() {
    std::fputs("uncaught panic at ffi boundary\n", stderr);
    std::fflush(stderr);
    std::abort();
}

std::string type_name(const std::exception& failure) {
    const char* mangled = typeid(failure).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 && plain ? plain.get() : mangled;
}

void write_failure(const char* entry, const std::exception& failure) {
    std::string where;
    if (const auto* own = dynamic_cast<const InternalFailure*>(&failure)) {
        std::string_view file = own->where().file_name();
        // Relative to the source tree, where a reader will look for it.
        if (auto root = file.rfind("tarsk-py/"); root != std::string_view::npos) file.remove_prefix(root);
        where = std::string(file) + ":" + std::to_string(own->where().line());
    } else {
        where = type_name(failure);
    }
    std::fprintf(stderr, "morvane: internal failure in %s (%s): %s\n", entry, where.c_str(), failure.what());
    std::fflush(stderr);
}

// repr() of an object, or a stand-in when even that fails.
std::string repr_text(PyObject* object) {
    if (object == nullptr) return "None";
    Owned repr(PyObject_Repr(object));
    Py_ssize_t size = 0;
    const char* text = repr ? PyUnicode_AsUTF8AndSize(repr.get(), &size) : nullptr;
    if (text == nullptr) {
        PyErr_Clear();
        return "<unprintable>";
    }
    return std::string(text, static_cast<std::size_t>(size));
}

// The exception carrying `text`, or empty when it could not be built.
Owned make_panic(const char* text) {
    PyObject* type = panic_exception_type();
    if (type == nullptr) return Owned();
    // The failure text may come from anywhere: never let a stray byte stop the report.
    Owned message(PyUnicode_DecodeUTF8(text, static_cast<Py_ssize_t>(std::char_traits<char>::length(text)),
                                       "replace"));
    if (!message) return message;
    return Owned(PyObject_CallFunctionObjArgs(type, message.get(), nullptr));
}

}  // namespace

void api_call_failed(std::source_location where) {
    if (PyErr_Occurred()) PyErr_PrintEx(0);
    throw InternalFailure("Python API call failed", where);
}

std::string take_error_description() {
    const Owned error = take_pending_error();
    if (!error) return "type: None, value: None, traceback: None";
    const Owned traceback(PyException_GetTraceback(error.get()));
    return "type: " + repr_text(reinterpret_cast<PyObject*>(Py_TYPE(error.get()))) + ", value: " +
           repr_text(error.get()) + ", traceback: " + repr_text(traceback.get());
}

void fail_with_pending_error(const std::string& lead_in, std::source_location where) {
    throw InternalFailure(lead_in + take_error_description(), where);
}

PyObject* panic_exception_type() {
    // Made under the interpreter lock; lives as long as the process.
    static PyObject* type = nullptr;
    if (type == nullptr) type = PyErr_NewException("pyo3_runtime.PanicException", PyExc_BaseException, nullptr);
    return type;
}

void raise_panic(const char* entry, const std::exception& failure) {
    write_failure(entry, failure);
    // A Python error left behind by the failing code would be lost silently otherwise.
    if (PyErr_Occurred()) PyErr_PrintEx(0);
    const Owned panic = make_panic(failure.what());
    if (!panic) uncaught_panic();
    PyErr_SetObject(panic_exception_type(), panic.get());
}

void write_unraisable_panic(const char* entry, const std::exception& failure) {
    raise_panic(entry, failure);
    PyErr_WriteUnraisable(nullptr);
}

void foreign_fault(const char* entry) {
    std::fprintf(stderr, "morvane: a foreign exception passed through %s\n", entry);
    std::fflush(stderr);
    std::abort();
}

void out_of_memory(const char* entry) {
    std::fprintf(stderr, "morvane: memory allocation failed in %s\n", entry);
    std::fflush(stderr);
    std::abort();
}

}  // namespace morvane
