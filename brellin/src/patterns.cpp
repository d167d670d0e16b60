#include "patterns.hpp"

#include <utility>

#include "tarsk/tokenize.hpp"

namespace brellin {

namespace {

// Reasons that several run forms rest on, written once; the entries below name them.

// Run forms that spell out \b as lookarounds.
constexpr std::string_view WORD_EDGES =
    "A \\b before a word character is the same as no word character before it, and after one the "
    "same as none after it; written so, the engine looks at the literal letters first.";

// Run forms that begin with a lookahead at the characters a match can start with.
constexpr std::string_view FIRST_LOOK =
    "A first look at the one character every match starts with is added in front; it changes no "
    "match and spares the other tests at every other place.";

// Run forms of the list-marker patterns, whose marker follows the blanks that start a line.
constexpr std::string_view LEADING_BLANKS =
    "The leading blank run is taken once, possessively (the marker after it is never white "
    "space), and (*SKIP) resumes after it: every line start inside the run ends at the same place "
    "and fails the same way, where the interpreter would retry each line start of a long blank "
    "run.";

struct Entry {
    Pat id;
    PatternForm form;
};

// The pattern texts as written, and the forms run instead where PCRE2 would backtrack badly
// on the written ones; the tests run both on generated texts and compare every match.
constexpr std::array<Entry, PATTERN_COUNT> ENTRIES = {{
    {Pat::RFQ_DETECT_RE,
     {"RFQ_DETECT_RE",
      R"((?mi)^\s*\d+[.)]\s|^\s*[-•*·]\s|\btarget\s+\d|\b(?:payment\s+terms?|lead[\s-]?time)\b)",
      R"((?mi)(?=[tpl])(?<!\w)(?:target\s+\d|(?:payment\s+terms?|lead[\s-]?time)(?!\w))|^\s*+(*SKIP)(?:\d+[.)]|[-•*·])\s)",
      {WORD_EDGES,
       "The keyword alternatives go first, behind a look at their first letters, and the list-marker "
       "alternatives last, each taking its leading blank run as the item markers do.",
       LEADING_BLANKS,
       "No two alternatives can match at one position (they begin with t, p or l; white space, a "
       "digit or a bullet), so their order changes no match."}}},
    {Pat::NUMBERED_ITEM_RE,
     {"NUMBERED_ITEM_RE",
      R"((?m)^\s*\d+[.)]\s+)",
      R"((?m)^\s*+(*SKIP)\d+[.)]\s+)",
      {LEADING_BLANKS}}},
    {Pat::BULLET_ITEM_RE,
     {"BULLET_ITEM_RE",
      R"((?m)^\s*[-•*·]\s+)",
      R"((?m)^\s*+(*SKIP)[-•*·]\s+)",
      {LEADING_BLANKS}}},
    {Pat::ITEM_LINE_RE,
     {"ITEM_LINE_RE",
      R"((?i)^\s*\d|\b(?:pcs|pieces?|sets?|kg|tons?|rolls?|sheets?|drums?|pallets?|cartons?|reels?|boxes?|meters?|litres?|liters?|fcl)\b)",
      R"((?i)^\s*\d|(?=[pskrdcbmlft])(?<!\w)(?:pcs|pieces?|sets?|kg|tons?|rolls?|sheets?|drums?|pallets?|cartons?|reels?|boxes?|meters?|litres?|liters?|fcl)(?!\w))",
      {WORD_EDGES,
       "A look at the unit words' first letters goes in front."}}},
    {Pat::TRADE_HEADER_RE,
     {"TRADE_HEADER_RE",
      R"((?i)^\s*(?:lead[\s-]?time|payment\s+terms?|incoterms?|delivery\s+(?:time|terms?)|shipping\s+(?:time|terms?)|port\s+of\s+(?:loading|discharge)))",
      {},
      {}}},
    {Pat::CURRENCY_RE,
     {"CURRENCY_RE",
      R"(\b(USD|EUR|GBP|CNY|JPY|KRW|VND|SGD|AUD|CAD)\b)",
      R"((?<!\w)(USD|EUR|GBP|CNY|JPY|KRW|VND|SGD|AUD|CAD)(?!\w))",
      {WORD_EDGES,
       "The engine's start bitmap holds the codes' first letters."}}},
    {Pat::INCOTERM_PLACE_RE,
     {"INCOTERM_PLACE_RE",
      R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\s+([A-Z][a-zA-Z]+(?:\s+[A-Z][a-zA-Z]+)?))",
      R"((?<!\w)(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\s+([A-Z][a-zA-Z]+(?:\s+[A-Z][a-zA-Z]+)?))",
      {WORD_EDGES,
       "The engine's start bitmap holds the terms' first letters."}}},
    {Pat::INCOTERM_RE,
     {"INCOTERM_RE",
      R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\b)",
      R"((?<!\w)(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)(?!\w))",
      {WORD_EDGES,
       "The engine's start bitmap holds the terms' first letters."}}},
    {Pat::DESTINATION_RE,
     {"DESTINATION_RE",
      R"((?i)\b(?:to|for|deliver(?:y)? to|destination)\s+([A-Z][a-zA-Z\s]{2,30})(?:[,.]|$))",
      R"((?i)(?<!\w)(?:to|for|deliver(?:y)? to|destination)\s+([A-Z][a-zA-Z\s]{2,30})(?:[,.]|$))",
      {WORD_EDGES,
       "The engine's start bitmap holds t, f and d in both cases."}}},
    {Pat::LEAD_TIME_RE,
     {"LEAD_TIME_RE",
      R"((?i)lead[\s-]?time[:\s]+([^.\n]+))",
      {},
      {}}},
    {Pat::PAYMENT_RE,
     {"PAYMENT_RE",
      R"((?i)(?:payment(?:\s+terms?)?|thanh\s+toán)[:\s]+([^.\n]+))",
      {},
      {}}},
    {Pat::BOLD_RE,
     {"BOLD_RE",
      R"(\*{1,3}([^*]+)\*{1,3})",
      R"(\*{1,3}+([^*]++)\*{1,3}+)",
      {"Possessive asterisk runs and text: the part after each can never start with what they "
       "would give back (an asterisk after [^*], a non-asterisk after the asterisks)."}}},
    {Pat::PRODUCT_PREFIX_RE,
     {"PRODUCT_PREFIX_RE",
      R"((?i)^\s*product\s*:\s*)",
      R"((?i)^\s*+product\s*+:\s*+)",
      {"Possessive blank runs: the element after each (a letter or a colon, or the end) is never "
       "white space."}}},
    {Pat::SPEC_LABEL_RE,
     {"SPEC_LABEL_RE",
      R"((?i),?\s*spec\s*:\s*)",
      R"((?i)(?=[,\ss]),?+\s*+(*SKIP)spec\s*+:\s*+)",
      {"Possessive comma and blank runs, then (*SKIP): every start inside the run reaches the same "
       "keyword test and fails the same way; the blank runs after the keyword give back nothing "
       "anything after them could take.",
       FIRST_LOOK}}},
    {Pat::QTY_NA_RE,
     {"QTY_NA_RE",
      R"((?i),?\s*qty\s*:\s*(?:n/a|nil|tbd|na)(?:\s+\w+)?)",
      R"((?i)(?=[,\sq]),?+\s*+(*SKIP)qty\s*+:\s*+(?:n/a|nil|tbd|na)(?:\s++\w++)?+)",
      {"As SPEC_LABEL_RE: (*SKIP) after the possessive lead, possessive blank runs; the optional "
       "word is taken whole or not at all, which the pattern as written also does (a shorter word "
       "would still match, and the longest comes first).",
       FIRST_LOOK}}},
    {Pat::TARGET_PRICE_RE,
     {"TARGET_PRICE_RE",
      R"((?i)[,(]?\s*(?:target\s*[:=]?\s*|giá\s+mục\s+tiêu\s*|@\s*)(\d+(?:[.,]\d+)?)\s*(USD|EUR|GBP|CNY|JPY|VND|SGD)?\s*(?:/[^\s,).]+)?\s*[.)]?)",
      R"((?i)(?=[,(\s@tg])[,(]?+\s*+(*SKIP)(?:target\s*+[:=]?+\s*+|giá\s++mục\s++tiêu\s*+|@\s*+)(\d++(?:[.,]\d++)?+)\s*+(USD|EUR|GBP|CNY|JPY|VND|SGD)?+\s*+(?:/[^\s,).]++)?+\s*+[.)]?+)",
      {"As SPEC_LABEL_RE: (*SKIP) after the possessive lead; each later part is possessive "
       "because what follows it can never start with what it would give back (digits before a "
       "separator or blank, letters of a code before blank or slash).",
       FIRST_LOOK}}},
    {Pat::QTY_EN_RE,
     {"QTY_EN_RE",
      R"((?i),?\s*(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)",
      R"((?i)(?=[,\s\d])(?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)",
      {"Lookbehind starts: a match starting just after a comma, blank or digit of the same run "
       "implies an earlier match from the run's start, so such starts are never leftmost. Equal "
       "for searches from the start, from a previous match's end, or from a position whose "
       "previous character is not a comma, point, blank, digit or x. The number stays "
       "backtracking: 120ft fcl reads as 1 and 20ft fcl.",
       FIRST_LOOK}}},
    {Pat::QTY_VI_RE,
     {"QTY_VI_RE",
      R"(,?\s*(\d+(?:[.,]\d+)?)\s*(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))",
      R"((?=[,\s\d])(?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d++(?:[.,]\d++)?+)\s*+(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))",
      {"As QTY_EN_RE's starts, with possessive number and blanks (no unit word begins with a "
       "digit, separator or blank).",
       FIRST_LOOK}}},
    {Pat::ORIGIN_VI_RE,
     {"ORIGIN_VI_RE",
      R"(xuất\s+xứ\s+([^\s,;:.()0-9][^,;:.()0-9]*))",
      R"(xuất\s++xứ\s++([^\s,;:.()0-9][^,;:.()0-9]*+))",
      {"Possessive blank runs between the words (the next element is a letter) and a possessive "
       "phrase (it is the last element)."}}},
    {Pat::EMPTY_PARENS_RE,
     {"EMPTY_PARENS_RE",
      R"(\(\s*[,\s]*\)|\(\s*:\s*\))",
      R"(\([,\s]*+\)|\(\s*+:\s*+\))",
      {"The first alternative's blanks and then commas and blanks are one possessive run of the "
       "same set, ended by a closing parenthesis that is in neither; the second alternative's "
       "blank runs are followed by a colon or a parenthesis."}}},
}};

constexpr std::size_t index(Pat p) { return static_cast<std::size_t>(p); }

constexpr bool in_enum_order() {
    for (std::size_t i = 0; i < ENTRIES.size(); ++i) {
        if (index(ENTRIES[i].id) != i) return false;
    }
    return true;
}
static_assert(in_enum_order(), "the pattern table lists its entries in the order of Pat");

template <std::size_t... I>
constexpr std::array<PatternForm, PATTERN_COUNT> forms_of(std::index_sequence<I...>) {
    return {ENTRIES[I].form...};
}

}  // namespace

const std::array<PatternForm, PATTERN_COUNT> PATTERN_FORMS = forms_of(std::make_index_sequence<PATTERN_COUNT>{});

std::string why_text(const PatternForm& f) {
    std::string out;
    for (const std::string_view part : f.why) {
        if (part.empty()) continue;
        if (!out.empty()) out += ' ';
        out += part;
    }
    return out;
}

const PatternForm& pattern_form(Pat p) { return PATTERN_FORMS[index(p)]; }

namespace {

// One function per pattern, so each compiles under its own static's guard.
template <Pat P>
const tarsk::Pattern& compiled() {
    static const tarsk::Pattern p(PATTERN_FORMS[index(P)].written, PATTERN_FORMS[index(P)].run);
    return p;
}

template <std::size_t... I>
constexpr std::array<const tarsk::Pattern& (*)(), PATTERN_COUNT> compilers(std::index_sequence<I...>) {
    return {&compiled<static_cast<Pat>(I)>...};
}

constexpr auto COMPILED = compilers(std::make_index_sequence<PATTERN_COUNT>{});

}  // namespace

const tarsk::Pattern& pattern(Pat p) { return COMPILED[index(p)](); }

std::vector<const tarsk::Pattern*> all_patterns() {
    std::vector<const tarsk::Pattern*> all{&tarsk::NUMBER_RE()};
    for (const auto get : COMPILED) all.push_back(&get());
    return all;
}

}  // namespace brellin
