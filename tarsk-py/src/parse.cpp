#include "parse.hpp"

#include <brellin/brellin.hpp>

#include "arguments.hpp"
#include "classes.hpp"
#include "convert.hpp"
#include "guard.hpp"
#include "owned.hpp"

namespace morvane {
namespace {

// The component's record is destroyed before this returns, so only the new record survives.
ParseResult parse_text(std::string_view query) {
    // The interpreter hands out well-formed UTF-8 only (a text with lone surrogates is refused when
    // the argument is bound), and unescaping keeps it so: the RFQ pipeline takes this text as it is,
    // without checking and unescaping it again.
    std::string text = brellin::unescape_text(query);
    // Python never sees the query's report and copy, nor anything of an RFQ item but its first
    // group and fields (see result_from_rfq).
    if (brellin::looks_like_rfq(text)) return result_from_rfq(text);
    return result_from_query(tarsk::parse_query(text, tarsk::QueryParts::GroupsOnly));
}

// The interpreter lock is held throughout: the call touches no Python object between taking the
// argument's text and creating the result, and never lets another thread in.
PyObject* parse(PyObject*, PyObject* args, PyObject* kwargs) {
    return guarded("parse", static_cast<PyObject*>(nullptr), [&]() -> PyObject* {
        auto query = bind_query_argument(args, kwargs);
        if (!query) return nullptr;
        Owned result = wrap_record(parse_text(*query));
        if (!result) fail_with_pending_error("could not create a ParseResult object: ");
        return result.release();
    });
}

// The function object refers to this for the rest of the process.
PyMethodDef parse_definition = {
    "parse", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&parse)), METH_VARARGS | METH_KEYWORDS,
    "parse(query)\n--\n\n"
    "Parse a raw query or RFQ document.\n"
    "Routes automatically: simple product queries return one ParsedItem per group,\n"
    "RFQ documents return one ParsedItem per line item."};

}  // namespace

Owned make_parse_function(PyObject* module) {
    Owned name(PyModule_GetNameObject(module));
    if (!name) return name;
    return Owned(PyCMethod_New(&parse_definition, module, name.get(), nullptr));
}

}  // namespace morvane
