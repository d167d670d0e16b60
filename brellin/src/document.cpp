#include "brellin/document.hpp"

#include <stdexcept>
#include <utility>

#include "brellin/document_text.hpp"
#include "brellin/item_normalizer.hpp"
#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/query.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

// Backslash-n to a line feed and backslash-t to a tab in one pass. Doing the two in turn gives
// the same text: a replaced pair leaves a line feed or tab between its neighbours, so no new
// pair forms, and a backslash that stays is followed by what followed it before.
std::string replace_escapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // Each byte is looked at once (the one after a backslash at most twice) and copied once.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
            out += text[i + 1] == 'n' ? '\n' : '\t';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

RfqItem build_item(const std::string& item_text, std::uint64_t index, const TradeTerms& trade,
                   SearchPhrases phrases) {
    NormalizedItem normalized = normalize_item(item_text);
    tarsk::ParseOutput parsed = tarsk::parse_query(normalized.text);
    RfqItem item;
    if (phrases == SearchPhrases::Build) item.queries = build_queries(parsed.groups, normalized.dims);
    item.group_text = item_group_text(parsed);
    item.qty = normalized.qty;
    item.price = normalized.price;
    item.dims = std::move(normalized.dims);
    item.groups = std::move(parsed.groups);
    item.uom = std::move(normalized.uom);
    item.currency = normalized.currency ? std::move(normalized.currency) : trade.currency;
    item.origin = std::move(normalized.origin);
    item.index = index;
    return item;
}

}  // namespace

std::string unescape_text(std::string_view text) {
    // A line feed or tab never forms a new pair, so unescaping twice changes nothing.
    return replace_escapes(text);
}

RfqResult parse_rfq_document(std::string_view text, SearchPhrases phrases) {
    if (!tarsk::is_valid_utf8(text)) throw std::invalid_argument("document text is not valid UTF-8");
    RfqResult result;
    result.text = unescape_text(text);
    const Segments segments = segment_document(result.text);
    result.trade = extract_trade_terms(result.text);
    result.items.reserve(segments.items.size());
    std::uint64_t index = 0;
    // The item texts are disjoint pieces of the document, so normalising and parsing each once
    // passes over every byte a fixed number of times in all.
    for (const auto& item_text : segments.items)
        result.items.push_back(build_item(item_text, ++index, result.trade, phrases));
    result.report = render_rfq_text(result.items, result.trade);
    return result;
}

}  // namespace brellin
