// The entry guard: every function the interpreter calls runs its body through `guarded`, so that no
// C++ exception crosses into the interpreter. Failures become pyo3_runtime.PanicException.
#pragma once

#include <Python.h>

#include <exception>
#include <source_location>
#include <stdexcept>
#include <string>

namespace morvane {

// A failure of the module's own code; remembers where it was raised.
class InternalFailure : public std::runtime_error {
public:
    explicit InternalFailure(const std::string& text,
                             std::source_location where = std::source_location::current())
        : std::runtime_error(text), where_(where) {}
    const std::source_location& where() const { return where_; }

private:
    std::source_location where_;
};

// The interpreter could not make a value: print its error, then fail with the fixed text.
[[noreturn]] void api_call_failed(std::source_location where = std::source_location::current());

// Takes the pending Python error (or the error for "none pending") and renders its type, value and
// traceback as text; the error is cleared.
std::string take_error_description();

// The interpreter's pending error as a C++ failure of the given lead-in and its description.
[[noreturn]] void fail_with_pending_error(const std::string& lead_in,
                                          std::source_location where = std::source_location::current());

// The class of pyo3_runtime.PanicException, made on first use.
PyObject* panic_exception_type();

// Writes the failure to stderr and makes PanicException the pending error.
void raise_panic(const char* entry, const std::exception& failure);
// As raise_panic, then hands the exception to the interpreter's hook for unraisable exceptions.
void write_unraisable_panic(const char* entry, const std::exception& failure);
// Anything that is not a C++ standard exception: there is no sound way on, so the process ends.
[[noreturn]] void foreign_fault(const char* entry);
[[noreturn]] void out_of_memory(const char* entry);

template <class Result, class Body>
Result guarded(const char* entry, Result on_failure, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        out_of_memory(entry);
    } catch (const std::exception& failure) {
        raise_panic(entry, failure);
        return on_failure;
    } catch (...) {
        foreign_fault(entry);
    }
}

// Deallocation has no way to report an error, so a failure goes to the unraisable hook.
template <class Body>
void guarded_dealloc(const char* entry, Body&& body) noexcept {
    try {
        body();
    } catch (const std::bad_alloc&) {
        out_of_memory(entry);
    } catch (const std::exception& failure) {
        write_unraisable_panic(entry, failure);
    } catch (...) {
        foreign_fault(entry);
    }
}

}  // namespace morvane
