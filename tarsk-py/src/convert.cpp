#include "convert.hpp"

namespace morvane {
namespace {

// The fields that an RFQ item takes from its first group, and a query item from its group.
void copy_group_fields(const tarsk::Group& group, ParsedItem& item) {
    item.chunks = join_chunks(group.chunks);
    item.qty_max = group.qty_max;
    item.colors = group.colors;
    item.sizes = group.sizes;
    item.materials = group.materials;
    item.genders = group.genders;
    item.specs = group.specs;
    item.standards = group.standards;
    item.ambiguous = group.ambiguous;
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

ParsedItem item_from_group(const tarsk::Group& group, std::uint64_t index) {
    ParsedItem item;
    copy_group_fields(group, item);
    item.index = index;
    item.qty = group.qty;
    item.uom = group.uom;
    return item;
}

ParsedItem item_from_rfq_item(const brellin::RfqItem& rfq) {
    ParsedItem item;
    // Only the first group reaches Python; quantity and unit are the normaliser's, not the group's.
    if (!rfq.groups.empty()) copy_group_fields(rfq.groups.front(), item);
    item.index = rfq.index;
    item.qty = rfq.qty;
    item.uom = rfq.uom;
    item.price = rfq.price;
    item.currency = rfq.currency;
    item.origin = rfq.origin;
    item.dims = rfq.dims;
    return item;
}

ParseResult result_from_query(const tarsk::ParseOutput& output) {
    ParseResult result;
    result.items.reserve(output.groups.size());
    for (std::size_t k = 0; k < output.groups.size(); ++k) result.items.push_back(item_from_group(output.groups[k], k + 1));
    return result;
}

ParseResult result_from_rfq(const brellin::RfqResult& document) {
    ParseResult result;
    result.items.reserve(document.items.size());
    for (const auto& item : document.items) result.items.push_back(item_from_rfq_item(item));
    result.is_rfq = true;
    result.trade_currency = document.trade.currency;
    result.trade_incoterm = document.trade.incoterm;
    result.trade_destination = document.trade.destination;
    result.trade_lead_time = document.trade.lead_time;
    result.trade_payment = document.trade.payment;
    return result;
}

}  // namespace morvane
