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

// Every key of the lexicon, byte by byte. An edge carries what the walk needs of the node it
// leads to (where that node's own edges lie, whether keys end there), so each byte of the text
// costs one search among a few edges. The root's edges are found through a table of the 256
// first bytes.
struct LexiconTrie {
    struct Edge {
        unsigned char byte = 0;
        bool ends_key = false;         // some key ends at the child
        std::uint16_t child_edge_count = 0;
        std::uint32_t child_edges = 0;  // edges [child_edges, child_edges + child_edge_count)
        std::uint32_t child = 0;        // 0: no edge (the root is nobody's child)
    };
    struct Terminals {
        std::uint32_t first = 0;  // terminal_list [first, first + count)
        std::uint32_t count = 0;
    };
    std::array<Edge, 256> root{};
    std::vector<Edge> edges;
    std::vector<Terminals> terminals;  // per node
    std::vector<Terminal> terminal_list;

    // The edge out of the node that `from` leads to along `byte`, or null.
    const Edge* next(const Edge& from, unsigned char byte) const {
        // A node has at most one edge per byte value, and most have one or two.
        const Edge* const end = edges.data() + from.child_edges + from.child_edge_count;
        for (const Edge* e = edges.data() + from.child_edges; e != end; ++e)
            if (e->byte == byte) return e;
        return nullptr;
    }
};

LexiconTrie build_trie(const Lexicon& lx) {
    struct Building {
        std::map<unsigned char, std::uint32_t> children;
        std::vector<Terminal> terminals;
    };
    std::vector<Building> tree(1);
    const std::vector<LexiconField> fields = lexicon_fields(lx);
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const auto& keys = fields[field].keys;
        if (keys.size() > UINT16_MAX) throw std::length_error("too many lexicon keys");
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            const std::string_view key = keys[slot];
            if (key.empty()) throw std::logic_error("empty lexicon key");
            if (key.size() > UINT8_MAX) throw std::length_error("lexicon key too long");
            std::uint32_t node = 0;
            for (const char c : key) {  // each key once, byte by byte
                const auto [it, added] = tree[node].children.try_emplace(static_cast<unsigned char>(c),
                                                                         static_cast<std::uint32_t>(tree.size()));
                node = it->second;
                if (added) tree.emplace_back();
            }
            auto& terminals = tree[node].terminals;
            // A key listed twice in one field answers with its first place, as a scan of the list would.
            bool seen = false;
            for (const Terminal& t : terminals) seen = seen || t.field == field;
            if (!seen) terminals.push_back({static_cast<std::uint8_t>(field), static_cast<std::uint16_t>(slot)});
        }
    }
    LexiconTrie trie;
    trie.terminals.resize(tree.size());
    // Each node's edges and keys are laid out once: its edges sit together in node order.
    std::vector<std::uint32_t> first_edge(tree.size());
    std::uint32_t edge_total = 0;
    for (std::size_t id = 0; id < tree.size(); ++id) {
        first_edge[id] = edge_total;
        edge_total += static_cast<std::uint32_t>(tree[id].children.size());
        trie.terminals[id] = {static_cast<std::uint32_t>(trie.terminal_list.size()),
                              static_cast<std::uint32_t>(tree[id].terminals.size())};
        trie.terminal_list.insert(trie.terminal_list.end(), tree[id].terminals.begin(), tree[id].terminals.end());
    }
    for (std::size_t id = 0; id < tree.size(); ++id) {
        for (const auto& [byte, target] : tree[id].children) {
            const LexiconTrie::Edge edge{byte, !tree[target].terminals.empty(),
                                         static_cast<std::uint16_t>(tree[target].children.size()), first_edge[target],
                                         target};
            if (id == 0) trie.root[byte] = edge;
            trie.edges.push_back(edge);
        }
    }
    return trie;
}

// Every key that ends `depth` bytes into `rest`, at `node`.
void record_keys(const LexiconTrie& trie, std::uint32_t node, std::string_view rest, std::size_t depth,
                 LexiconHits& hits) {
    const bool boundary = is_boundary(rest.substr(depth));
    const auto [first, count] = trie.terminals[node];
    // A key ends at a node at most once per field: at most 15 entries.
    for (std::uint32_t t = first; t < first + count; ++t) {
        const Terminal& term = trie.terminal_list[t];
        hits.record(term.field, term.slot, static_cast<std::uint8_t>(depth), boundary);
    }
}

const LexiconTrie& lexicon_trie() {
    static const LexiconTrie trie = build_trie(lexicon());
    return trie;
}

}  // namespace

void find_lexicon_hits(std::string_view rest, LexiconHits& hits) {
    hits.clear();
    if (rest.empty()) return;
    const LexiconTrie& trie = lexicon_trie();
    const LexiconTrie::Edge* edge = &trie.root[static_cast<unsigned char>(rest[0])];
    if (edge->child == 0) return;
    // One edge per byte, and no path is longer than the longest key (at most 255 bytes, 20 in the
    // lexicon), so the walk reads at most that many bytes, plus one boundary character after each
    // key that ends on the way.
    for (std::size_t depth = 1;; ++depth) {
        if (edge->ends_key) record_keys(trie, edge->child, rest, depth, hits);
        if (depth == rest.size()) return;
        edge = trie.next(*edge, static_cast<unsigned char>(rest[depth]));
        if (edge == nullptr) return;
    }
}

LexiconHits lexicon_hits(std::string_view rest) {
    LexiconHits hits;
    find_lexicon_hits(rest, hits);
    return hits;
}

std::optional<KeyHit> longest_key(KeyIndex index, std::string_view rest) {
    return lexicon_hits(rest).longest(index);
}

std::optional<KeyHit> first_prefix(KeyIndex index, std::string_view rest) {
    return lexicon_hits(rest).first(index);
}

}  // namespace tarsk
