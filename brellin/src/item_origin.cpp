#include <optional>
#include <string>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"
#include "item_tables.hpp"
#include "lower_case.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

constexpr auto npos = std::string_view::npos;

// Every search below looks for a fixed text of at most 17 bytes (a table key with "(", "," or
// ", " around it), so one search compares each byte of the copy at most 17 times. The tables fix
// the number of searches: at most 18 in A, 36 in B and 44 in C, whatever the text.

// "xuất xứ <phrase>": the country comes from any key anywhere in the item, else the phrase.
bool origin_phrase(std::string& working, std::string_view lowered, NormalizedItem& item) {
    const auto m = ORIGIN_VI_RE().find(lowered);
    if (!m) return false;
    std::optional<std::string> origin;
    // At most 18 searches of the whole copy, one per key.
    for (const auto& [key, english] : VI_COUNTRY_MAP) {
        if (lowered.find(key) != npos) {
            origin = std::string(english);
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
    LowerLengths lengths;
    const CarriedSpan span = carry_span(working, lowered, at, at + len, lengths);
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
        kept = "(" + std::string(tarsk::trim(rest)) + ")";
    }
    working.replace(span.start, close + 1 - span.start, kept);
}

bool parenthesised_country(std::string& working, std::string_view lowered, NormalizedItem& item) {
    // Two searches of the whole copy per key, at most 36; the first hit ends the loop with one cut.
    for (const auto& [key, english] : VI_COUNTRY_MAP) {
        const std::string with_comma = "(" + std::string(key) + ",";
        const std::string closed = "(" + std::string(key) + ")";
        if (const std::size_t at = lowered.find(with_comma); at != npos) {
            item.origin = std::string(english);
            cut_country_before_comma(working, lowered, at, with_comma.size());
            return true;
        }
        if (const std::size_t at = lowered.find(closed); at != npos) {
            item.origin = std::string(english);
            working = cut_span(working, lowered, at, at + closed.size());
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
    // Two searches of the whole copy per name, at most 44; an occurrence is judged by the one
    // character after it, and the first accepted one ends the loop with one cut.
    for (const std::string_view name : EN_COUNTRIES) {
        for (const std::string& pattern : {", " + std::string(name), "(" + std::string(name)}) {
            const std::size_t at = lowered.find(pattern);
            if (at == npos || !stands_alone(lowered, at + pattern.size())) continue;
            item.origin = capitalize_first(name);
            working = cut_span(working, lowered, at, at + pattern.size());
            return true;
        }
    }
    return false;
}

}  // namespace

// One lower-cased copy shared by the three strategies, a fixed number of searches of it, and at
// most one cut: the first strategy that applies returns.
void take_origin(std::string& working, NormalizedItem& item) {
    const std::string lowered = tarsk::to_lower(working);
    if (origin_phrase(working, lowered, item)) return;
    if (parenthesised_country(working, lowered, item)) return;
    english_country(working, lowered, item);
}

}  // namespace brellin
