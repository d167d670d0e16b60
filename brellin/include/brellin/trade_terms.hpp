// The document-wide trade terms: currency, incoterm, destination, lead time and payment.
#pragma once

#include <string_view>

#include "brellin/records.hpp"

namespace brellin {

// Reads the five trade terms from the whole (unescaped) document text.
TradeTerms extract_trade_terms(std::string_view text);

}  // namespace brellin
