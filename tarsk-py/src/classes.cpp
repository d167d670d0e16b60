#include "classes.hpp"

#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "guard.hpp"
#include "owned.hpp"
#include "pending_error.hpp"
#include "values.hpp"

namespace morvane {
namespace {

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

const char* class_name(ClassId id) {
    switch (id) {
        case ClassId::ParsedItem: return "ParsedItem";
        case ClassId::TradeTerms: return "TradeTerms";
        case ClassId::ParseResult: return "ParseResult";
    }
    return "<unknown>";
}

// ---- attributes ----

using morvane::to_python;  // the field values, beside the items overload below
Owned to_python(const ItemList& items);

template <class Record, auto Field>
PyObject* get_field(PyObject* self, void* entry) {
    return guarded(static_cast<const char*>(entry), static_cast<PyObject*>(nullptr),
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

#define MORVANE_FIELD(Record, Class, name) \
    PyGetSetDef{#name, &get_field<Record, &Record::name>, nullptr, "", const_cast<char*>(Class "." #name)}

PyGetSetDef parsed_item_fields[] = {
    MORVANE_FIELD(ParsedItem, "ParsedItem", chunks),
    MORVANE_FIELD(ParsedItem, "ParsedItem", index),
    MORVANE_FIELD(ParsedItem, "ParsedItem", qty),
    MORVANE_FIELD(ParsedItem, "ParsedItem", qty_max),
    MORVANE_FIELD(ParsedItem, "ParsedItem", uom),
    MORVANE_FIELD(ParsedItem, "ParsedItem", colors),
    MORVANE_FIELD(ParsedItem, "ParsedItem", sizes),
    MORVANE_FIELD(ParsedItem, "ParsedItem", materials),
    MORVANE_FIELD(ParsedItem, "ParsedItem", genders),
    MORVANE_FIELD(ParsedItem, "ParsedItem", specs),
    MORVANE_FIELD(ParsedItem, "ParsedItem", standards),
    MORVANE_FIELD(ParsedItem, "ParsedItem", ambiguous),
    MORVANE_FIELD(ParsedItem, "ParsedItem", price),
    MORVANE_FIELD(ParsedItem, "ParsedItem", currency),
    MORVANE_FIELD(ParsedItem, "ParsedItem", origin),
    MORVANE_FIELD(ParsedItem, "ParsedItem", dims),
    PyGetSetDef{},
};

PyGetSetDef trade_terms_fields[] = {
    MORVANE_FIELD(brellin::TradeTerms, "TradeTerms", currency),
    MORVANE_FIELD(brellin::TradeTerms, "TradeTerms", incoterm),
    MORVANE_FIELD(brellin::TradeTerms, "TradeTerms", destination),
    MORVANE_FIELD(brellin::TradeTerms, "TradeTerms", lead_time),
    MORVANE_FIELD(brellin::TradeTerms, "TradeTerms", payment),
    PyGetSetDef{},
};

PyGetSetDef parse_result_fields[] = {
    MORVANE_FIELD(ParseResult, "ParseResult", items),
    MORVANE_FIELD(ParseResult, "ParseResult", is_rfq),
    MORVANE_FIELD(ParseResult, "ParseResult", trade_currency),
    MORVANE_FIELD(ParseResult, "ParseResult", trade_incoterm),
    MORVANE_FIELD(ParseResult, "ParseResult", trade_destination),
    MORVANE_FIELD(ParseResult, "ParseResult", trade_lead_time),
    MORVANE_FIELD(ParseResult, "ParseResult", trade_payment),
    PyGetSetDef{},
};

#undef MORVANE_FIELD

// ---- the method trade_terms ----

PyObject* trade_terms(PyObject* self, PyObject*) {
    return guarded("ParseResult.trade_terms", static_cast<PyObject*>(nullptr), [&]() -> PyObject* {
        const auto& result = record_of<ParseResult>(self);
        if (!result.trade_currency && !result.trade_incoterm && !result.trade_destination &&
            !result.trade_lead_time && !result.trade_payment) {
            Py_RETURN_NONE;
        }
        brellin::TradeTerms terms{result.trade_currency, result.trade_incoterm, result.trade_destination,
                                  result.trade_lead_time, result.trade_payment};
        // An allocation failure here is the interpreter's own error, raised as it is.
        return wrap_record(std::move(terms)).release();
    });
}

PyMethodDef parse_result_methods[] = {
    {"trade_terms", &trade_terms, METH_NOARGS,
     "trade_terms($self)\n--\n\nConvenience: returns a TradeTerms object if any trade term was found."},
    {nullptr, nullptr, 0, nullptr},
};

// ---- construction and deallocation ----

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

// ---- class specifications ----

const char PARSED_ITEM_DOC[] =
    "One parsed item \u2014 either a group from a simple query or a line item from an RFQ.\n"
    "chunks  = C1 : product noun phrases joined with connectors (\"polo shirt OR t-shirt\")\n"
    "all other fields = S1 : ontology-matched and normalised specs (trusted, no SLM needed)";
const char TRADE_TERMS_DOC[] = "Trade terms extracted from an RFQ document (None fields = not found).";
const char PARSE_RESULT_DOC[] =
    "Top-level result returned by parse().\n"
    "is_rfq = true when the input was routed through the RFQ pipeline.";

template <class Record>
PyType_Spec make_spec(const char* name, const char* doc, PyGetSetDef* fields, PyMethodDef* methods,
                      PyType_Slot (&slots)[6]) {
    slots[0] = {Py_tp_doc, const_cast<char*>(doc)};
    slots[1] = {Py_tp_new, reinterpret_cast<void*>(&refuse_construction)};
    slots[2] = {Py_tp_dealloc, reinterpret_cast<void*>(&deallocate<Record>)};
    slots[3] = {Py_tp_getset, fields};
    slots[4] = methods ? PyType_Slot{Py_tp_methods, methods} : PyType_Slot{0, nullptr};
    slots[5] = {0, nullptr};
    // No BASETYPE (no subclassing), no HAVE_GC (instances hold no Python objects), no dict or weakref slot.
    return PyType_Spec{name, static_cast<int>(sizeof(Object<Record>)), 0, Py_TPFLAGS_DEFAULT, slots};
}

PyObject* create_class(ClassId id) {
    static PyType_Slot slots[3][6];
    PyType_Spec spec{};
    switch (id) {
        case ClassId::ParsedItem:
            spec = make_spec<ParsedItem>("builtins.ParsedItem", PARSED_ITEM_DOC, parsed_item_fields, nullptr,
                                         slots[0]);
            break;
        case ClassId::TradeTerms:
            spec = make_spec<brellin::TradeTerms>("builtins.TradeTerms", TRADE_TERMS_DOC, trade_terms_fields,
                                                  nullptr, slots[1]);
            break;
        case ClassId::ParseResult:
            spec = make_spec<ParseResult>("builtins.ParseResult", PARSE_RESULT_DOC, parse_result_fields,
                                          parse_result_methods, slots[2]);
            break;
    }
    return PyType_FromSpec(&spec);
}

// The class for wrap_record: its absence is a failure of ours, not of the caller's arguments.
PyTypeObject* class_for_record(ClassId id) {
    PyObject* type = get_class(id);
    if (type == nullptr) {
        PyErr_PrintEx(0);
        throw InternalFailure(std::string("failed to create type object for ") + class_name(id));
    }
    return reinterpret_cast<PyTypeObject*>(type);
}

template <class Record>
Owned wrap(ClassId id, typename Held<Record>::type&& record) {
    PyTypeObject* type = class_for_record(id);
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

PyObject* get_class(ClassId id) {
    // Created under the interpreter lock, normally during the import; never freed.
    static PyObject* cells[3] = {};
    PyObject*& cell = cells[static_cast<int>(id)];
    if (cell != nullptr) return cell;
    PyObject* created = create_class(id);
    if (created == nullptr) {
        // The creation's error is the cause; a creation that failed silently gets the interpreter's
        // SystemError for that case, never no cause.
        Owned cause = take_pending_error();
        Owned error(PyObject_CallFunction(PyExc_RuntimeError, "s",
                                          (std::string("An error occurred while initializing class ") +
                                           class_name(id)).c_str()));
        if (!error) return nullptr;
        PyException_SetCause(error.get(), cause.release());  // steals the cause
        PyErr_SetObject(PyExc_RuntimeError, error.get());
        return nullptr;
    }
    cell = created;
    return cell;
}

Owned wrap_record(std::shared_ptr<const ParsedItem> record) {
    return wrap<ParsedItem>(ClassId::ParsedItem, std::move(record));
}
Owned wrap_record(brellin::TradeTerms&& record) {
    return wrap<brellin::TradeTerms>(ClassId::TradeTerms, std::move(record));
}
Owned wrap_record(ParseResult&& record) { return wrap<ParseResult>(ClassId::ParseResult, std::move(record)); }

}  // namespace morvane
