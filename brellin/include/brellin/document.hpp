#pragma once

#include <string>
#include <string_view>

#include "brellin/records.hpp"

namespace brellin {

// Backslash-n becomes a line feed, then backslash-t a tab; nothing else is an escape.
std::string unescape_text(std::string_view text);

// Whether the items' search phrases are built. Every phrase of an item repeats all of the
// item's dimensions, so their size grows with groups times dimensions; a caller that never
// reads them (the Python module) skips them.
enum class SearchPhrases { Build, Skip };

// The RFQ pipeline's entry. Throws std::invalid_argument when the text is not valid UTF-8.
RfqResult parse_rfq_document(std::string_view text, SearchPhrases phrases = SearchPhrases::Build);

}  // namespace brellin
