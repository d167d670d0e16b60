#include <stdexcept>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"
#include "item_tables.hpp"
#include "lower_case.hpp"
#include "occurrence.hpp"
#include "tarsk/number.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"

namespace brellin {

namespace {

std::string english_unit(std::string_view vietnamese) {
    // Nine fixed entries, compared with a unit word of at most five letters.
    for (const auto& [vi, en] : VI_UNIT_MAP)
        if (vi == vietnamese) return std::string(en);
    throw std::logic_error("Vietnamese unit without an English name");
}

}  // namespace

// One lower-cased copy; at most two left-to-right searches of it (English, then Vietnamese); one
// backward search for the phrase that stops at the match at the latest; one cut_span walk.
void take_quantity(std::string& working, NormalizedItem& item) {
    const std::string lowered = lower_copy(working);
    std::optional<tarsk::Match> last = pattern(Pat::QTY_EN_RE).find_last(lowered);
    const bool english = last.has_value();
    if (!english) last = pattern(Pat::QTY_VI_RE).find_last(lowered);
    if (!last) return;
    const tarsk::Match& m = *last;
    item.qty = tarsk::read_number(m.str(lowered, 1));
    const std::string_view unit = tarsk::trim(m.str(lowered, 2));
    item.uom = english ? std::string(unit) : english_unit(unit);
    // A later copy of the phrase where the unit's word boundary fails is the one cut. The phrase
    // may be long and repetitive (a run of blanks before the number): the search is linear. A
    // match that ends the text leaves no room for a later copy.
    const std::string_view phrase = m.str(lowered);
    const std::size_t at = m.end() == lowered.size() ? m.start() : last_occurrence(lowered, phrase, m.start());
    working = cut_span(working, lowered, at, at + phrase.size());
}

}  // namespace brellin
