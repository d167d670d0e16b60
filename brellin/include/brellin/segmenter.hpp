// Telling an RFQ document from a plain query, and cutting a document into preamble, line items
// and trailer.
#pragma once

#include <string_view>

#include "brellin/records.hpp"

namespace brellin {

// True when the text is an RFQ document (RFQ_DETECT_RE matches anywhere).
bool looks_like_rfq(std::string_view text);
// Numbered split, else bulleted split, else the line heuristic.
Segments segment_document(std::string_view text);

}  // namespace brellin
