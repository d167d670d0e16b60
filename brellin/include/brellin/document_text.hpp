// The document text of an RFQ result: each item's group text and the rendered item and
// trade-term blocks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "brellin/records.hpp"

namespace brellin {

// The report of an item's parse without its first line ("GROUP_1:") when the parse found exactly
// one group; the whole report otherwise.
std::string item_group_text(const tarsk::ParseOutput& output);
// One item's block: "ITEM_<index>:", its group text, then its dimensions, target price (in the
// fewest digits that read back, with its currency or "?") and origin when present.
std::string render_item_block(const RfqItem& item);
// The trade-term block, or none when the document has no trade term.
std::optional<std::string> render_trade_block(const TradeTerms& trade);
// The item blocks and the trade-term block, one blank line between each two.
std::string render_rfq_text(const std::vector<RfqItem>& items, const TradeTerms& trade);

}  // namespace brellin
