#include "parser_text_list.hpp"

#include <utility>

namespace tarsk {

void push_unique(TextList& list, std::string_view text) {
    if (list.index.contains(text)) return;
    const std::string& stored = list.texts.emplace_back(text);
    list.live.push_back(true);
    list.index.emplace(stored, list.texts.size() - 1);
}

void remove_text(TextList& list, std::string_view text) {
    const auto it = list.index.find(text);
    if (it == list.index.end()) return;
    list.live[it->second] = false;
    list.index.erase(it);
}

std::vector<std::string> take_texts(TextList&& list) {
    std::vector<std::string> out;
    out.reserve(list.index.size());
    list.index.clear();  // its keys point into the texts about to move
    // Each stored text is moved once.
    for (std::size_t i = 0; i < list.texts.size(); ++i)
        if (list.live[i]) out.push_back(std::move(list.texts[i]));
    return out;
}

}  // namespace tarsk
