#include "brellin/trade_terms.hpp"

#include <string>

#include "patterns.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

std::string trimmed(std::string_view text, const tarsk::Match& m, std::size_t group) {
    return std::string(tarsk::trim(m.str(text, group)));
}

}  // namespace

// Each pattern runs once over the text, for its first match only; no loop here.
TradeTerms extract_trade_terms(std::string_view text) {
    TradeTerms t;
    if (const auto m = pattern(Pat::CURRENCY_RE).find(text)) t.currency = std::string(m->str(text));
    if (const auto m = pattern(Pat::INCOTERM_PLACE_RE).find(text)) {
        t.incoterm = std::string(m->str(text, 1));
        t.destination = trimmed(text, *m, 2);
    } else if (const auto bare = pattern(Pat::INCOTERM_RE).find(text)) {
        t.incoterm = std::string(bare->str(text));
    }
    if (const auto m = pattern(Pat::DESTINATION_RE).find(text)) t.destination = trimmed(text, *m, 1);
    if (const auto m = pattern(Pat::LEAD_TIME_RE).find(text)) t.lead_time = trimmed(text, *m, 1);
    if (const auto m = pattern(Pat::PAYMENT_RE).find(text)) t.payment = trimmed(text, *m, 1);
    return t;
}

}  // namespace brellin
