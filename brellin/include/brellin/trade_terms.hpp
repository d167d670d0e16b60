#pragma once

#include <string_view>

#include "brellin/records.hpp"
#include "tarsk/pattern.hpp"

namespace brellin {

const tarsk::Pattern& CURRENCY_RE();
const tarsk::Pattern& INCOTERM_PLACE_RE();
const tarsk::Pattern& INCOTERM_RE();
const tarsk::Pattern& DESTINATION_RE();
const tarsk::Pattern& LEAD_TIME_RE();
const tarsk::Pattern& PAYMENT_RE();

// Reads the five trade terms from the whole (unescaped) document text.
TradeTerms extract_trade_terms(std::string_view text);

}  // namespace brellin
