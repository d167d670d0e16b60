#include "tarsk/query.hpp"

#include "lexicon.hpp"
#include "tarsk/parser.hpp"
#include "tarsk/report.hpp"
#include "tarsk/tokenize.hpp"

namespace tarsk {

ParseOutput parse_query(std::string_view text) {
    // Built before anything else, the empty text included, so every call sees the same lexicon.
    lexicon();
    ParseOutput out;
    out.groups = parse_tokens(tokenize(text));  // tokenize rejects text that is not UTF-8
    out.report = render_report(out.groups);
    out.query = std::string(text);
    return out;
}

}  // namespace tarsk
