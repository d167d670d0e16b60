#include "parser_sizes.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "lexicon.hpp"

namespace tarsk {

namespace {

constexpr std::array<std::string_view, 11> LETTER_SIZES{"XXS", "XS",  "S",    "M",   "L",  "XL",
                                                        "XXL", "XXXL", "2XL", "3XL", "4XL"};
constexpr std::array<std::string_view, 3> WORD_SIZES{"small", "medium", "large"};
constexpr std::array<std::string_view, 12> PIPE_SIZES{"DN15", "DN20", "DN25", "DN32",  "DN40",  "DN50",
                                                      "DN65", "DN80", "DN100", "DN150", "DN200", "DN300"};
constexpr std::array<std::string_view, 3> SCHEDULES{"SCH10", "SCH40", "SCH80"};

std::optional<std::size_t> position_in(std::span<const std::string_view> scale, std::string_view size) {
    const auto it = std::find(scale.begin(), scale.end(), size);
    if (it == scale.end()) return std::nullopt;
    return static_cast<std::size_t>(it - scale.begin());
}

}  // namespace

const std::array<std::span<const std::string_view>, 5> SIZE_SCALES{
    std::span<const std::string_view>(LETTER_SIZES), std::span<const std::string_view>(WORD_SIZES),
    std::span<const std::string_view>(NUMBER_SIZES), std::span<const std::string_view>(PIPE_SIZES),
    std::span<const std::string_view>(SCHEDULES),
};

void expand_size_range(TextList& sizes, std::string_view before, std::string_view after) {
    // The first size goes whatever follows, so it ends up behind the sizes already present.
    remove_text(sizes, before);
    // Five fixed scales of at most 20 sizes each, whatever the text.
    for (const auto scale : SIZE_SCALES) {
        const auto a = position_in(scale, before);
        const auto b = position_in(scale, after);
        if (!a || !b) continue;
        for (std::size_t k = std::min(*a, *b); k <= std::max(*a, *b); ++k) push_unique(sizes, scale[k]);
        return;
    }
    push_unique(sizes, before);
    push_unique(sizes, after);
}

}  // namespace tarsk
