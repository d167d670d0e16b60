// The three result classes: ParsedItem, TradeTerms and ParseResult.
#pragma once

#include <Python.h>

#include <memory>

#include <brellin/records.hpp>

#include "owned.hpp"
#include "records.hpp"

namespace morvane {

enum class ClassId { ParsedItem = 0, TradeTerms = 1, ParseResult = 2 };

// The class object, created on first use and kept for the life of the process. On failure: null, with
// RuntimeError "An error occurred while initializing class <name>" pending (the creation's error as
// its cause); the next request tries again.
PyObject* get_class(ClassId id);

// A new object of the record's class owning the record. Empty with the interpreter's error pending
// when the object cannot be allocated; throws InternalFailure when the class cannot be had at all.
Owned wrap_record(std::shared_ptr<const ParsedItem> record);
Owned wrap_record(brellin::TradeTerms&& record);
Owned wrap_record(ParseResult&& record);

}  // namespace morvane
