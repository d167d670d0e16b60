// Exact pre-checks that let the normaliser skip a step that would find nothing. Each answers
// "maybe" whenever the step's patterns could match, so a skipped step is one that changes nothing.
#pragma once

#include <string>
#include <string_view>

namespace brellin {

// False when the text is ASCII without a digit 0-9: then neither it nor its lower-cased copy
// (the same bytes but for A-Z) holds a \d, which the price, quantity and dimension phrases need.
bool may_hold_digit(std::string_view text);

// False when the text is ASCII and lacks a digit, or lacks both "@" and "target" in any ASCII
// case: a target price is one of those marks (the Vietnamese one is not ASCII) and a number.
bool may_hold_price(std::string_view text);

// False when no clean-up pattern can match: none of "*", "product", "pec" or "qty" in any ASCII
// case (their letters have no case partner beyond ASCII), so clean_item would only trim.
bool may_need_cleaning(std::string_view text);
// What clean_item gives for a text that needs no cleaning: trimmed, trailing points dropped.
std::string trimmed_item(std::string_view text);

// False when the text is ASCII without "(" or ",": every origin form starts with "xuất" (not
// ASCII in any case), "(" or ", ".
bool may_name_origin(std::string_view text);

}  // namespace brellin
