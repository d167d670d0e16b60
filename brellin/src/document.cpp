#include "brellin/document.hpp"

namespace brellin {

std::string unescape_text(std::string_view text) { return std::string(text); }
RfqResult parse_rfq_document(std::string_view text) { return {std::string(text), {}, {}, {}}; }

}  // namespace brellin
