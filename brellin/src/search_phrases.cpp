#include "brellin/search_phrases.hpp"

#include "tarsk/number.hpp"
#include "tarsk/text.hpp"
#include "text_join.hpp"

namespace brellin {

namespace {

std::string chunk_phrase(const std::optional<std::string>& prefix, const tarsk::Group& group,
                         const tarsk::Chunk& chunk) {
    // Parts are joined by one blank even when the chunk text is empty; trimming then
    // removes what an empty part left at either end.
    std::string phrase;
    if (prefix) {
        phrase += *prefix;
        phrase += ' ';
    }
    phrase += chunk.text;
    // Six lists, each copied once into this phrase.
    for (const auto* list : {&group.colors, &group.materials, &group.sizes, &group.genders,
                             &group.specs, &group.ambiguous}) {
        if (list->empty()) continue;
        phrase += ' ';
        append_joined(phrase, *list, " ");
    }
    return std::string(tarsk::trim(phrase));
}

std::string quantity_phrase(const std::string& prefix, const tarsk::Group& group) {
    std::string phrase = prefix;
    // Three lists, each copied once.
    for (const auto* list : {&group.colors, &group.materials, &group.sizes}) {
        if (list->empty()) continue;
        phrase += ' ';
        append_joined(phrase, *list, " ");
    }
    return phrase;
}

}  // namespace

std::optional<std::string> query_prefix(const tarsk::Group& group) {
    if (!group.qty) return std::nullopt;
    std::string number = tarsk::format_number(*group.qty, 2);
    if (group.qty_max) {
        number += '-';
        number += tarsk::format_number(*group.qty_max, 2);
    }
    if (!group.uom) return number;
    return number + ' ' + *group.uom;
}

// Every chunk's phrase repeats its group's lists, and every phrase the dimensions, so the result
// is up to (chunks x (specs + dims)) long: the work is bounded by the size of what it returns,
// which is why a caller that never reads the phrases skips them.
std::vector<std::string> build_queries(const std::vector<tarsk::Group>& groups,
                                       const std::vector<std::string>& dims) {
    std::vector<std::string> phrases;
    // Each group and chunk once; each phrase is built and then extended once.
    for (const auto& group : groups) {
        const auto prefix = query_prefix(group);
        if (!group.chunks.empty()) {
            for (const auto& chunk : group.chunks) phrases.push_back(chunk_phrase(prefix, group, chunk));
        } else if (prefix) {
            phrases.push_back(quantity_phrase(*prefix, group));
        }
    }
    if (!dims.empty() && !phrases.empty()) {
        std::string tail = " ";
        append_joined(tail, dims, " ");
        for (auto& phrase : phrases) phrase += tail;
    }
    return phrases;
}

}  // namespace brellin
