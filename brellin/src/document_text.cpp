#include "brellin/document_text.hpp"

#include "text_join.hpp"

#include <string_view>
#include <utility>

#include "tarsk/number.hpp"
#include "tarsk/text.hpp"

namespace brellin {

std::string item_group_text(const tarsk::ParseOutput& output) {
    constexpr std::string_view header = "GROUP_1:\n";
    if (output.groups.size() == 1 && output.report.starts_with(header))
        return output.report.substr(header.size());
    return output.report;
}

std::string render_item_block(const RfqItem& item) {
    std::string block = "ITEM_" + std::to_string(item.index) + ":\n";
    block += item.group_text;
    if (block.back() != '\n') block += '\n';
    if (!item.dims.empty()) {
        block += "  DIMS: [";
        append_joined(block, item.dims, ", ");
        block += "]\n";
    }
    if (item.price) {
        block += "  PRICE: " + tarsk::format_shortest(*item.price) + ' ' +
                 item.currency.value_or("?") + '\n';
    }
    if (item.origin) block += "  ORIGIN: " + *item.origin + '\n';
    return block;
}

std::optional<std::string> render_trade_block(const TradeTerms& trade) {
    const std::pair<const char*, const std::optional<std::string>*> lines[] = {
        {"  CURRENCY", &trade.currency}, {"  INCOTERM", &trade.incoterm},
        {"  DESTINATION", &trade.destination}, {"  LEAD_TIME", &trade.lead_time},
        {"  PAYMENT", &trade.payment}};
    bool any = false;
    // Five fixed fields, each written once.
    for (const auto& [name, value] : lines) any = any || value->has_value();
    if (!any) return std::nullopt;
    std::string block = "TRADE_TERMS:\n";
    for (const auto& [name, value] : lines) {
        block += name;
        block += ": ";
        block += value->has_value() ? **value : std::string("null");
        block += '\n';
    }
    return block;
}

std::string render_rfq_text(const std::vector<RfqItem>& items, const TradeTerms& trade) {
    std::vector<std::string> blocks;
    blocks.reserve(items.size() + 1);
    // Each item's block is built once and copied once into the text.
    for (const auto& item : items) blocks.push_back(render_item_block(item));
    if (auto trade_block = render_trade_block(trade)) blocks.push_back(std::move(*trade_block));
    std::string text;
    append_joined(text, blocks, "\n");
    return text;
}

}  // namespace brellin
