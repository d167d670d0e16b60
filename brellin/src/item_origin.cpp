#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "brellin/item_normalizer.hpp"
#include "item_prechecks.hpp"
#include "item_steps.hpp"
#include "item_tables.hpp"
#include "lower_case.hpp"
#include "occurrence.hpp"
#include "tarsk/text.hpp"
#include "patterns.hpp"

namespace brellin {

namespace {

constexpr auto npos = std::string_view::npos;

// Each strategy looks for the first occurrence of every text of its table (a key or name with
// "(", "," or ", " around it, 17 bytes at the most) in one pass over the copy, through a trie
// built once: each byte is read at most 17 times, not once per table entry. The first entry in
// table order that occurs then decides, as a search per entry would.

// The Vietnamese keys, in table order.
const NeedleTrie& vi_keys() {
    static const NeedleTrie trie = [] {
        std::vector<std::string> needles;
        for (const auto& [key, english] : VI_COUNTRY_MAP) needles.emplace_back(key);
        return make_needle_trie(needles);
    }();
    return trie;
}

// "(" + key + "," then "(" + key + ")" for each Vietnamese key, in table order.
const NeedleTrie& parenthesised_keys() {
    static const NeedleTrie trie = [] {
        std::vector<std::string> needles;
        for (const auto& [key, english] : VI_COUNTRY_MAP) {
            needles.push_back(std::string("(").append(key).append(","));
            needles.push_back(std::string("(").append(key).append(")"));
        }
        return make_needle_trie(needles);
    }();
    return trie;
}

// ", " + name then "(" + name for each English name, in table order.
const NeedleTrie& english_names() {
    static const NeedleTrie trie = [] {
        std::vector<std::string> needles;
        for (const std::string_view name : EN_COUNTRIES) {
            needles.push_back(std::string(", ").append(name));
            needles.push_back(std::string("(").append(name));
        }
        return make_needle_trie(needles);
    }();
    return trie;
}

// "xuất xứ <phrase>": the country comes from any key anywhere in the item, else the phrase.
bool origin_phrase(std::string& working, std::string_view lowered, NormalizedItem& item) {
    const auto m = pattern(Pat::ORIGIN_VI_RE).find(lowered);
    if (!m) return false;
    std::optional<std::string> origin;
    const std::vector<std::size_t> found = first_occurrences(vi_keys(), lowered);
    // 18 table entries, in order.
    for (std::size_t k = 0; k < VI_COUNTRY_MAP.size(); ++k) {
        if (found[k] != npos) {
            origin = std::string(VI_COUNTRY_MAP[k].second);
            break;
        }
    }
    item.origin = origin ? *origin : capitalize_first(tarsk::trim(m->str(lowered, 1)));
    working = cut_span(working, lowered, m->start(), m->end());
    return true;
}

// "(key, rest)": the country goes, the rest of the parenthesis stays. One walk to carry the span
// over, one scan for ")", one trim of what lies between, one replace.
void cut_country_before_comma(std::string& working, std::string_view lowered, std::size_t at, std::size_t len) {
    const CarriedSpan span = carry_span(working, lowered, at, at + len);
    const std::size_t close = working.find(')', span.end);
    if (close == npos) {
        working.erase(span.start, span.end - span.start);
        return;
    }
    const std::string_view inside = tarsk::trim(std::string_view(working).substr(span.end, close - span.end));
    std::string kept;
    if (!inside.empty() && inside != ",") {
        std::string_view rest = inside;
        // Each leading comma is dropped once.
        while (!rest.empty() && rest.front() == ',') rest.remove_prefix(1);
        kept = std::string("(").append(tarsk::trim(rest)).append(")");
    }
    working.replace(span.start, close + 1 - span.start, kept);
}

bool parenthesised_country(std::string& working, std::string_view lowered, NormalizedItem& item) {
    const std::vector<std::size_t> found = first_occurrences(parenthesised_keys(), lowered);
    // 18 table entries, two texts each; the first found ends the loop with one cut.
    for (std::size_t k = 0; k < VI_COUNTRY_MAP.size(); ++k) {
        const auto& [key, english] = VI_COUNTRY_MAP[k];
        const std::size_t len = key.size() + 2;  // "(", the key, and "," or ")"
        if (const std::size_t at = found[2 * k]; at != npos) {
            item.origin = std::string(english);
            cut_country_before_comma(working, lowered, at, len);
            return true;
        }
        if (const std::size_t at = found[2 * k + 1]; at != npos) {
            item.origin = std::string(english);
            working = cut_span(working, lowered, at, at + len);
            return true;
        }
    }
    return false;
}

// The occurrence counts only where no letter or digit follows it.
bool stands_alone(std::string_view lowered, std::size_t end) {
    if (end >= lowered.size()) return true;
    std::size_t len = 0;
    const char32_t next = tarsk::decode_utf8(lowered, end, len);
    return !tarsk::is_alphabetic(next) && !tarsk::is_numeric(next);
}

bool english_country(std::string& working, std::string_view lowered, NormalizedItem& item) {
    const std::vector<std::size_t> found = first_occurrences(english_names(), lowered);
    // 22 table entries, two texts each; only a text's first occurrence is judged, by the one
    // character after it, and the first accepted one ends the loop with one cut.
    for (std::size_t k = 0; k < EN_COUNTRIES.size(); ++k) {
        const std::string_view name = EN_COUNTRIES[k];
        // Start and length of ", " + name, then of "(" + name.
        const std::pair<std::size_t, std::size_t> texts[] = {{found[2 * k], name.size() + 2},
                                                             {found[2 * k + 1], name.size() + 1}};
        for (const auto& [at, len] : texts) {
            if (at == npos || !stands_alone(lowered, at + len)) continue;
            item.origin = capitalize_first(name);
            working = cut_span(working, lowered, at, at + len);
            return true;
        }
    }
    return false;
}

}  // namespace

// One lower-cased copy shared by the three strategies, at most one pattern search and three trie
// passes over it, and at most one cut: the first strategy that applies returns.
void take_origin(std::string& working, NormalizedItem& item) {
    if (!may_name_origin(working)) return;
    const std::string lowered = lower_copy(working);
    if (origin_phrase(working, lowered, item)) return;
    if (parenthesised_country(working, lowered, item)) return;
    english_country(working, lowered, item);
}

}  // namespace brellin
