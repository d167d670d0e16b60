#include "brellin/trade_terms.hpp"

namespace brellin {

TradeTerms extract_trade_terms(std::string_view) { return {}; }

}  // namespace brellin
