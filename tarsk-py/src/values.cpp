#include "values.hpp"

#include "guard.hpp"
#include "owned.hpp"

namespace morvane {
namespace {

PyObject* checked(PyObject* value) {
    if (value == nullptr) api_call_failed();
    return value;
}

}  // namespace

PyObject* to_python(const std::string& text) {
    return checked(PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size())));
}

PyObject* to_python(const std::optional<std::string>& text) {
    if (!text) Py_RETURN_NONE;
    return to_python(*text);
}

PyObject* to_python(const std::optional<double>& number) {
    if (!number) Py_RETURN_NONE;
    return checked(PyFloat_FromDouble(*number));
}

PyObject* to_python(std::uint64_t number) { return checked(PyLong_FromUnsignedLongLong(number)); }

PyObject* to_python(bool flag) { return PyBool_FromLong(flag ? 1 : 0); }

PyObject* to_python(const std::vector<std::string>& texts) {
    Owned list(checked(PyList_New(static_cast<Py_ssize_t>(texts.size()))));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // PyList_SetItem takes the reference, even when it fails.
        if (PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), to_python(texts[i])) != 0) api_call_failed();
    }
    return list.release();
}

}  // namespace morvane
