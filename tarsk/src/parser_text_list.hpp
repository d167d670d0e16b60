// An attribute list of distinct texts in the order they were added. Short lists, the usual
// case, are searched entry by entry; a list that outgrows that gets a hash index of its slots,
// so that a query with many distinct numbers or standards stays linear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarsk {

struct TextList {
    // Removed entries stay in place, marked in the index, so removal never shifts the others (a
    // removed text added again takes a new place at the end).
    std::vector<std::string> texts;
    struct Index {
        // removed[slot] for slots below its size.
        std::vector<bool> removed;
        // Open addressing over the live slots; empty while the list is short.
        std::vector<std::uint32_t> table;
        std::size_t table_used = 0;  // cells that are not empty

    };
    // Made by the first removal or when the list outgrows a short search; most lists never need it.
    std::unique_ptr<Index> index;
};

// Appends the text unless a byte-equal text is already present.
void push_unique(TextList& list, std::string_view text);
void push_unique(TextList& list, std::string&& text);
// Removes the byte-equal entry, if any; the others keep their order.
void remove_text(TextList& list, std::string_view text);
// The live texts, in order.
std::vector<std::string> take_texts(TextList&& list);

}  // namespace tarsk
