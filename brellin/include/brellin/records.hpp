// Records of the RFQ document pipeline.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tarsk/records.hpp"

namespace brellin {

// Document-wide trade terms; all absent means none was found.
struct TradeTerms {
    std::optional<std::string> currency;
    std::optional<std::string> incoterm;
    std::optional<std::string> destination;
    std::optional<std::string> lead_time;
    std::optional<std::string> payment;
};

// A document cut into line items.
struct Segments {
    std::string preamble;
    std::vector<std::string> items;  // each trimmed and non-empty
    std::string trailer;
};

// One line item after normalisation.
struct NormalizedItem {
    std::optional<double> qty;
    std::optional<double> price;
    std::string text;
    std::vector<std::string> dims;
    std::optional<std::string> uom;
    std::optional<std::string> currency;
    std::optional<std::string> origin;
};

// One line item of a document: the normaliser's quantity, price, dimensions, unit, currency (the
// item's own, else the document's) and origin; the groups that parse_query found in the item's
// normalised text; that parse's report as `group_text` (without its first line when it found one
// group); the search phrases; and the item's place in the document, counting from 1.
struct RfqItem {
    std::optional<double> qty;
    std::optional<double> price;
    std::vector<std::string> dims;
    std::vector<tarsk::Group> groups;
    std::string group_text;
    std::vector<std::string> queries;
    std::optional<std::string> uom;
    std::optional<std::string> currency;
    std::optional<std::string> origin;
    std::uint64_t index = 0;
};

// A parsed document: the unescaped text, its items in document order, the rendered item and
// trade-term blocks (`report`) and the document's trade terms.
struct RfqResult {
    std::string text;
    std::vector<RfqItem> items;
    std::string report;
    TradeTerms trade;
};

}  // namespace brellin
