#include "item_prechecks.hpp"

#include <algorithm>

#include "lower_case.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

// Whether `word` (lower case) starts at `at`, in any ASCII case.
bool folded_at(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    // At most the word's length in bytes.
    for (std::size_t i = 0; i < word.size(); ++i)
        if (tarsk::ascii_lower(text[at + i]) != word[i]) return false;
    return true;
}

}  // namespace

bool may_hold_digit(std::string_view text) {
    // Each byte once.
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80;
    });
}

bool may_hold_price(std::string_view text) {
    if (!is_ascii(text)) return true;
    if (!may_hold_digit(text)) return false;
    // From each position at most the six bytes of "target" are compared.
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '@' || folded_at(text, at, "target")) return true;
    }
    return false;
}

bool may_need_cleaning(std::string_view text) {
    // From each position at most ten bytes are compared ("product", then "pec").
    for (std::size_t at = 0; at < text.size(); ++at) {
        switch (tarsk::ascii_lower(text[at])) {
            case '*': return true;
            case 'p':
                if (folded_at(text, at, "product") || folded_at(text, at, "pec")) return true;
                break;
            case 'q':
                if (folded_at(text, at, "qty")) return true;
                break;
            default: break;
        }
    }
    return false;
}

std::string trimmed_item(std::string_view text) {
    std::string_view w = tarsk::trim(text);
    // Each trailing point is looked at and dropped once.
    while (!w.empty() && w.back() == '.') w.remove_suffix(1);
    return std::string(w);
}

bool may_name_origin(std::string_view text) {
    return !is_ascii(text) || text.find_first_of("(,") != std::string_view::npos;
}

}  // namespace brellin
