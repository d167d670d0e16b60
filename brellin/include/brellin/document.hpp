// The RFQ pipeline's entries: a whole document parsed into items, trade terms and report, and
// the unescaping of its text.
#pragma once

#include <functional>
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

// The items of parse_rfq_document as a caller that reads only each item's first group needs them
// (the Python module): each RfqItem holds at most its first group, and no group_text or queries;
// no document text is rendered. Every item goes to `take` as soon as it is built, in document
// order, so that the caller can turn it into its own record before the next one is made.
// Returns the trade terms. Throws as parse_rfq_document.
TradeTerms parse_rfq_items(std::string_view text, const std::function<void(RfqItem&&)>& take);

// parse_rfq_items for a caller that already holds the text as unescape_text makes it from valid
// UTF-8 (the Python module, which unescapes a text to route it): neither the check nor the
// unescaping is done again. Nothing checks that this is so; any other text is the caller's error.
TradeTerms parse_unescaped_rfq_items(std::string_view unescaped, const std::function<void(RfqItem&&)>& take);

}  // namespace brellin
