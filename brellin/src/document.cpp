#include "brellin/document.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "brellin/document_text.hpp"
#include "brellin/search_phrases.hpp"
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
    // Each pass copies the run up to the next backslash in one piece and moves past it; the
    // search resumes after what it found, so each byte is searched once and copied once.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t slash = std::min(text.find('\\', i), text.size());
        out.append(text, i, slash - i);
        if (slash == text.size()) break;
        const char next = slash + 1 < text.size() ? text[slash + 1] : '\0';
        if (next == 'n' || next == 't') {
            out += next == 'n' ? '\n' : '\t';
            i = slash + 2;
        } else {
            out += '\\';
            i = slash + 1;
        }
    }
    return out;
}

// The fields every item takes from its normalised text and the document, whichever groups it keeps.
RfqItem item_fields(NormalizedItem&& normalized, std::vector<tarsk::Group>&& groups, std::uint64_t index,
                    const TradeTerms& trade) {
    RfqItem item;
    item.qty = normalized.qty;
    item.price = normalized.price;
    item.dims = std::move(normalized.dims);
    item.groups = std::move(groups);
    item.uom = std::move(normalized.uom);
    item.currency = normalized.currency ? std::move(normalized.currency) : trade.currency;
    item.origin = std::move(normalized.origin);
    item.index = index;
    return item;
}

RfqItem build_item(const std::string& item_text, std::uint64_t index, const TradeTerms& trade,
                   SearchPhrases phrases) {
    NormalizedItem normalized = normalize_item(item_text);
    tarsk::ParseOutput parsed = tarsk::parse_query(normalized.text);
    std::vector<std::string> queries;
    if (phrases == SearchPhrases::Build) queries = build_queries(parsed.groups, normalized.dims);
    std::string group_text = item_group_text(parsed);
    RfqItem item = item_fields(std::move(normalized), std::move(parsed.groups), index, trade);
    item.queries = std::move(queries);
    item.group_text = std::move(group_text);
    return item;
}

// Only the groups of the parse, which the caller keeps no more of than the first.
RfqItem build_first_group_item(const std::string& item_text, std::uint64_t index, const TradeTerms& trade) {
    NormalizedItem normalized = normalize_item(item_text);
    std::vector<tarsk::Group> groups = tarsk::parse_query(normalized.text, tarsk::QueryParts::FirstGroupOnly).groups;
    return item_fields(std::move(normalized), std::move(groups), index, trade);
}

// The text the pipeline reads: checked to be valid UTF-8, then unescaped.
std::string checked_and_unescaped(std::string_view text) {
    if (!tarsk::is_valid_utf8(text)) throw std::invalid_argument("document text is not valid UTF-8");
    return unescape_text(text);
}

// An unescaped document cut into line items, with its trade terms.
struct Document {
    Segments segments;
    TradeTerms trade;
};

Document read_document(std::string_view unescaped) {
    return Document{segment_document(unescaped), extract_trade_terms(unescaped)};
}

}  // namespace

std::string unescape_text(std::string_view text) {
    // A line feed or tab never forms a new pair, so unescaping twice changes nothing.
    return replace_escapes(text);
}

RfqResult parse_rfq_document(std::string_view text, SearchPhrases phrases) {
    std::string unescaped = checked_and_unescaped(text);
    Document document = read_document(unescaped);
    RfqResult result;
    result.items.reserve(document.segments.items.size());
    std::uint64_t index = 0;
    // The item texts are disjoint pieces of the document, so normalising and parsing each once
    // passes over every byte a fixed number of times in all.
    for (const auto& item_text : document.segments.items)
        result.items.push_back(build_item(item_text, ++index, document.trade, phrases));
    result.report = render_rfq_text(result.items, document.trade);
    result.text = std::move(unescaped);
    result.trade = std::move(document.trade);
    return result;
}

TradeTerms parse_rfq_items(std::string_view text, const std::function<void(RfqItem&&)>& take) {
    return parse_unescaped_rfq_items(checked_and_unescaped(text), take);
}

TradeTerms parse_unescaped_rfq_items(std::string_view unescaped, const std::function<void(RfqItem&&)>& take) {
    Document document = read_document(unescaped);
    std::uint64_t index = 0;
    // As in parse_rfq_document: every byte of the document is in at most one item text.
    for (const auto& item_text : document.segments.items)
        take(build_first_group_item(item_text, ++index, document.trade));
    return std::move(document.trade);
}

}  // namespace brellin
