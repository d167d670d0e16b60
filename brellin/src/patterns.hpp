// The RFQ pipeline's patterns, in one table: each pattern's name, its text as written, the form
// the engine runs when that differs, and why the two find the same matches. Internal: the
// pipeline, its tests and the fuzz checks use these; the public headers hold entry points only.
// DIMS_RE is not here: the dimension step runs its own automaton (dimension_automaton.hpp), so
// the pattern and its run form are test support (brellin/testing/dims_reference.hpp).
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tarsk/pattern.hpp"

namespace brellin {

struct PatternForm {
    std::string_view name;
    std::string_view written;  // the pattern as written
    std::string_view run;      // the form the engine runs; empty: the written text itself
    // Why the run form finds what the written one finds, and from which search offsets.
    std::string_view why;
};

extern const std::array<PatternForm, 20> PATTERN_FORMS;

// The entry named `name`; throws std::out_of_range for a name not in the table.
const PatternForm& pattern_form(std::string_view name);

// Each compiled on first use from its table entry, looked up by name.
const tarsk::Pattern& RFQ_DETECT_RE();
const tarsk::Pattern& NUMBERED_ITEM_RE();
const tarsk::Pattern& BULLET_ITEM_RE();
const tarsk::Pattern& ITEM_LINE_RE();
const tarsk::Pattern& TRADE_HEADER_RE();
const tarsk::Pattern& CURRENCY_RE();
const tarsk::Pattern& INCOTERM_PLACE_RE();
const tarsk::Pattern& INCOTERM_RE();
const tarsk::Pattern& DESTINATION_RE();
const tarsk::Pattern& LEAD_TIME_RE();
const tarsk::Pattern& PAYMENT_RE();
const tarsk::Pattern& BOLD_RE();
const tarsk::Pattern& PRODUCT_PREFIX_RE();
const tarsk::Pattern& SPEC_LABEL_RE();
const tarsk::Pattern& QTY_NA_RE();
const tarsk::Pattern& TARGET_PRICE_RE();
const tarsk::Pattern& QTY_EN_RE();
const tarsk::Pattern& QTY_VI_RE();
const tarsk::Pattern& ORIGIN_VI_RE();
const tarsk::Pattern& EMPTY_PARENS_RE();

// Every pattern the shipped code compiles: the lexer's NUMBER_RE and the 20 above.
std::vector<const tarsk::Pattern*> all_patterns();

}  // namespace brellin
