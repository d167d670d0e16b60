#include "parser_text_list.hpp"

#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

namespace tarsk {

namespace {

// Lists up to this long are searched entry by entry; longer ones through the table.
constexpr std::size_t SHORT_LIST = 16;

bool is_live(const TextList& list, std::size_t slot) {
    return slot >= list.removed.size() || !list.removed[slot];
}

std::size_t home(const TextList& list, std::string_view text) {
    return std::hash<std::string_view>{}(text) & (list.table.size() - 1);
}

// The table cell of the live entry equal to `text`, or of the empty cell where it would go. The
// table is at most half full, so a probe ends at an empty cell after a few steps on average.
std::size_t probe(const TextList& list, std::string_view text) {
    const std::size_t mask = list.table.size() - 1;
    for (std::size_t cell = home(list, text);; cell = (cell + 1) & mask) {
        const std::uint32_t entry = list.table[cell];
        if (entry == 0) return cell;
        const std::size_t slot = entry - 1;
        if (is_live(list, slot) && list.texts[slot] == text) return cell;
    }
}

// Re-indexes the live entries in a table of at least four cells per entry; removed slots drop out.
void rebuild(TextList& list) {
    std::size_t size = 64;
    while (size < 4 * list.texts.size()) size *= 2;
    list.table.assign(size, 0);
    list.table_used = 0;
    // Each live entry is placed once.
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot) {
        if (!is_live(list, slot)) continue;
        list.table[probe(list, list.texts[slot])] = static_cast<std::uint32_t>(slot + 1);
        ++list.table_used;
    }
}

// The slot of the live entry equal to `text`, if any.
std::optional<std::size_t> find(const TextList& list, std::string_view text) {
    if (list.table.empty()) {
        // A short list: at most SHORT_LIST entries.
        for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
            if (list.texts[slot] == text && is_live(list, slot)) return slot;
        return std::nullopt;
    }
    const std::uint32_t entry = list.table[probe(list, text)];
    if (entry == 0) return std::nullopt;
    return entry - 1;
}

template <typename Text>
void append(TextList& list, Text&& text) {
    if (list.texts.size() >= std::numeric_limits<std::uint32_t>::max() - 1) throw std::length_error("attribute list too long");
    list.texts.emplace_back(std::forward<Text>(text));
    if (list.table.empty()) {
        if (list.texts.size() > SHORT_LIST) rebuild(list);
        return;
    }
    if (2 * (list.table_used + 1) > list.table.size()) {
        rebuild(list);
        return;
    }
    const std::size_t slot = list.texts.size() - 1;
    list.table[probe(list, list.texts[slot])] = static_cast<std::uint32_t>(slot + 1);
    ++list.table_used;
}

}  // namespace

void push_unique(TextList& list, std::string_view text) {
    if (!find(list, text)) append(list, text);
}

void push_unique(TextList& list, std::string&& text) {
    if (!find(list, text)) append(list, std::move(text));
}

void remove_text(TextList& list, std::string_view text) {
    const auto slot = find(list, text);
    if (!slot) return;
    if (list.removed.size() <= *slot) list.removed.resize(list.texts.size(), false);
    list.removed[*slot] = true;
}

std::vector<std::string> take_texts(TextList&& list) {
    if (list.removed.empty()) return std::move(list.texts);
    std::vector<std::string> out;
    out.reserve(list.texts.size());
    // Each stored text is moved once.
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
        if (is_live(list, slot)) out.push_back(std::move(list.texts[slot]));
    return out;
}

}  // namespace tarsk
