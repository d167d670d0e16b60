// Stub module: replaced by the Python module work.
#include <Python.h>

static PyModuleDef morvane_module = {PyModuleDef_HEAD_INIT, "morvane", "", 0, nullptr, nullptr, nullptr, nullptr, nullptr};

extern "C" __attribute__((visibility("default"))) PyObject* PyInit_morvane();
PyMODINIT_FUNC PyInit_morvane() { return PyModule_Create(&morvane_module); }
