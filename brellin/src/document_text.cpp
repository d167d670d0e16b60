#include "brellin/document_text.hpp"

#include <string_view>
#include <utility>

#include "tarsk/number.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

void append_joined(std::string& out, const std::vector<std::string>& list, std::string_view sep) {
    // Each text is copied once.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i) out += sep;
        out += list[i];
    }
}

std::string chunk_phrase(const std::optional<std::string>& prefix, const tarsk::Group& group,
                         const tarsk::Chunk& chunk) {
    // Parts are joined by one blank even when the chunk text is empty; trimming then
    // removes what an empty part left at either end.
    std::string phrase;
    if (prefix) {
        phrase += *prefix;
        phrase += ' ';
    }
    phrase += chunk.text;
    // Six lists, each copied once into this phrase.
    for (const auto* list : {&group.colors, &group.materials, &group.sizes, &group.genders,
                             &group.specs, &group.ambiguous}) {
        if (list->empty()) continue;
        phrase += ' ';
        append_joined(phrase, *list, " ");
    }
    return std::string(tarsk::trim(phrase));
}

std::string quantity_phrase(const std::string& prefix, const tarsk::Group& group) {
    std::string phrase = prefix;
    // Three lists, each copied once.
    for (const auto* list : {&group.colors, &group.materials, &group.sizes}) {
        if (list->empty()) continue;
        phrase += ' ';
        append_joined(phrase, *list, " ");
    }
    return phrase;
}

}  // namespace

std::optional<std::string> query_prefix(const tarsk::Group& group) {
    if (!group.qty) return std::nullopt;
    std::string number = tarsk::format_number(*group.qty, 2);
    if (group.qty_max) {
        number += '-';
        number += tarsk::format_number(*group.qty_max, 2);
    }
    if (!group.uom) return number;
    return number + ' ' + *group.uom;
}

// Every chunk's phrase repeats its group's lists, and every phrase the dimensions, so the result
// is up to (chunks x (specs + dims)) long: the work is bounded by the size of what it returns,
// which is why a caller that never reads the phrases skips them.
std::vector<std::string> build_queries(const std::vector<tarsk::Group>& groups,
                                       const std::vector<std::string>& dims) {
    std::vector<std::string> phrases;
    // Each group and chunk once; each phrase is built and then extended once.
    for (const auto& group : groups) {
        const auto prefix = query_prefix(group);
        if (!group.chunks.empty()) {
            for (const auto& chunk : group.chunks) phrases.push_back(chunk_phrase(prefix, group, chunk));
        } else if (prefix) {
            phrases.push_back(quantity_phrase(*prefix, group));
        }
    }
    if (!dims.empty() && !phrases.empty()) {
        std::string tail = " ";
        append_joined(tail, dims, " ");
        for (auto& phrase : phrases) phrase += tail;
    }
    return phrases;
}

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
