// Linear-time searches for a literal text (the matched phrases may be long and repetitive, and
// std::string_view::find and rfind compare up to the whole needle at every position).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brellin {

// Start of the last occurrence of `needle` in `hay` at or after `from`; npos when none (as
// rfind, an empty needle is found at the end). Searches from the end and stops at the first hit.
std::size_t last_occurrence(std::string_view hay, std::string_view needle, std::size_t from = 0);

// A fixed set of short texts, as a trie, so that one pass finds the first occurrence of each
// (instead of one search of the whole text per entry of a table).
struct NeedleTrie {
    struct Node {
        std::vector<std::pair<char, std::uint32_t>> next;  // byte -> child node
        std::vector<std::uint32_t> ends;                    // needles that end here
    };
    std::vector<Node> nodes;          // nodes[0] is the root
    std::array<bool, 256> starts{};  // bytes that some needle begins with
    std::size_t needles = 0;
};

// Needles must not be empty.
NeedleTrie make_needle_trie(const std::vector<std::string>& needles);
// Start of the first occurrence of each needle in `hay`, in the order the trie was made from;
// npos where a needle does not occur.
std::vector<std::size_t> first_occurrences(const NeedleTrie& trie, std::string_view hay);

}  // namespace brellin
