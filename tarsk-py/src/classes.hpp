// The three result classes: ParsedItem, TradeTerms and ParseResult.
#pragma once

#include <Python.h>

#include <memory>
#include <span>

#include <brellin/records.hpp>

#include "owned.hpp"
#include "records.hpp"

namespace morvane {

// One result class: its description, static data handed to PyType_FromSpec, and the class object
// made from it on first use and kept for the life of the process.
struct ResultClass {
    PyType_Spec spec;  // the name is "builtins." followed by the class's own name
    PyObject* object = nullptr;
};

// The result classes, in the order the module lists them.
std::span<ResultClass* const> result_classes();

// The class's own name, as Python shows it in __name__.
const char* class_name(const ResultClass& cls);

// The class object (borrowed: it is never freed). On failure: null, with RuntimeError
// "An error occurred while initializing class <name>" pending (the creation's error as its cause);
// the next request tries again.
PyObject* get_class(ResultClass& cls);

// A new object of the record's class owning the record. Empty with the interpreter's error pending
// when the object cannot be allocated; throws InternalFailure when the class cannot be had at all.
Owned wrap_record(std::shared_ptr<const ParsedItem> record);
Owned wrap_record(brellin::TradeTerms&& record);
Owned wrap_record(ParseResult&& record);

}  // namespace morvane
