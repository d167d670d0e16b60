#include "brellin/trade_terms.hpp"

#include <string>

#include "tarsk/text.hpp"

namespace brellin {

const tarsk::Pattern& CURRENCY_RE() {
    static const tarsk::Pattern p(R"(\b(USD|EUR|GBP|CNY|JPY|KRW|VND|SGD|AUD|CAD)\b)");
    return p;
}

const tarsk::Pattern& INCOTERM_PLACE_RE() {
    static const tarsk::Pattern p(
        R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\s+([A-Z][a-zA-Z]+(?:\s+[A-Z][a-zA-Z]+)?))");
    return p;
}

const tarsk::Pattern& INCOTERM_RE() {
    static const tarsk::Pattern p(R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\b)");
    return p;
}

const tarsk::Pattern& DESTINATION_RE() {
    static const tarsk::Pattern p(
        R"((?i)\b(?:to|for|deliver(?:y)? to|destination)\s+([A-Z][a-zA-Z\s]{2,30})(?:[,.]|$))");
    return p;
}

const tarsk::Pattern& LEAD_TIME_RE() {
    static const tarsk::Pattern p(R"((?i)lead[\s-]?time[:\s]+([^.\n]+))");
    return p;
}

const tarsk::Pattern& PAYMENT_RE() {
    static const tarsk::Pattern p(R"((?i)(?:payment(?:\s+terms?)?|thanh\s+toán)[:\s]+([^.\n]+))");
    return p;
}

namespace {

std::string trimmed(std::string_view text, const tarsk::Match& m, std::size_t group) {
    return std::string(tarsk::trim(m.str(text, group)));
}

}  // namespace

// Each pattern runs once over the text, for its first match only; no loop here.
TradeTerms extract_trade_terms(std::string_view text) {
    TradeTerms t;
    if (const auto m = CURRENCY_RE().find(text)) t.currency = std::string(m->str(text));
    if (const auto m = INCOTERM_PLACE_RE().find(text)) {
        t.incoterm = std::string(m->str(text, 1));
        t.destination = trimmed(text, *m, 2);
    } else if (const auto bare = INCOTERM_RE().find(text)) {
        t.incoterm = std::string(bare->str(text));
    }
    if (const auto m = DESTINATION_RE().find(text)) t.destination = trimmed(text, *m, 1);
    if (const auto m = LEAD_TIME_RE().find(text)) t.lead_time = trimmed(text, *m, 1);
    if (const auto m = PAYMENT_RE().find(text)) t.payment = trimmed(text, *m, 1);
    return t;
}

}  // namespace brellin
