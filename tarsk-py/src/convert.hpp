// Turning the parsers' records into the records behind ParsedItem and ParseResult.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <brellin/brellin.hpp>

#include "records.hpp"

namespace morvane {

// Chunk texts joined by one space, with each connector's word between them (never after the last).
std::string join_chunks(const std::vector<tarsk::Chunk>& chunks);
// The parsers' records are spent: their texts and lists move into the new records.
ParsedItem item_from_group(tarsk::Group&& group, std::uint64_t index);
ParsedItem item_from_rfq_item(brellin::RfqItem&& item);

ParseResult result_from_query(tarsk::ParseOutput&& output);
// Parses an RFQ document already unescaped from valid UTF-8 (as parse_rfq_document would) and
// converts each item as soon as it is built, so the pipeline's records and these are never both
// held for the whole document.
ParseResult result_from_rfq(std::string_view unescaped);

}  // namespace morvane
