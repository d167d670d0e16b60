#include "occurrence.hpp"

#include <string>
#include <vector>

namespace brellin {

namespace {

// Knuth-Morris-Pratt over hay[from..]: calls `found(start)` for every occurrence, overlapping
// ones included, until it returns false.
template <typename Found>
void each_occurrence(std::string_view hay, std::string_view needle, std::size_t from, Found found) {
    const std::size_t m = needle.size();
    std::vector<std::size_t> border(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && needle[i] != needle[k]) k = border[k - 1];
        if (needle[i] == needle[k]) ++k;
        border[i] = k;
    }
    for (std::size_t i = from, k = 0; i < hay.size(); ++i) {
        while (k > 0 && hay[i] != needle[k]) k = border[k - 1];
        if (hay[i] == needle[k]) ++k;
        if (k == m) {
            if (!found(i + 1 - m)) return;
            k = border[k - 1];
        }
    }
}

}  // namespace

std::size_t first_occurrence(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    std::size_t at = std::string_view::npos;
    each_occurrence(hay, needle, from, [&](std::size_t s) {
        at = s;
        return false;
    });
    return at;
}

std::size_t last_occurrence(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return hay.size();
    std::size_t at = std::string_view::npos;
    each_occurrence(hay, needle, from, [&](std::size_t s) {
        at = s;
        return true;
    });
    return at;
}

}  // namespace brellin
