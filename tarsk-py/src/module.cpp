// Initialisation of the module morvane: the only symbol the library exports.
#include <Python.h>

#include <atomic>
#include <cstdint>

#include "classes.hpp"
#include "guard.hpp"
#include "owned.hpp"
#include "parse.hpp"
#include "pending_error.hpp"

namespace morvane {
namespace {

// The module's objects belong to one interpreter; the first one to import it keeps it.
std::atomic<std::int64_t> first_interpreter_id{-1};
PyObject* module_cell = nullptr;

PyModuleDef module_definition = {
    PyModuleDef_HEAD_INIT, "morvane", "", 0, nullptr, nullptr, nullptr, nullptr, nullptr,
};

constexpr const char* SUBINTERPRETER_MESSAGE =
    "PyO3 modules do not yet support subinterpreters, see https://github.com/PyO3/pyo3/issues/576";

// Lists `name` in __all__ and sets the attribute; false with the error pending on failure.
bool add_to_module(PyObject* module, const char* name, PyObject* value) {
    Owned all(PyObject_GetAttrString(module, "__all__"));
    if (!all) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return false;
        PyErr_Clear();
        all = Owned(PyList_New(0));
        if (!all || PyObject_SetAttrString(module, "__all__", all.get()) != 0) return false;
    }
    Owned text(PyUnicode_FromString(name));
    if (!text) api_call_failed();
    if (PyList_Append(all.get(), text.get()) != 0) {
        PyErr_Clear();
        throw InternalFailure("could not append __name__ to __all__");
    }
    return PyObject_SetAttr(module, text.get(), value) == 0;
}

bool init_module(PyObject* module) {
    for (ResultClass* cls : result_classes()) {
        PyObject* type = get_class(*cls);  // borrowed: the class lives as long as the process
        if (type == nullptr || !add_to_module(module, class_name(*cls), type)) return false;
    }
    Owned function = make_parse_function(module);
    if (!function) return false;
    Owned name(PyObject_GetAttrString(function.get(), "__name__"));
    if (!name) return false;
    const char* text = PyUnicode_Check(name.get()) ? PyUnicode_AsUTF8AndSize(name.get(), nullptr) : nullptr;
    if (text == nullptr) {
        if (!PyErr_Occurred()) PyErr_SetString(PyExc_TypeError, "the function's __name__ is not a str");
        return false;
    }
    return add_to_module(module, text, function.get());
}

PyObject* create_module() {
    Owned module(PyModule_Create2(&module_definition, PYTHON_ABI_VERSION));
    if (!module) return nullptr;
    if (!init_module(module.get())) return nullptr;  // a later import starts again
    module_cell = module.release();
    return module_cell;
}

PyObject* initialise() {
    const std::int64_t current = PyInterpreterState_GetID(PyInterpreterState_Get());
    if (current == -1) {
        ensure_error_pending();
        return nullptr;
    }
    std::int64_t expected = -1;
    if (!first_interpreter_id.compare_exchange_strong(expected, current) && expected != current) {
        PyErr_SetString(PyExc_ImportError, SUBINTERPRETER_MESSAGE);
        return nullptr;
    }
    if (module_cell == nullptr && create_module() == nullptr) {
        ensure_error_pending();
        return nullptr;
    }
    Py_INCREF(module_cell);
    return module_cell;
}

}  // namespace
}  // namespace morvane

PyMODINIT_FUNC PyInit_morvane() {
    return morvane::guarded("module initialisation", static_cast<PyObject*>(nullptr), &morvane::initialise);
}
