#include "values.hpp"

#include "guard.hpp"

namespace morvane {
namespace {

Owned checked(PyObject* value) {
    if (value == nullptr) api_call_failed();
    return Owned(value);
}

}  // namespace

Owned to_python(const std::string& text) {
    return checked(PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size())));
}

Owned to_python(const std::optional<std::string>& text) {
    if (!text) return Owned::borrowed(Py_None);
    return to_python(*text);
}

Owned to_python(const std::optional<double>& number) {
    if (!number) return Owned::borrowed(Py_None);
    return checked(PyFloat_FromDouble(*number));
}

Owned to_python(std::uint64_t number) { return checked(PyLong_FromUnsignedLongLong(number)); }

Owned to_python(bool flag) { return Owned(PyBool_FromLong(flag ? 1 : 0)); }

Owned to_python(const std::vector<std::string>& texts) {
    Owned list = checked(PyList_New(static_cast<Py_ssize_t>(texts.size())));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // PyList_SetItem takes the reference, even when it fails.
        if (PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), to_python(texts[i]).release()) != 0) {
            api_call_failed();
        }
    }
    return list;
}

}  // namespace morvane
