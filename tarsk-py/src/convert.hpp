// Turning the parsers' records into the records behind ParsedItem and ParseResult.
#pragma once

#include <cstdint>
#include <string>
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
ParseResult result_from_rfq(brellin::RfqResult&& document);

}  // namespace morvane
