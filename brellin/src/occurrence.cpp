#include "occurrence.hpp"

#include <stdexcept>
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

namespace {

// The child of `node` along byte `c`, or 0 (the root is nobody's child).
std::uint32_t child_of(const NeedleTrie& trie, std::uint32_t node, char c) {
    // A node has at most one edge per byte, and the tables give few per node.
    for (const auto& [byte, to] : trie.nodes[node].next)
        if (byte == c) return to;
    return 0;
}

}  // namespace

NeedleTrie make_needle_trie(const std::vector<std::string>& needles) {
    NeedleTrie trie;
    trie.nodes.emplace_back();
    trie.needles = needles.size();
    // Built once per table: each byte of each needle once.
    for (std::size_t id = 0; id < needles.size(); ++id) {
        if (needles[id].empty()) throw std::logic_error("empty needle");
        trie.starts[static_cast<unsigned char>(needles[id][0])] = true;
        std::uint32_t node = 0;
        for (const char c : needles[id]) {
            std::uint32_t child = child_of(trie, node, c);
            if (child == 0) {
                child = static_cast<std::uint32_t>(trie.nodes.size());
                trie.nodes[node].next.emplace_back(c, child);
                trie.nodes.emplace_back();
            }
            node = child;
        }
        trie.nodes[node].ends.push_back(static_cast<std::uint32_t>(id));
    }
    return trie;
}

std::vector<std::size_t> first_occurrences(const NeedleTrie& trie, std::string_view hay) {
    std::vector<std::size_t> first(trie.needles, std::string_view::npos);
    // From each position the trie is walked at most as deep as the longest needle, so each byte
    // is read at most that many times (once per start position within reach of it).
    for (std::size_t start = 0; start < hay.size(); ++start) {
        if (!trie.starts[static_cast<unsigned char>(hay[start])]) continue;
        std::uint32_t node = 0;
        for (std::size_t i = start; i < hay.size(); ++i) {
            const std::uint32_t child = child_of(trie, node, hay[i]);
            if (child == 0) break;
            node = child;
            for (const std::uint32_t id : trie.nodes[node].ends)
                if (first[id] == std::string_view::npos) first[id] = start;
        }
    }
    return first;
}

}  // namespace brellin
