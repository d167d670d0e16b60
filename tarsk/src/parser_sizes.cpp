#include "parser_sizes.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "lexicon.hpp"

namespace tarsk {

namespace {

// The sizes of a scale given as lexicon keys with their sizes.
template <std::size_t N>
constexpr std::array<std::string_view, N> sizes_of(const std::array<LexiconPair, N>& keys) {
    std::array<std::string_view, N> sizes{};
    for (std::size_t i = 0; i < N; ++i) sizes[i] = keys[i].value;
    return sizes;
}

constexpr auto LETTER_SIZES = sizes_of(LETTER_SIZE_KEYS);
constexpr auto WORD_SIZES = sizes_of(WORD_SIZE_KEYS);
constexpr auto PIPE_SIZES = sizes_of(PIPE_SIZE_KEYS);

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
