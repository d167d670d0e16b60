// The RFQ pipeline's patterns, in one table: each pattern's name, its text as written, the form
// the engine runs when that differs, and why the two find the same matches. Internal: the
// pipeline, its tests and the fuzz checks use these; the public headers hold entry points only.
// DIMS_RE is not here: the dimension step runs its own automaton (dimension_automaton.hpp), so
// the pattern and its run form are test support (brellin/testing/dims_reference.hpp).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tarsk/pattern.hpp"

namespace brellin {

// The table's patterns, in its order; a pattern is reached by its enumerator, so a misspelt
// name does not compile. EMPTY_PARENS_RE stays last: PATTERN_COUNT counts from it.
enum class Pat : std::size_t {
    RFQ_DETECT_RE,
    NUMBERED_ITEM_RE,
    BULLET_ITEM_RE,
    ITEM_LINE_RE,
    TRADE_HEADER_RE,
    CURRENCY_RE,
    INCOTERM_PLACE_RE,
    INCOTERM_RE,
    DESTINATION_RE,
    LEAD_TIME_RE,
    PAYMENT_RE,
    BOLD_RE,
    PRODUCT_PREFIX_RE,
    SPEC_LABEL_RE,
    QTY_NA_RE,
    TARGET_PRICE_RE,
    QTY_EN_RE,
    QTY_VI_RE,
    ORIGIN_VI_RE,
    EMPTY_PARENS_RE,
};

inline constexpr std::size_t PATTERN_COUNT = static_cast<std::size_t>(Pat::EMPTY_PARENS_RE) + 1;

struct PatternForm {
    std::string_view name;
    std::string_view written;  // the pattern as written
    std::string_view run;      // the form the engine runs; empty: the written text itself
    // Why the run form finds what the written one finds, and from which search offsets: parts
    // read in order, unused ones empty, so that a reason several forms share is written once.
    std::array<std::string_view, 4> why;
};

// The parts of `f.why` joined with spaces; empty when the written form is run.
std::string why_text(const PatternForm& f);

// Indexed by Pat.
extern const std::array<PatternForm, PATTERN_COUNT> PATTERN_FORMS;

const PatternForm& pattern_form(Pat p);

// Compiled from its table entry on first use, once even when threads race for it.
const tarsk::Pattern& pattern(Pat p);

// Every pattern the shipped code compiles: the lexer's NUMBER_RE, then the table's in order.
std::vector<const tarsk::Pattern*> all_patterns();

}  // namespace brellin
