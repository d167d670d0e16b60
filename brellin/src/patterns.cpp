#include "patterns.hpp"

#include <stdexcept>
#include <string>

#include "tarsk/tokenize.hpp"

namespace brellin {

// The pattern texts as written, and the forms run instead where PCRE2 would backtrack badly
// on the written ones; the tests run both on generated texts and compare every match.
const std::array<PatternForm, 20> PATTERN_FORMS = {{
    {"RFQ_DETECT_RE",
     R"((?mi)^\s*\d+[.)]\s|^\s*[-•*·]\s|\btarget\s+\d|\b(?:payment\s+terms?|lead[\s-]?time)\b)",
     R"((?mi)(?=[tpl])(?<!\w)(?:target\s+\d|(?:payment\s+terms?|lead[\s-]?time)(?!\w))|^\s*+(*SKIP)(?:\d+[.)]|[-•*·])\s)",
     "The keyword alternatives first, behind a look at their first letters: a \\b before a word "
     "character is the same as no word character before it, and after one the same as none after "
     "it; written so, the engine looks at the literal letters first. The list-marker alternatives "
     "last, each taking its leading blank run once, possessively (the marker after it is never "
     "white space), then (*SKIP) past it: every line start inside one blank run ends at the same "
     "place and fails the same way. No two alternatives can match at one position (they begin with"
     " t, p or l; white space, a digit or a bullet), so their order changes no match."},
    {"NUMBERED_ITEM_RE",
     R"((?m)^\s*\d+[.)]\s+)",
     R"((?m)^\s*+(*SKIP)\d+[.)]\s+)",
     "The leading blank run is taken once, possessively (the marker after it is never white "
     "space), and (*SKIP) resumes after it: every line start inside the run ends at the same place"
     " and fails the same way. Without it the interpreter retries each line start of a long blank "
     "run."},
    {"BULLET_ITEM_RE",
     R"((?m)^\s*[-•*·]\s+)",
     R"((?m)^\s*+(*SKIP)[-•*·]\s+)",
     "As NUMBERED_ITEM_RE: the blank run possessively, then (*SKIP) past it."},
    {"ITEM_LINE_RE",
     R"((?i)^\s*\d|\b(?:pcs|pieces?|sets?|kg|tons?|rolls?|sheets?|drums?|pallets?|cartons?|reels?|boxes?|meters?|litres?|liters?|fcl)\b)",
     R"((?i)^\s*\d|(?=[pskrdcbmlft])(?<!\w)(?:pcs|pieces?|sets?|kg|tons?|rolls?|sheets?|drums?|pallets?|cartons?|reels?|boxes?|meters?|litres?|liters?|fcl)(?!\w))",
     "A \\b before a word character is the same as no word character before it, and after one the "
     "same as none after it; written so, the engine looks at the literal letters first, behind a "
     "look at the unit words' first letters."},
    {"TRADE_HEADER_RE",
     R"((?i)^\s*(?:lead[\s-]?time|payment\s+terms?|incoterms?|delivery\s+(?:time|terms?)|shipping\s+(?:time|terms?)|port\s+of\s+(?:loading|discharge)))",
     {},
     ""},
    {"CURRENCY_RE",
     R"(\b(USD|EUR|GBP|CNY|JPY|KRW|VND|SGD|AUD|CAD)\b)",
     R"((?<!\w)(USD|EUR|GBP|CNY|JPY|KRW|VND|SGD|AUD|CAD)(?!\w))",
     "A \\b before a word character is the same as no word character before it, and after one the "
     "same as none after it; written so, the engine looks at the literal letters first (a start "
     "bitmap of the codes' first letters)."},
    {"INCOTERM_PLACE_RE",
     R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\s+([A-Z][a-zA-Z]+(?:\s+[A-Z][a-zA-Z]+)?))",
     R"((?<!\w)(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\s+([A-Z][a-zA-Z]+(?:\s+[A-Z][a-zA-Z]+)?))",
     "A \\b before a word character is the same as no word character before it, and after one the "
     "same as none after it; written so, the engine looks at the literal letters first (a start "
     "bitmap of the terms' first letters)."},
    {"INCOTERM_RE",
     R"(\b(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)\b)",
     R"((?<!\w)(EXW|FCA|FAS|FOB|CFR|CIF|CPT|CIP|DAP|DPU|DDP)(?!\w))",
     "A \\b before a word character is the same as no word character before it, and after one the "
     "same as none after it; written so, the engine looks at the literal letters first (a start "
     "bitmap of the terms' first letters)."},
    {"DESTINATION_RE",
     R"((?i)\b(?:to|for|deliver(?:y)? to|destination)\s+([A-Z][a-zA-Z\s]{2,30})(?:[,.]|$))",
     R"((?i)(?<!\w)(?:to|for|deliver(?:y)? to|destination)\s+([A-Z][a-zA-Z\s]{2,30})(?:[,.]|$))",
     "A \\b before a word character is the same as no word character before it, and after one the "
     "same as none after it; written so, the engine looks at the literal letters first (a start "
     "bitmap of t, f and d in both cases)."},
    {"LEAD_TIME_RE",
     R"((?i)lead[\s-]?time[:\s]+([^.\n]+))",
     {},
     ""},
    {"PAYMENT_RE",
     R"((?i)(?:payment(?:\s+terms?)?|thanh\s+toán)[:\s]+([^.\n]+))",
     {},
     ""},
    {"BOLD_RE",
     R"(\*{1,3}([^*]+)\*{1,3})",
     R"(\*{1,3}+([^*]++)\*{1,3}+)",
     "Possessive asterisk runs and text: the part after each can never start with what they would "
     "give back (an asterisk after [^*], a non-asterisk after the asterisks)."},
    {"PRODUCT_PREFIX_RE",
     R"((?i)^\s*product\s*:\s*)",
     R"((?i)^\s*+product\s*+:\s*+)",
     "Possessive blank runs: the element after each (a letter or a colon, or the end) is never "
     "white space."},
    {"SPEC_LABEL_RE",
     R"((?i),?\s*spec\s*:\s*)",
     R"((?i)(?=[,\ss]),?+\s*+(*SKIP)spec\s*+:\s*+)",
     "Possessive comma and blank runs, then (*SKIP): every start inside the run reaches the same "
     "keyword test and fails the same way; the blank runs after the keyword give back nothing "
     "anything after them could take. A first look at the one character every match starts with is"
     " added in front; it changes no match and spares the other tests at every other place."},
    {"QTY_NA_RE",
     R"((?i),?\s*qty\s*:\s*(?:n/a|nil|tbd|na)(?:\s+\w+)?)",
     R"((?i)(?=[,\sq]),?+\s*+(*SKIP)qty\s*+:\s*+(?:n/a|nil|tbd|na)(?:\s++\w++)?+)",
     "As SPEC_LABEL_RE: (*SKIP) after the possessive lead, possessive blank runs; the optional "
     "word is taken whole or not at all, which the pattern as written also does (a shorter word "
     "would still match, and the longest comes first). A first look at the one character every "
     "match starts with is added in front; it changes no match and spares the other tests at every"
     " other place."},
    {"TARGET_PRICE_RE",
     R"((?i)[,(]?\s*(?:target\s*[:=]?\s*|giá\s+mục\s+tiêu\s*|@\s*)(\d+(?:[.,]\d+)?)\s*(USD|EUR|GBP|CNY|JPY|VND|SGD)?\s*(?:/[^\s,).]+)?\s*[.)]?)",
     R"((?i)(?=[,(\s@tg])[,(]?+\s*+(*SKIP)(?:target\s*+[:=]?+\s*+|giá\s++mục\s++tiêu\s*+|@\s*+)(\d++(?:[.,]\d++)?+)\s*+(USD|EUR|GBP|CNY|JPY|VND|SGD)?+\s*+(?:/[^\s,).]++)?+\s*+[.)]?+)",
     "As SPEC_LABEL_RE: (*SKIP) after the possessive lead; each later part is possessive because "
     "what follows it can never start with what it would give back (digits before a separator or "
     "blank, letters of a code before blank or slash). A first look at the one character every "
     "match starts with is added in front; it changes no match and spares the other tests at every"
     " other place."},
    {"QTY_EN_RE",
     R"((?i),?\s*(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)",
     R"((?i)(?=[,\s\d])(?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d+(?:[.,]\d+)?)\s*(tons?|kg|kilograms?|pcs|pieces?|sets?|cartons?|drums?|reels?|pallets?|meters?|yards?|liters?|litres?|box|boxes|hundreds?|thousands?|rolls?|sheets?|20ft\s*fcl|fcl)\b\.?)",
     "Lookbehind starts: a match starting just after a comma, blank or digit of the same run "
     "implies an earlier match from the run's start, so such starts are never leftmost. Equal for "
     "searches from the start, from a previous match's end, or from a position whose previous "
     "character is not a comma, point, blank, digit or x. The number stays backtracking: 120ft fcl"
     " reads as 1 and 20ft fcl. A first look at the one character every match starts with is added"
     " in front; it changes no match and spares the other tests at every other place."},
    {"QTY_VI_RE",
     R"(,?\s*(\d+(?:[.,]\d+)?)\s*(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))",
     R"((?=[,\s\d])(?:,|(?<![,\s])(?=\s)|(?<![,\s\d])(?=\d))\s*+(\d++(?:[.,]\d++)?+)\s*+(cái|bộ|tấn|thùng|bó|hộp|tấm|cuộn|kiện))",
     "As QTY_EN_RE's starts, with possessive number and blanks (no unit word begins with a digit, "
     "separator or blank). A first look at the one character every match starts with is added in "
     "front; it changes no match and spares the other tests at every other place."},
    {"ORIGIN_VI_RE",
     R"(xuất\s+xứ\s+([^\s,;:.()0-9][^,;:.()0-9]*))",
     R"(xuất\s++xứ\s++([^\s,;:.()0-9][^,;:.()0-9]*+))",
     "Possessive blank runs between the words (the next element is a letter) and a possessive "
     "phrase (it is the last element)."},
    {"EMPTY_PARENS_RE",
     R"(\(\s*[,\s]*\)|\(\s*:\s*\))",
     R"(\([,\s]*+\)|\(\s*+:\s*+\))",
     "The first alternative's blanks and then commas and blanks are one possessive run of the "
     "same set, ended by a closing parenthesis that is in neither; the second alternative's blank "
     "runs are followed by a colon or a parenthesis."},
}};

const PatternForm& pattern_form(std::string_view name) {
    for (const PatternForm& f : PATTERN_FORMS) {
        if (f.name == name) return f;
    }
    throw std::out_of_range("no pattern named " + std::string(name));
}

namespace {

tarsk::Pattern build(std::string_view name) {
    const PatternForm& f = pattern_form(name);
    return tarsk::Pattern(f.written, f.run);
}

}  // namespace

const tarsk::Pattern& RFQ_DETECT_RE() {
    static const tarsk::Pattern p = build("RFQ_DETECT_RE");
    return p;
}
const tarsk::Pattern& NUMBERED_ITEM_RE() {
    static const tarsk::Pattern p = build("NUMBERED_ITEM_RE");
    return p;
}
const tarsk::Pattern& BULLET_ITEM_RE() {
    static const tarsk::Pattern p = build("BULLET_ITEM_RE");
    return p;
}
const tarsk::Pattern& ITEM_LINE_RE() {
    static const tarsk::Pattern p = build("ITEM_LINE_RE");
    return p;
}
const tarsk::Pattern& TRADE_HEADER_RE() {
    static const tarsk::Pattern p = build("TRADE_HEADER_RE");
    return p;
}
const tarsk::Pattern& CURRENCY_RE() {
    static const tarsk::Pattern p = build("CURRENCY_RE");
    return p;
}
const tarsk::Pattern& INCOTERM_PLACE_RE() {
    static const tarsk::Pattern p = build("INCOTERM_PLACE_RE");
    return p;
}
const tarsk::Pattern& INCOTERM_RE() {
    static const tarsk::Pattern p = build("INCOTERM_RE");
    return p;
}
const tarsk::Pattern& DESTINATION_RE() {
    static const tarsk::Pattern p = build("DESTINATION_RE");
    return p;
}
const tarsk::Pattern& LEAD_TIME_RE() {
    static const tarsk::Pattern p = build("LEAD_TIME_RE");
    return p;
}
const tarsk::Pattern& PAYMENT_RE() {
    static const tarsk::Pattern p = build("PAYMENT_RE");
    return p;
}
const tarsk::Pattern& BOLD_RE() {
    static const tarsk::Pattern p = build("BOLD_RE");
    return p;
}
const tarsk::Pattern& PRODUCT_PREFIX_RE() {
    static const tarsk::Pattern p = build("PRODUCT_PREFIX_RE");
    return p;
}
const tarsk::Pattern& SPEC_LABEL_RE() {
    static const tarsk::Pattern p = build("SPEC_LABEL_RE");
    return p;
}
const tarsk::Pattern& QTY_NA_RE() {
    static const tarsk::Pattern p = build("QTY_NA_RE");
    return p;
}
const tarsk::Pattern& TARGET_PRICE_RE() {
    static const tarsk::Pattern p = build("TARGET_PRICE_RE");
    return p;
}
const tarsk::Pattern& QTY_EN_RE() {
    static const tarsk::Pattern p = build("QTY_EN_RE");
    return p;
}
const tarsk::Pattern& QTY_VI_RE() {
    static const tarsk::Pattern p = build("QTY_VI_RE");
    return p;
}
const tarsk::Pattern& ORIGIN_VI_RE() {
    static const tarsk::Pattern p = build("ORIGIN_VI_RE");
    return p;
}
const tarsk::Pattern& EMPTY_PARENS_RE() {
    static const tarsk::Pattern p = build("EMPTY_PARENS_RE");
    return p;
}

std::vector<const tarsk::Pattern*> all_patterns() {
    std::vector<const tarsk::Pattern*> all{&tarsk::NUMBER_RE()};
    all.push_back(&RFQ_DETECT_RE());
    all.push_back(&NUMBERED_ITEM_RE());
    all.push_back(&BULLET_ITEM_RE());
    all.push_back(&ITEM_LINE_RE());
    all.push_back(&TRADE_HEADER_RE());
    all.push_back(&CURRENCY_RE());
    all.push_back(&INCOTERM_PLACE_RE());
    all.push_back(&INCOTERM_RE());
    all.push_back(&DESTINATION_RE());
    all.push_back(&LEAD_TIME_RE());
    all.push_back(&PAYMENT_RE());
    all.push_back(&BOLD_RE());
    all.push_back(&PRODUCT_PREFIX_RE());
    all.push_back(&SPEC_LABEL_RE());
    all.push_back(&QTY_NA_RE());
    all.push_back(&TARGET_PRICE_RE());
    all.push_back(&QTY_EN_RE());
    all.push_back(&QTY_VI_RE());
    all.push_back(&ORIGIN_VI_RE());
    all.push_back(&EMPTY_PARENS_RE());
    return all;
}

}  // namespace brellin
