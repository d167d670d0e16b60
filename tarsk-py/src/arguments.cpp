#include "arguments.hpp"

#include <string>
#include <utility>

#include "owned.hpp"
#include "pending_error.hpp"

namespace morvane {
namespace {

constexpr const char* PARAMETER = "query";

// A TypeError carrying `message`; empty when the message or the error could not be built (the
// interpreter's error is then pending).
Owned type_error(Owned message) {
    if (!message) return message;
    return Owned(PyObject_CallFunctionObjArgs(PyExc_TypeError, message.get(), nullptr));
}

Owned type_error(const std::string& message) {
    return type_error(Owned(PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size()))));
}

// str() of an object with lone surrogates shown as replacement characters (three per surrogate, one
// for each byte of its UTF-8-like form).
Owned lossy_str(PyObject* object) {
    Owned text(PyObject_Str(object));
    if (!text) return text;
    Owned bytes(PyUnicode_AsEncodedString(text.get(), "utf-8", "surrogatepass"));
    if (!bytes) return bytes;
    return Owned(PyUnicode_DecodeUTF8(PyBytes_AsString(bytes.get()), PyBytes_Size(bytes.get()), "replace"));
}

// Makes `error` the pending exception; when it is empty, the failure to build it is pending instead.
void raise(const Owned& error) {
    if (error) PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.get())), error.get());
}

bool is_exact_type_error(PyObject* error) {
    return reinterpret_cast<PyObject*>(Py_TYPE(error)) == PyExc_TypeError;
}

// The error builders: a new TypeError each, or empty when even that fails.
Owned too_many_positionals_error(Py_ssize_t given) {
    return type_error("parse() takes 1 positional arguments but " + std::to_string(given) + " were given");
}

Owned unexpected_keyword_error(PyObject* name) {
    Owned shown = lossy_str(name);
    if (!shown) return shown;
    return type_error(Owned(PyUnicode_FromFormat("parse() got an unexpected keyword argument '%U'", shown.get())));
}

Owned multiple_values_error(const char* parameter) {
    return type_error(std::string("parse() got multiple values for argument '") + parameter + "'");
}

Owned missing_positional_error() {
    // There is one slot, so the missing parameter is always query.
    return type_error(std::string("parse() missing 1 required positional argument: '") + PARAMETER + "'");
}

Owned not_a_string_error(PyTypeObject* type) {
    Owned name(PyType_GetQualName(type));
    if (!name) {
        PyErr_Clear();
        return type_error(Owned(PyUnicode_FromString(
            "'<failed to extract type name>' object cannot be converted to 'PyString'")));
    }
    return type_error(Owned(PyUnicode_FromFormat("'%U' object cannot be converted to 'PyString'", name.get())));
}

// A plain TypeError gets the parameter's name in front; any other exception passes unchanged.
Owned wrap_argument_error(const char* parameter, Owned error) {
    if (!error || !is_exact_type_error(error.get())) return error;
    Owned text(PyObject_Str(error.get()));
    if (!text) return text;
    Owned wrapped = type_error(Owned(PyUnicode_FromFormat("argument '%s': %U", parameter, text.get())));
    if (!wrapped) return wrapped;
    // The new error takes over the old one's cause (none when it had none).
    Owned cause(PyException_GetCause(error.get()));
    PyException_SetCause(wrapped.get(), cause.release());  // steals the cause
    return wrapped;
}

}  // namespace

std::optional<std::string_view> bind_query_argument(PyObject* args, PyObject* kwargs) {
    PyObject* slot = nullptr;  // borrowed: the tuple or the dictionary keeps it alive
    const Py_ssize_t positional = PyTuple_Size(args);
    if (positional < 0) return std::nullopt;
    if (positional >= 1) slot = PyTuple_GetItem(args, 0);
    if (positional > 1) {
        raise(too_many_positionals_error(positional));
        return std::nullopt;
    }
    if (kwargs != nullptr) {
        Py_ssize_t position = 0;
        PyObject* key = nullptr;
        PyObject* value = nullptr;
        // A call's keyword dictionary keeps the order in which the keywords were written.
        while (PyDict_Next(kwargs, &position, &key, &value)) {
            Py_ssize_t size = 0;
            const char* name = PyUnicode_AsUTF8AndSize(key, &size);
            if (name == nullptr) PyErr_Clear();
            if (name != nullptr && std::string_view(name, static_cast<std::size_t>(size)) == PARAMETER) {
                if (slot != nullptr) {
                    raise(multiple_values_error(PARAMETER));
                    return std::nullopt;
                }
                slot = value;
                continue;
            }
            raise(unexpected_keyword_error(key));
            return std::nullopt;
        }
    }
    if (slot == nullptr) {
        raise(missing_positional_error());
        return std::nullopt;
    }
    if ((PyType_GetFlags(Py_TYPE(slot)) & Py_TPFLAGS_UNICODE_SUBCLASS) == 0) {
        raise(wrap_argument_error(PARAMETER, not_a_string_error(Py_TYPE(slot))));
        return std::nullopt;
    }
    Py_ssize_t size = 0;
    const char* text = PyUnicode_AsUTF8AndSize(slot, &size);
    if (text == nullptr) {
        // Lone surrogates: the interpreter's UnicodeEncodeError, which wrapping leaves as it is.
        raise(wrap_argument_error(PARAMETER, take_pending_error()));
        return std::nullopt;
    }
    return std::string_view(text, static_cast<std::size_t>(size));
}

}  // namespace morvane
