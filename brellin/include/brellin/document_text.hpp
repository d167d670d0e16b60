// Search phrases, item group text and the rendered document text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "brellin/records.hpp"

namespace brellin {

std::optional<std::string> query_prefix(const tarsk::Group& group);
std::vector<std::string> build_queries(const std::vector<tarsk::Group>& groups,
                                       const std::vector<std::string>& dims);
std::string item_group_text(const tarsk::ParseOutput& output);
std::string render_item_block(const RfqItem& item);
std::optional<std::string> render_trade_block(const TradeTerms& trade);
std::string render_rfq_text(const std::vector<RfqItem>& items, const TradeTerms& trade);

}  // namespace brellin
