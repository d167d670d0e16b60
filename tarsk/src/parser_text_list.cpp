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
    return !list.index || slot >= list.index->removed.size() || !list.index->removed[slot];
}

bool has_table(const TextList& list) { return list.index && !list.index->table.empty(); }

// The table cell of the live entry equal to `text`, or of the empty cell where it would go. The
// table is at most half full, so a probe ends at an empty cell after a few steps on average.
std::size_t probe(const TextList& list, std::string_view text) {
    const auto& table = list.index->table;
    const std::size_t mask = table.size() - 1;
    for (std::size_t cell = std::hash<std::string_view>{}(text) & mask;; cell = (cell + 1) & mask) {
        const std::uint32_t entry = table[cell];
        if (entry == 0) return cell;
        const std::size_t slot = entry - 1;
        if (is_live(list, slot) && list.texts[slot] == text) return cell;
    }
}

// Re-indexes the live entries in a table of at least four cells per entry; removed slots drop out.
void rebuild(TextList& list) {
    if (!list.index) list.index = std::make_unique<TextList::Index>();
    std::size_t size = 64;
    while (size < 4 * list.texts.size()) size *= 2;
    list.index->table.assign(size, 0);
    list.index->table_used = 0;
    // Each live entry is placed once.
    for (std::size_t slot = 0; slot < list.texts.size(); ++slot) {
        if (!is_live(list, slot)) continue;
        list.index->table[probe(list, list.texts[slot])] = static_cast<std::uint32_t>(slot + 1);
        ++list.index->table_used;
    }
}

// The slot of the live entry equal to `text`, if any.
std::optional<std::size_t> find(const TextList& list, std::string_view text) {
    if (!has_table(list)) {
        // A short list: at most SHORT_LIST entries.
        for (std::size_t slot = 0; slot < list.texts.size(); ++slot)
            if (list.texts[slot] == text && is_live(list, slot)) return slot;
        return std::nullopt;
    }
    const std::uint32_t entry = list.index->table[probe(list, text)];
    if (entry == 0) return std::nullopt;
    return entry - 1;
}

template <typename Text>
void append(TextList& list, Text&& text) {
    if (list.texts.size() >= std::numeric_limits<std::uint32_t>::max() - 1) throw std::length_error("attribute list too long");
    // Lists are mostly short: room for a few at once rather than growing one by one.
    if (list.texts.empty()) list.texts.reserve(4);
    list.texts.emplace_back(std::forward<Text>(text));
    if (!has_table(list)) {
        if (list.texts.size() > SHORT_LIST) rebuild(list);
        return;
    }
    auto& index = *list.index;
    if (2 * (index.table_used + 1) > index.table.size()) {
        rebuild(list);
        return;
    }
    const std::size_t slot = list.texts.size() - 1;
    index.table[probe(list, list.texts[slot])] = static_cast<std::uint32_t>(slot + 1);
    ++index.table_used;
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
    auto& removed = list.index->removed;
    if (removed.size() <= *slot) removed.resize(list.texts.size(), false);
    removed[*slot] = true;
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
