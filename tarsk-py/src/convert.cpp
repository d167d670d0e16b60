#include "convert.hpp"

#include <utility>

namespace morvane {
namespace {

// The fields that an RFQ item takes from its first group, and a query item from its group. The
// group is spent: its lists move into the item.
void move_group_fields(tarsk::Group&& group, ParsedItem& item) {
    // A single chunk, the usual case, is the whole text: no connector follows the last chunk.
    item.chunks = group.chunks.size() == 1 ? std::move(group.chunks.front().text) : join_chunks(group.chunks);
    item.qty_max = group.qty_max;
    item.colors = std::move(group.colors);
    item.sizes = std::move(group.sizes);
    item.materials = std::move(group.materials);
    item.genders = std::move(group.genders);
    item.specs = std::move(group.specs);
    item.standards = std::move(group.standards);
    item.ambiguous = std::move(group.ambiguous);
}

}  // namespace

std::string join_chunks(const std::vector<tarsk::Chunk>& chunks) {
    std::string text;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (i > 0) text += ' ';
        text += chunks[i].text;
        if (i + 1 < chunks.size() && chunks[i].connector) {
            text += ' ';
            text += tarsk::connector_word(*chunks[i].connector);  // the report's words, unbracketed
        }
    }
    return text;
}

ParsedItem item_from_group(tarsk::Group&& group, std::uint64_t index) {
    ParsedItem item;
    item.index = index;
    item.qty = group.qty;
    item.uom = std::move(group.uom);
    move_group_fields(std::move(group), item);
    return item;
}

ParsedItem item_from_rfq_item(brellin::RfqItem&& rfq) {
    ParsedItem item;
    // Only the first group reaches Python; quantity and unit are the normaliser's, not the group's.
    if (!rfq.groups.empty()) move_group_fields(std::move(rfq.groups.front()), item);
    item.index = rfq.index;
    item.qty = rfq.qty;
    item.uom = std::move(rfq.uom);
    item.price = rfq.price;
    item.currency = std::move(rfq.currency);
    item.origin = std::move(rfq.origin);
    item.dims = std::move(rfq.dims);
    return item;
}

ParseResult result_from_query(tarsk::ParseOutput&& output) {
    ParseResult result;
    result.items.reserve(output.groups.size());
    for (std::size_t k = 0; k < output.groups.size(); ++k)
        result.items.push_back(item_from_group(std::move(output.groups[k]), k + 1));
    return result;
}

ParseResult result_from_rfq(std::string_view unescaped) {
    ParseResult result;
    brellin::TradeTerms trade = brellin::parse_unescaped_rfq_items(
        unescaped, [&](brellin::RfqItem&& item) { result.items.push_back(item_from_rfq_item(std::move(item))); });
    result.is_rfq = true;
    result.trade_currency = std::move(trade.currency);
    result.trade_incoterm = std::move(trade.incoterm);
    result.trade_destination = std::move(trade.destination);
    result.trade_lead_time = std::move(trade.lead_time);
    result.trade_payment = std::move(trade.payment);
    return result;
}

}  // namespace morvane
