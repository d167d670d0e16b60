// Owner of one strong reference to a Python object.
#pragma once

#include <Python.h>

#include <utility>

namespace morvane {

class Owned {
public:
    Owned() = default;
    // Takes over a new reference (may be null, as the C API returns on failure).
    explicit Owned(PyObject* object) : object_(object) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ~Owned() { reset(); }

    static Owned borrowed(PyObject* object) {
        Py_XINCREF(object);
        return Owned(object);
    }

    PyObject* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands the reference to the caller.
    PyObject* release() { return std::exchange(object_, nullptr); }
    void reset() { Py_XDECREF(std::exchange(object_, nullptr)); }

private:
    PyObject* object_ = nullptr;
};

}  // namespace morvane
