// An attribute list of distinct texts in the order they were added. Short lists, the usual
// case, are searched entry by entry; a list that outgrows that gets an ordered set of its slots,
// so that a query with many distinct numbers or standards, however chosen, stays near linear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tarsk {

struct TextList {
    // Removed entries stay in place, marked in the index, so removal never shifts the others (a
    // removed text added again takes a new place at the end).
    std::vector<std::string> texts;

    // Orders slot numbers by their texts, bytes compared as unsigned. It reaches the texts through
    // the index's pointer to the vector, never a pointer into a string, so the vector may grow.
    struct SlotOrder {
        using is_transparent = void;
        const std::vector<std::string>* const* texts;
        bool operator()(std::uint32_t a, std::uint32_t b) const;
        bool operator()(std::uint32_t a, std::string_view b) const;
        bool operator()(std::string_view a, std::uint32_t b) const;
    };

    struct Index {
        Index() = default;
        Index(const Index&) = delete;  // `live` points at `texts` below
        Index& operator=(const Index&) = delete;
        // removed[slot] for slots below its size.
        std::vector<bool> removed;
        // The list's vector, set again by every operation: the list itself may have moved.
        const std::vector<std::string>* texts = nullptr;
        // The live slots ordered by text; empty while the list is short.
        std::set<std::uint32_t, SlotOrder> live{SlotOrder{&texts}};
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
