#include "tarsk/query.hpp"

#include <cstdint>
#include <forward_list>
#include <string>

#include "lexicon.hpp"
#include "tarsk/report.hpp"
#include "token_view.hpp"

namespace tarsk {

ParseOutput parse_query(std::string_view text, QueryParts parts) {
    // Built before anything else, the empty text included, so every call sees the same lexicon.
    lexicon();
    ParseOutput out;
    {
        std::string storage;
        const std::string_view prepared = prepare_query(text, storage);  // rejects text that is not UTF-8
        std::forward_list<std::string> codes;
        out.groups = parse_token_views(scan_query(prepared, codes), parts == QueryParts::FirstGroupOnly ? 1 : SIZE_MAX);
    }
    if (parts != QueryParts::All) return out;
    out.report = render_report(out.groups);
    out.query = std::string(text);
    return out;
}

}  // namespace tarsk
