#include "segmenter_search.hpp"

#include <vector>

namespace brellin {

// Knuth-Morris-Pratt over the reversed texts: the first match from the end is the last one.
std::size_t last_occurrence(std::string_view haystack, std::string_view needle) {
    const std::size_t m = needle.size();
    if (m > haystack.size()) return std::string_view::npos;
    if (m == 0) return haystack.size();
    auto rn = [&](std::size_t i) { return needle[m - 1 - i]; };
    // fail[i]: length of the longest proper border of the first i + 1 reversed needle bytes.
    std::vector<std::size_t> fail(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && rn(i) != rn(k)) k = fail[k - 1];
        if (rn(i) == rn(k)) ++k;
        fail[i] = k;
    }
    const std::size_t n = haystack.size();
    for (std::size_t i = 0, k = 0; i < n; ++i) {
        const char c = haystack[n - 1 - i];
        while (k > 0 && c != rn(k)) k = fail[k - 1];
        if (c == rn(k)) ++k;
        if (k == m) return n - 1 - i;
    }
    return std::string_view::npos;
}

}  // namespace brellin
