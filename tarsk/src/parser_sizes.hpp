// Size scales and the expansion of a size range written Size, To, Size.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "parser_text_list.hpp"

namespace tarsk {

// Letter, word, number, pipe and schedule sizes, tried in this order.
extern const std::array<std::span<const std::string_view>, 5> SIZE_SCALES;

// Replaces `before` in `sizes` by every size from `before` to `after` of the first scale holding
// both, or by `before` and `after` themselves when no scale holds both.
void expand_size_range(TextList& sizes, std::string_view before, std::string_view after);

}  // namespace tarsk
