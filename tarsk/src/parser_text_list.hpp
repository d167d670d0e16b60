// An attribute list of distinct texts in the order they were added, with constant-time
// membership so that a query with many distinct numbers or standards stays linear.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarsk {

struct TextList {
    // A deque never moves its elements, so the index can refer to the stored texts. Removed
    // entries stay in place, marked not live, so removal never shifts the others.
    std::deque<std::string> texts;
    std::vector<bool> live;
    std::unordered_map<std::string_view, std::size_t> index;  // live text -> slot
};

// Appends the text unless a byte-equal text is already present.
void push_unique(TextList& list, std::string_view text);
// Removes the byte-equal entry, if any; the others keep their order.
void remove_text(TextList& list, std::string_view text);
// The live texts, in order.
std::vector<std::string> take_texts(TextList&& list);

}  // namespace tarsk
