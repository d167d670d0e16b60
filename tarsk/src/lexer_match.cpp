#include "lexer_match.hpp"

#include <map>
#include <stdexcept>
#include <vector>

#include "tarsk/text.hpp"

namespace tarsk {

namespace {

struct Terminal {
    std::uint8_t field;
    std::uint16_t slot;
};

// Every key of the lexicon, byte by byte. Node 0 is the root; its children are found through a
// table of the 256 first bytes, the others' through a short list of edges.
struct LexiconTrie {
    struct Node {
        std::uint32_t edges = 0;  // edges [edges, edges + edge_count)
        std::uint32_t terminals = 0;  // terminal_list [terminals, terminals + terminal_count)
        std::uint16_t edge_count = 0;
        std::uint16_t terminal_count = 0;
    };
    std::array<std::uint32_t, 256> root{};  // 0: no key starts with that byte
    std::vector<Node> nodes;
    std::vector<std::uint32_t> edges;  // target << 8 | byte
    std::vector<Terminal> terminal_list;

    // The child of `node` along `byte`, or 0.
    std::uint32_t child(std::uint32_t node, unsigned char byte) const {
        if (node == 0) return root[byte];
        const Node& n = nodes[node];
        // A node has at most one edge per byte value, and most have one or two.
        for (std::uint32_t e = n.edges; e < n.edges + n.edge_count; ++e)
            if ((edges[e] & 0xFF) == byte) return edges[e] >> 8;
        return 0;
    }
};

// Fields in the order of LexiconIndex, which numbers them 0..14.
std::array<std::vector<std::string_view>, LEXICON_FIELDS> field_keys(const Lexicon& lx) {
    return {lx.STANDARD_PREFIXES, lx.SIZE_KEYWORDS,     lx.COLOR_KEYWORDS,        lx.MATERIAL_KEYWORDS,
            lx.INTENT_PHRASES,    lx.PROTECTED_PHRASES, lx.AND_WORDS,             lx.OR_WORDS,
            lx.TO_WORDS,          map_keys(lx.COLOR_MAP), map_keys(lx.SIZE_MAP),  map_keys(lx.MATERIAL_MAP),
            map_keys(lx.GENDER_MAP), map_keys(lx.COUNTRY_MAP), map_keys(lx.UNIT_MAP)};
}

LexiconTrie build_trie(const Lexicon& lx) {
    struct Building {
        std::map<unsigned char, std::uint32_t> children;
        std::vector<Terminal> terminals;
    };
    std::vector<Building> tree(1);
    const auto fields = field_keys(lx);
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const auto& keys = fields[field];
        if (keys.size() > UINT16_MAX) throw std::length_error("too many lexicon keys");
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            const std::string_view key = keys[slot];
            if (key.empty()) throw std::logic_error("empty lexicon key");
            if (key.size() > UINT8_MAX) throw std::length_error("lexicon key too long");
            std::uint32_t node = 0;
            for (const char c : key) {  // each key once, byte by byte
                const auto [it, added] = tree[node].children.try_emplace(static_cast<unsigned char>(c),
                                                                         static_cast<std::uint32_t>(tree.size()));
                if (added) tree.emplace_back();
                if (tree.size() >= (std::uint32_t{1} << 24)) throw std::length_error("lexicon trie too large");
                node = it->second;
            }
            auto& terminals = tree[node].terminals;
            // A key listed twice in one field answers with its first place, as a scan of the list would.
            bool seen = false;
            for (const Terminal& t : terminals) seen = seen || t.field == field;
            if (!seen) terminals.push_back({static_cast<std::uint8_t>(field), static_cast<std::uint16_t>(slot)});
        }
    }
    LexiconTrie trie;
    trie.nodes.resize(tree.size());
    // Each node of the tree is flattened once.
    for (std::size_t id = 0; id < tree.size(); ++id) {
        auto& node = trie.nodes[id];
        node.edges = static_cast<std::uint32_t>(trie.edges.size());
        node.edge_count = static_cast<std::uint16_t>(tree[id].children.size());
        for (const auto& [byte, target] : tree[id].children) {
            trie.edges.push_back(target << 8 | byte);
            if (id == 0) trie.root[byte] = target;
        }
        node.terminals = static_cast<std::uint32_t>(trie.terminal_list.size());
        node.terminal_count = static_cast<std::uint16_t>(tree[id].terminals.size());
        trie.terminal_list.insert(trie.terminal_list.end(), tree[id].terminals.begin(), tree[id].terminals.end());
    }
    return trie;
}

const LexiconTrie& lexicon_trie() {
    static const LexiconTrie trie = build_trie(lexicon());
    return trie;
}

}  // namespace

std::array<bool, 128> make_ascii_white_space() {
    std::array<bool, 128> table{};
    for (char32_t c = 0; c < 128; ++c) table[c] = is_white_space(c);
    return table;
}

std::size_t non_ascii_white_space_at(std::string_view rest) {
    std::size_t len = 0;
    return is_white_space(decode_utf8(rest, 0, len)) ? len : 0;
}

bool is_boundary(std::string_view rest) {
    if (rest.empty()) return true;
    switch (rest[0]) {
        case '!': case ')': case ',': case '-': case '.': case '/': case '?':
            return true;
        default:
            return white_space_at(rest) != 0;
    }
}

const LexiconIndex& lexicon_index() {
    static const LexiconIndex index{{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}, {12}, {13}, {14}};
    return index;
}

LexiconHits lexicon_hits(std::string_view rest) {
    const LexiconTrie& trie = lexicon_trie();
    LexiconHits hits;
    std::uint32_t node = 0;
    // One trie edge per byte, and no path is longer than the longest key (at most 255 bytes, 20 in
    // the lexicon), so the walk reads at most that many bytes, plus one boundary character after
    // each key that ends on the way.
    for (std::size_t depth = 1; depth <= rest.size(); ++depth) {
        node = trie.child(node, static_cast<unsigned char>(rest[depth - 1]));
        if (node == 0) break;
        const LexiconTrie::Node& n = trie.nodes[node];
        if (n.terminal_count == 0) continue;
        const bool boundary = is_boundary(rest.substr(depth));
        const auto length = static_cast<std::uint8_t>(depth);
        for (std::uint32_t t = n.terminals; t < n.terminals + n.terminal_count; ++t) {
            const Terminal& term = trie.terminal_list[t];
            const std::uint32_t bit = std::uint32_t{1} << term.field;
            auto& first = hits.first_[term.field];
            if ((hits.first_mask_ & bit) == 0 || term.slot < first.slot) first = {term.slot, length};
            hits.first_mask_ |= bit;
            // Deeper keys are longer, so a later qualifying key replaces an earlier one.
            if (boundary) {
                hits.longest_[term.field] = {term.slot, length};
                hits.longest_mask_ |= bit;
            }
        }
    }
    return hits;
}

std::optional<KeyHit> longest_key(const KeyIndex& index, std::string_view rest) {
    return lexicon_hits(rest).longest(index);
}

std::optional<KeyHit> first_prefix(const KeyIndex& index, std::string_view rest) {
    return lexicon_hits(rest).first(index);
}

}  // namespace tarsk
