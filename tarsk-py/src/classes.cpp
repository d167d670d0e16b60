#include "classes.hpp"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "guard.hpp"
#include "pending_error.hpp"
#include "values.hpp"

namespace morvane {
namespace {

using brellin::TradeTerms;  // each record type bears its class's name: FIELD's labels rely on it

// ---- instances ----

// What an instance holds of its record: a ParsedItem shares the record of the ParseResult it was
// read from, the others own theirs.
template <class Record>
struct Held {
    using type = Record;
};
template <>
struct Held<ParsedItem> {
    using type = std::shared_ptr<const ParsedItem>;
};

// An instance: the interpreter's header followed by what it holds of its record.
template <class Record>
struct Object {
    PyObject header;
    typename Held<Record>::type held;
};

template <class Record>
const Record& record_of(PyObject* self) {
    const auto& held = reinterpret_cast<Object<Record>*>(self)->held;
    if constexpr (std::is_same_v<Record, ParsedItem>) {
        return *held;
    } else {
        return held;
    }
}

// ---- what the classes do ----

using morvane::to_python;  // the field values, beside the items overload below
Owned to_python(const ItemList& items);

// The getter of every attribute; its closure is the label that a failure report names.
template <class Record, auto Field>
PyObject* get_field(PyObject* self, void* label) {
    return guarded(static_cast<const char*>(label), static_cast<PyObject*>(nullptr),
                   [&] { return to_python(record_of<Record>(self).*Field).release(); });
}

// Each object shares its record, which nothing changes, so a failure part-way leaves no record
// half-read; the objects made so far go with the list.
Owned to_python(const ItemList& items) {
    Owned list(PyList_New(static_cast<Py_ssize_t>(items.size())));
    if (!list) api_call_failed();
    for (std::size_t i = 0; i < items.size(); ++i) {
        Owned item = wrap_record(std::shared_ptr<const ParsedItem>(items.shared(i)));
        if (!item) fail_with_pending_error("could not create a ParsedItem object: ");
        // PyList_SetItem takes the reference, even when it fails.
        if (PyList_SetItem(list.get(), static_cast<Py_ssize_t>(i), item.release()) != 0) api_call_failed();
    }
    return list;
}

PyObject* trade_terms(PyObject* self, PyObject*) {
    return guarded("ParseResult.trade_terms", static_cast<PyObject*>(nullptr), [&]() -> PyObject* {
        const auto& result = record_of<ParseResult>(self);
        if (!result.trade_currency && !result.trade_incoterm && !result.trade_destination &&
            !result.trade_lead_time && !result.trade_payment) {
            Py_RETURN_NONE;
        }
        TradeTerms terms{result.trade_currency, result.trade_incoterm, result.trade_destination,
                         result.trade_lead_time, result.trade_payment};
        // An allocation failure here is the interpreter's own error, raised as it is.
        return wrap_record(std::move(terms)).release();
    });
}

PyObject* refuse_construction(PyTypeObject* type, PyObject*, PyObject*) {
    return guarded("constructor", static_cast<PyObject*>(nullptr), [&]() -> PyObject* {
        Owned name(PyType_GetName(type));
        if (!name) {
            PyErr_Clear();
            PyErr_SetString(PyExc_TypeError, "No constructor defined for <unknown>");
        } else {
            PyErr_Format(PyExc_TypeError, "No constructor defined for %U", name.get());
        }
        return nullptr;
    });
}

template <class Record>
void deallocate(PyObject* self) {
    guarded_dealloc("deallocation", [&] {
        PyTypeObject* type = Py_TYPE(self);
        std::destroy_at(&reinterpret_cast<Object<Record>*>(self)->held);
        auto free_slot = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
        free_slot(self);
        // Heap types: every instance holds a reference to its class.
        Py_DECREF(reinterpret_cast<PyObject*>(type));
    });
}

// ---- the classes ----
// The slots take every function as void*, which only reinterpret_cast gives; the compiler still
// lays these tables out when it builds the library, so loading it runs nothing.

// A read-only attribute giving the record's field of that name. The label names the record type,
// which bears the class's name.
#define FIELD(Record, name) \
    PyGetSetDef { #name, &get_field<Record, &Record::name>, nullptr, "", const_cast<char*>(#Record "." #name) }

// No BASETYPE (no subclassing), no HAVE_GC (instances hold no Python objects), no dict or weakref slot.
constexpr unsigned int FLAGS = Py_TPFLAGS_DEFAULT;

PyGetSetDef parsed_item_fields[] = {
    FIELD(ParsedItem, chunks),  FIELD(ParsedItem, index),     FIELD(ParsedItem, qty),
    FIELD(ParsedItem, qty_max), FIELD(ParsedItem, uom),       FIELD(ParsedItem, colors),
    FIELD(ParsedItem, sizes),   FIELD(ParsedItem, materials), FIELD(ParsedItem, genders),
    FIELD(ParsedItem, specs),   FIELD(ParsedItem, standards), FIELD(ParsedItem, ambiguous),
    FIELD(ParsedItem, price),   FIELD(ParsedItem, currency),  FIELD(ParsedItem, origin),
    FIELD(ParsedItem, dims),    {},
};
PyType_Slot parsed_item_slots[] = {
    {Py_tp_doc,
     const_cast<char*>(
         "One parsed item \u2014 either a group from a simple query or a line item from an RFQ.\n"
         "chunks  = C1 : product noun phrases joined with connectors (\"polo shirt OR t-shirt\")\n"
         "all other fields = S1 : ontology-matched and normalised specs (trusted, no SLM needed)")},
    {Py_tp_new, reinterpret_cast<void*>(&refuse_construction)},
    {Py_tp_dealloc, reinterpret_cast<void*>(&deallocate<ParsedItem>)},
    {Py_tp_getset, parsed_item_fields},
    {},
};
ResultClass parsed_item_class{.spec = {.name = "builtins.ParsedItem",
                                       .basicsize = sizeof(Object<ParsedItem>),
                                       .itemsize = 0,
                                       .flags = FLAGS,
                                       .slots = parsed_item_slots}};

PyGetSetDef trade_terms_fields[] = {
    FIELD(TradeTerms, currency),  FIELD(TradeTerms, incoterm), FIELD(TradeTerms, destination),
    FIELD(TradeTerms, lead_time), FIELD(TradeTerms, payment),  {},
};
PyType_Slot trade_terms_slots[] = {
    {Py_tp_doc, const_cast<char*>("Trade terms extracted from an RFQ document (None fields = not found).")},
    {Py_tp_new, reinterpret_cast<void*>(&refuse_construction)},
    {Py_tp_dealloc, reinterpret_cast<void*>(&deallocate<TradeTerms>)},
    {Py_tp_getset, trade_terms_fields},
    {},
};
ResultClass trade_terms_class{.spec = {.name = "builtins.TradeTerms",
                                       .basicsize = sizeof(Object<TradeTerms>),
                                       .itemsize = 0,
                                       .flags = FLAGS,
                                       .slots = trade_terms_slots}};

PyGetSetDef parse_result_fields[] = {
    FIELD(ParseResult, items),
    FIELD(ParseResult, is_rfq),
    FIELD(ParseResult, trade_currency),
    FIELD(ParseResult, trade_incoterm),
    FIELD(ParseResult, trade_destination),
    FIELD(ParseResult, trade_lead_time),
    FIELD(ParseResult, trade_payment),
    {},
};
PyMethodDef parse_result_methods[] = {
    {"trade_terms", &trade_terms, METH_NOARGS,
     "trade_terms($self)\n--\n\nConvenience: returns a TradeTerms object if any trade term was found."},
    {},
};
PyType_Slot parse_result_slots[] = {
    {Py_tp_doc,
     const_cast<char*>("Top-level result returned by parse().\n"
                       "is_rfq = true when the input was routed through the RFQ pipeline.")},
    {Py_tp_new, reinterpret_cast<void*>(&refuse_construction)},
    {Py_tp_dealloc, reinterpret_cast<void*>(&deallocate<ParseResult>)},
    {Py_tp_getset, parse_result_fields},
    {Py_tp_methods, parse_result_methods},
    {},
};
ResultClass parse_result_class{.spec = {.name = "builtins.ParseResult",
                                        .basicsize = sizeof(Object<ParseResult>),
                                        .itemsize = 0,
                                        .flags = FLAGS,
                                        .slots = parse_result_slots}};

#undef FIELD

ResultClass* const all_classes[] = {&parsed_item_class, &trade_terms_class, &parse_result_class};

// ---- objects ----

// The class for wrap_record: its absence is a failure of ours, not of the caller's arguments.
PyTypeObject* class_for_record(ResultClass& cls) {
    PyObject* type = get_class(cls);
    if (type == nullptr) {
        PyErr_PrintEx(0);
        throw InternalFailure(std::string("failed to create type object for ") + class_name(cls));
    }
    return reinterpret_cast<PyTypeObject*>(type);
}

template <class Record>
Owned wrap(ResultClass& cls, typename Held<Record>::type&& record) {
    PyTypeObject* type = class_for_record(cls);
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    if (alloc == nullptr) alloc = PyType_GenericAlloc;
    Owned self(alloc(type, 0));
    if (!self) {
        ensure_error_pending();
        return self;  // the record is destroyed by the caller's scope
    }
    new (&reinterpret_cast<Object<Record>*>(self.get())->held) typename Held<Record>::type(std::move(record));
    return self;
}

}  // namespace

std::span<ResultClass* const> result_classes() { return all_classes; }

const char* class_name(const ResultClass& cls) { return std::strrchr(cls.spec.name, '.') + 1; }

PyObject* get_class(ResultClass& cls) {
    // Created under the interpreter lock, normally during the import.
    if (cls.object != nullptr) return cls.object;
    PyObject* created = PyType_FromSpec(&cls.spec);
    if (created == nullptr) {
        // The creation's error is the cause; a creation that failed silently gets the interpreter's
        // SystemError for that case, never no cause.
        Owned cause = take_pending_error();
        Owned error(PyObject_CallFunction(PyExc_RuntimeError, "s",
                                          (std::string("An error occurred while initializing class ") +
                                           class_name(cls)).c_str()));
        if (!error) return nullptr;
        PyException_SetCause(error.get(), cause.release());  // steals the cause
        PyErr_SetObject(PyExc_RuntimeError, error.get());
        return nullptr;
    }
    cls.object = created;
    return created;
}

Owned wrap_record(std::shared_ptr<const ParsedItem> record) {
    return wrap<ParsedItem>(parsed_item_class, std::move(record));
}
Owned wrap_record(TradeTerms&& record) { return wrap<TradeTerms>(trade_terms_class, std::move(record)); }
Owned wrap_record(ParseResult&& record) { return wrap<ParseResult>(parse_result_class, std::move(record)); }

}  // namespace morvane
