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
ParsedItem item_from_group(const tarsk::Group& group, std::uint64_t index);
ParsedItem item_from_rfq_item(const brellin::RfqItem& item);

ParseResult result_from_query(const tarsk::ParseOutput& output);
ParseResult result_from_rfq(const brellin::RfqResult& document);

}  // namespace morvane
