#include "occurrence.hpp"

#include <string>
#include <vector>

namespace brellin {

namespace {

// Knuth-Morris-Pratt over `n` hay bytes and `m` needle bytes read through `hay(i)` and
// `needle(i)`, so that one search serves both directions: calls `found(i)` with the hay index of
// the last byte of every occurrence, overlapping ones included, until it returns false.
// The border loop moves k up at most once per needle byte and down at most as often, so it
// makes at most 2m comparisons; the scan likewise makes at most 2n.
template <typename Hay, typename Needle, typename Found>
void each_occurrence(std::size_t n, Hay hay, std::size_t m, Needle needle, Found found) {
    std::vector<std::size_t> border(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && needle(i) != needle(k)) k = border[k - 1];
        if (needle(i) == needle(k)) ++k;
        border[i] = k;
    }
    for (std::size_t i = 0, k = 0; i < n; ++i) {
        const char c = hay(i);
        while (k > 0 && c != needle(k)) k = border[k - 1];
        if (c == needle(k)) ++k;
        if (k == m) {
            if (!found(i)) return;
            k = border[k - 1];
        }
    }
}

}  // namespace

std::size_t first_occurrence(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    const std::string_view rest = hay.substr(from);
    std::size_t at = std::string_view::npos;
    each_occurrence(
        rest.size(), [&](std::size_t i) { return rest[i]; }, needle.size(),
        [&](std::size_t i) { return needle[i]; },
        [&](std::size_t last) {
            at = from + last + 1 - needle.size();
            return false;
        });
    return at;
}

std::size_t last_occurrence(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return hay.size();
    // Both texts read backwards: the first occurrence met is the last one, and its start is the
    // hay index where the reversed match completes.
    const std::string_view rest = hay.substr(from);
    const std::size_t n = rest.size();
    const std::size_t m = needle.size();
    std::size_t at = std::string_view::npos;
    each_occurrence(
        n, [&](std::size_t i) { return rest[n - 1 - i]; }, m, [&](std::size_t i) { return needle[m - 1 - i]; },
        [&](std::size_t last) {
            at = from + (n - 1 - last);
            return false;
        });
    return at;
}

}  // namespace brellin
