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
// Table cells: EMPTY ends a probe, REMOVED held an entry that was removed (a probe goes on past it
// and an added entry may take it), anything else is slot + 1.
constexpr std::uint32_t EMPTY = 0;
constexpr std::uint32_t REMOVED = std::numeric_limits<std::uint32_t>::max();

bool is_live(const TextList& list, std::size_t slot) {
    return !list.index || slot >= list.index->removed.size() || !list.index->removed[slot];
}

bool has_table(const TextList& list) { return list.index && !list.index->table.empty(); }

struct Probe {
    std::optional<std::size_t> found;  // the cell holding the text
    std::size_t free = 0;              // else the cell where it would go
};

// The table is at most half full (removed cells counted as full), so a probe ends at an empty cell
// after a few steps on average.
Probe probe(const TextList& list, std::string_view text) {
    const auto& table = list.index->table;
    const std::size_t mask = table.size() - 1;
    std::optional<std::size_t> free;
    for (std::size_t cell = std::hash<std::string_view>{}(text) & mask;; cell = (cell + 1) & mask) {
        const std::uint32_t entry = table[cell];
        if (entry == EMPTY) return Probe{std::nullopt, free.value_or(cell)};
        if (entry == REMOVED) {
            if (!free) free = cell;
        } else if (list.texts[entry - 1] == text) {
            return Probe{cell, 0};
        }
    }
}

void place(TextList& list, std::size_t slot) {
    auto& index = *list.index;
    const std::size_t cell = probe(list, list.texts[slot]).free;
    if (index.table[cell] == EMPTY) ++index.table_used;
    index.table[cell] = static_cast<std::uint32_t>(slot + 1);
}

// Re-indexes the live entries in a table of at least four cells per entry; removed cells go.
void rebuild(TextList& list) {
    if (!list.index) list.index = std::make_unique<TextList::Index>();
    std::size_t size = 64;
    while (size < 4 * list.texts.size()) size *= 2;
    list.index->table.assign(size, EMPTY);
    list.index->table_used = 0;
    // Each live entry is placed once.
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
        if (is_live(list, slot)) place(list, slot);
}

// The slot of the live entry equal to `text`, if any.
std::optional<std::size_t> find(const TextList& list, std::string_view text) {
    if (!has_table(list)) {
        // A short list: at most SHORT_LIST entries.
        for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
            if (list.texts[slot] == text && is_live(list, slot)) return slot;
        return std::nullopt;
    }
    const auto cell = probe(list, text).found;
    if (!cell) return std::nullopt;
    return list.index->table[*cell] - 1;
}

template <typename Text>
void append(TextList& list, Text&& text) {
    if (list.texts.size() >= REMOVED - 1) throw std::length_error("attribute list too long");
    list.texts.emplace_back(std::forward<Text>(text));
    if (!has_table(list)) {
        if (list.texts.size() > SHORT_LIST) rebuild(list);
        return;
    }
    if (2 * (list.index->table_used + 1) > list.index->table.size()) {
        rebuild(list);
        return;
    }
    place(list, list.texts.size() - 1);
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
    if (!list.index) list.index = std::make_unique<TextList::Index>();
    auto& index = *list.index;
    if (index.removed.size() <= *slot) index.removed.resize(list.texts.size(), false);
    index.removed[*slot] = true;
    if (has_table(list)) index.table[*probe(list, text).found] = REMOVED;
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
