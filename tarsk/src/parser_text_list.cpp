// Bound, whatever texts the input picks: one push or removal on a list of k stored entries costs
// O(|text| log k) byte comparisons (at most 16 comparisons of |text| bytes while k <= 16), as no
// hash is involved.
#include "parser_text_list.hpp"

#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

namespace tarsk {

bool TextList::SlotOrder::operator()(std::uint32_t a, std::uint32_t b) const {
    return std::string_view((**texts)[a]) < std::string_view((**texts)[b]);
}

bool TextList::SlotOrder::operator()(std::uint32_t a, std::string_view b) const {
    return std::string_view((**texts)[a]) < b;
}

bool TextList::SlotOrder::operator()(std::string_view a, std::uint32_t b) const {
    return a < std::string_view((**texts)[b]);
}

namespace {

// Lists of up to this many stored entries are searched entry by entry; longer ones through the set.
constexpr std::size_t SHORT_LIST = 16;

// Stored entries never go away, so once past the short limit a list stays ordered.
bool is_ordered(const TextList& list) { return list.texts.size() > SHORT_LIST; }

bool is_live(const TextList& list, std::size_t slot) {
    return !list.index || slot >= list.index->removed.size() || !list.index->removed[slot];
}

// The index, made if needed, pointed at the list's vector where the list is now.
TextList::Index& index_of(TextList& list) {
    if (!list.index) list.index = std::make_unique<TextList::Index>();
    list.index->texts = &list.texts;
    return *list.index;
}

// The slot of the live entry equal to `text` in a short list, if any.
std::optional<std::size_t> find_short(const TextList& list, std::string_view text) {
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
        if (list.texts[slot] == text && is_live(list, slot)) return slot;
    return std::nullopt;
}

template <typename Text>
std::uint32_t append(TextList& list, Text&& text) {
    if (list.texts.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("attribute list too long");
    list.texts.emplace_back(std::forward<Text>(text));
    return static_cast<std::uint32_t>(list.texts.size() - 1);
}

template <typename Text>
void push(TextList& list, Text&& text) {
    const std::string_view view(text);
    if (!is_ordered(list)) {
        if (find_short(list, view)) return;
        append(list, std::forward<Text>(text));
        if (!is_ordered(list)) return;
        // Just outgrew the short search: order the live entries once.
        auto& live = index_of(list).live;
        for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
            if (is_live(list, slot)) live.insert(static_cast<std::uint32_t>(slot));
        return;
    }
    auto& live = index_of(list).live;
    const auto at = live.lower_bound(view);
    if (at != live.end() && list.texts[*at] == view) return;
    // `at` is the first greater text, so the new slot goes just before it.
    live.emplace_hint(at, append(list, std::forward<Text>(text)));
}

void mark_removed(TextList& list, std::size_t slot) {
    auto& removed = index_of(list).removed;
    if (removed.size() <= slot) removed.resize(list.texts.size(), false);
    removed[slot] = true;
}

}  // namespace

void push_unique(TextList& list, std::string_view text) { push(list, text); }

void push_unique(TextList& list, std::string&& text) { push(list, std::move(text)); }

void remove_text(TextList& list, std::string_view text) {
    if (!is_ordered(list)) {
        if (const auto slot = find_short(list, text)) mark_removed(list, *slot);
        return;
    }
    auto& live = index_of(list).live;
    const auto at = live.find(text);
    if (at == live.end()) return;
    mark_removed(list, *at);
    live.erase(at);
}

std::vector<std::string> take_texts(TextList&& list) {
    if (!list.index || list.index->removed.empty()) return std::move(list.texts);
    std::vector<std::string> out;
    out.reserve(list.texts.size());
    // Each stored text is moved once.
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
        if (is_live(list, slot)) out.push_back(std::move(list.texts[slot]));
    return out;
}

}  // namespace tarsk
