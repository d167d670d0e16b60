#include "brellin/document_text.hpp"

namespace brellin {

std::vector<std::string> build_queries(const std::vector<tarsk::Group>&, const std::vector<std::string>&) { return {}; }
std::string item_group_text(const tarsk::ParseOutput& output) { return output.report; }
std::string render_rfq_text(const std::vector<RfqItem>&, const TradeTerms&) { return {}; }

}  // namespace brellin
