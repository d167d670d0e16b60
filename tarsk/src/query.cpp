#include "tarsk/query.hpp"

#include <stdexcept>

#include "lexicon.hpp"
#include "tarsk/parser.hpp"
#include "tarsk/report.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"

namespace tarsk {

ParseOutput parse_query(std::string_view text) {
    // Built before anything else, the empty text included, so every call sees the same lexicon.
    lexicon();
    if (!is_valid_utf8(text)) throw std::invalid_argument("query text is not valid UTF-8");
    ParseOutput out;
    out.groups = parse_tokens(tokenize(text));
    out.report = render_report(out.groups);
    out.query = std::string(text);
    return out;
}

}  // namespace tarsk
