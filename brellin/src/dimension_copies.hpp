// Earlier copies of a dimension phrase, for "cut the first occurrence of the matched text".
//
// Where copies can be. A copy before the match failed only because a word character follows its
// unit (anywhere else it would have been the first match), so it ends on the last letter of a
// unit that needs \b, and its text is spacers then that unit. The text that ends at such an end
// and could hold a copy, its window, is the run of spacers before the unit's letters plus the
// letters; a copy of phrase P ends there exactly when the window ends with P.
//
// The index. Every end before the match is kept in a search tree ordered by its window read
// backwards, one node for each distinct window holding its ends in a heap by position; the
// windows that end with P are then one stretch of the order, and each node knows the first
// position in its subtree, so the first copy is one path down. Two windows are compared
// directly over the characters at hand (the letters and a short run, or at least eight), then by
// halving their common length with hashes of window ends, O(1) each (a long run keeps the hash
// of each of its prefixes, dimension_text.hpp). The tree is a treap whose priorities come from a
// per-process random key.
//
// Keeping it right. An end enters the tree once the scan has settled the text up to it (a
// pending heap holds ends until a match starts after them). A window only changes by a cut: the
// ends inside the cut leave the tree, and so do the unit ends just after it (at most six letters,
// after the run that follows the cut when that run joins spacers before the cut), whose windows
// reach back over the cut; they come back through the pending heap. So every end in the tree
// has the window it was placed with, and the order stays true.
//
// Bounds, with R the characters read, C the cuts, W the distinct windows in the tree and n the
// item's bytes; a comparison costs at most 22 characters read, then log n hash steps:
//   pending:    at most R + 6C entries (one per unit end read or recomputed, six per cut),
//               each pushed and popped once                                 O((R + 6C) log n)
//   placing:    each entry placed at most once, O(log W) comparisons         O((R + 6C) log W log n)
//   removals:   at most 7 + 6 per cut, O(log W) comparisons each            O(13 C log W log n)
//   the walk after a cut over the run that joins: once per spacer in all     O(n)
//   a search:   |P| to read the phrase, O(log W) comparisons, |P| to check   O(|P| + log W log n)
// and the stacks of prefix hashes cost at most two pushes per spacer (dimension_text.hpp). The
// treap's depth is O(log W) in expectation whatever the input, since its priorities come from a
// key the input cannot know. Memory: 8 bytes per spacer of a run with a stack; the tree 40 bytes
// per distinct window and one position per entry of its heaps; the pending heap one position
// per entry; one position per byte marks which node holds an end.
//
// Exactness. Equal texts have equal hashes, so a comparison can only go wrong when two different
// texts share a hash, which the random base makes unlikely (below n / 2^60 per comparison); the
// copy found is always checked byte by byte, and when that check fails the tree is read in full.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <queue>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "dimension_hash.hpp"
#include "dimension_text.hpp"

namespace brellin::dims {

template <class Index>
class CopyIndex {
public:
    static constexpr Index NIL = LinkedText<Index>::NIL;

    explicit CopyIndex(std::size_t n) : size_(n), key_(hash::process_key()) {}

    // `u` now ends a unit that needs \b; it is placed once the text before a match covers it.
    void log_end(Index u) { pending_.push(u); }

    // Called before the characters from `a` to `b` (widened) are cut: the ends among them leave
    // the tree, and so do the unit ends after the cut whose windows reach back over it.
    void before_cut(Index a, Index b, LinkedText<Index>& text) {
        for (Index y = a;; y = text.next(y)) {
            remove(y, text);
            if (y == b) break;
        }
        Index y = text.next(b);
        if (y != NIL && spacer(text.info(y))) {
            // The run after the cut keeps its windows unless spacers before the cut join it; the
            // join reads that run through anyway (dimension_text.hpp), so this walk adds as much.
            const Index l = text.prev(a);
            if (l == NIL || !spacer(text.info(l))) return;
            while (y != NIL && spacer(text.info(y))) y = text.next(y);
        }
        // A unit has at most six letters.
        for (int k = 0; k < 6 && y != NIL && unit_letter(text.info(y)); ++k, y = text.next(y)) {
            remove(y, text);
            pending_.push(y);
        }
    }

    struct Copy {
        Index first = NIL;
        Index last = NIL;
    };

    // The first copy of `phrase` that ends before position `before`, if any.
    Copy first(std::string_view phrase, Index before, LinkedText<Index>& text) {
        while (!pending_.empty() && pending_.top() < before) {
            const Index u = pending_.top();
            pending_.pop();
            if (text.alive(u) && bounded_unit(text.live(u)) && node_of(u) == NIL) insert(u, text);
        }
        const Phrase p(phrase);
        Index u = first_within(root_, p, text);
        if (u == NIL || u >= before) return {};
        if (const Index a = same_text(u, phrase, text); a != NIL) return {a, u};
        // Only two different texts with one hash lead here; the tree is read in full instead.
        u = first_by_reading(root_, phrase, text);
        if (u == NIL || u >= before) return {};
        return {same_text(u, phrase, text), u};
    }

private:
    static bool unit_letter(const CharInfo& c) { return c.kind == Kind::Letter && c.letter != 0; }

    // A sequence read backwards from its last character: its length, its i-th character from the
    // end, and the hash of its last k characters (in text order).
    struct Phrase {
        std::vector<std::uint32_t> chars;  // in text order
        std::vector<std::uint64_t> prefix{0};
        explicit Phrase(std::string_view s) {
            for (std::size_t i = 0; i < s.size();) {
                const std::size_t len = tarsk::utf8_length(static_cast<unsigned char>(s[i]));
                std::uint32_t c = 0;
                for (std::size_t k = 0; k < len && i + k < s.size(); ++k) c = (c << 8) | static_cast<unsigned char>(s[i + k]);
                chars.push_back(c);
                prefix.push_back(hash::push(prefix.back(), c));
                i += len;
            }
            count = chars.size();
        }
        std::size_t size() const { return chars.size(); }
        std::size_t count = 0;  // characters at hand: all of them
        std::uint32_t at(std::size_t i) const { return chars[chars.size() - 1 - i]; }
        std::uint64_t last(std::size_t k) const {
            return hash::sub(prefix.back(), hash::mul(prefix[chars.size() - k], hash::power(k)));
        }
    };

    // The window of an end: its unit letters, then the run of spacers before them, read
    // backwards. Letters and a short run are read through the links; a long run by its hashes.
    struct Window {
        static constexpr std::size_t NEAR = 6 + LinkedText<Index>::LONG;
        std::array<std::uint32_t, NEAR> near{};  // letters, then a short run's spacers
        std::size_t letters = 0;
        std::size_t count = 0;  // characters in `near`
        const typename LinkedText<Index>::Run* run = nullptr;

        Window(Index u, LinkedText<Index>& t) {
            Index y = u;
            for (; y != NIL && letters < 6 && unit_letter(t.info(y)); y = t.prev(y)) near[letters++] = t.symbol(y);
            count = letters;
            if (y == NIL || !spacer(t.info(y))) return;
            run = t.run_stack(y);
            if (run != nullptr) return;
            for (; y != NIL && count < NEAR && spacer(t.info(y)); y = t.prev(y)) near[count++] = t.symbol(y);
        }
        std::size_t spacers() const { return run == nullptr ? count - letters : run->cum.size(); }
        std::size_t size() const { return letters + spacers(); }
        std::uint64_t at(std::size_t i) const {
            return i < count ? near[i] : run->symbol(run->cum.size() - 1 - (i - letters));
        }
        // The hash of the first k of `near`, read backwards (so in text order).
        std::uint64_t near_hash(std::size_t k) const {
            std::uint64_t h = 0;
            for (std::size_t i = k; i-- > 0;) h = hash::push(h, near[i]);
            return h;
        }
        std::uint64_t last(std::size_t k) const {
            if (k <= count) return near_hash(k);
            const std::size_t m = k - letters;  // spacers at the long run's top
            const std::size_t d = run->cum.size();
            const std::uint64_t below = m == d ? 0 : hash::mul(run->cum[d - m - 1], hash::power(m));
            return hash::add(hash::mul(hash::sub(run->cum[d - 1], below), hash::power(letters)), near_hash(letters));
        }
    };

    // The number of characters two sequences read backwards have in common.
    template <class A, class B>
    static std::size_t common(const A& a, const B& b) {
        const std::size_t limit = std::min(a.size(), b.size());
        // Characters at hand (letters and short runs) are compared directly, at least eight.
        const std::size_t direct = std::min(limit, std::max<std::size_t>(8, std::min(a.count, b.count)));
        std::size_t k = 0;
        for (; k < direct; ++k) {
            if (a.at(k) != b.at(k)) return k;
        }
        // From here by halving: the first k agree; find the largest length whose hashes agree.
        std::size_t hi = limit;
        while (k < hi) {
            const std::size_t mid = k + (hi - k + 1) / 2;
            if (a.last(mid) == b.last(mid)) {
                k = mid;
            } else {
                hi = mid - 1;
            }
        }
        return k;
    }

    // -1, 0 or 1 as the first sequence read backwards comes before, equals or follows the second.
    template <class A, class B>
    static int order(const A& a, const B& b) {
        const std::size_t k = common(a, b);
        if (k == a.size() || k == b.size()) return k == a.size() ? (k == b.size() ? 0 : -1) : 1;
        return a.at(k) < b.at(k) ? -1 : 1;
    }

    // The tree: one node for each distinct window, holding the ends that have it in a heap by
    // position, and the first position in its subtree. A node's window is read at its first end.
    struct Node {
        Index left = NIL;
        Index right = NIL;
        Index first = NIL;
        Index held = 0;            // ends of this node in the tree
        std::vector<Index> ends;  // a min-heap; an end that has left (group_[u] differs) is dropped at the top
    };

    Index at(Index t) const { return nodes_[t].ends.front(); }

    std::uint64_t priority(Index t) const {
        std::uint64_t z = static_cast<std::uint64_t>(t) + key_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    void update(Index t) {
        Node& n = nodes_[t];
        n.first = at(t);
        if (n.left != NIL) n.first = std::min(n.first, nodes_[n.left].first);
        if (n.right != NIL) n.first = std::min(n.first, nodes_[n.right].first);
    }

    Index new_node() {
        if (!free_.empty()) {
            const Index t = free_.back();
            free_.pop_back();
            return t;
        }
        nodes_.emplace_back();
        return static_cast<Index>(nodes_.size() - 1);
    }

    void add(Index t, Index u) {
        std::vector<Index>& heap = nodes_[t].ends;
        heap.push_back(u);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
        ++nodes_[t].held;
        group_[u] = t;
    }

    void insert(Index u, LinkedText<Index>& text) {
        // Most items hold no unit that needs \b before a match: the array waits for the first.
        if (group_.empty()) group_.assign(size_, NIL);
        root_ = insert(root_, u, Window(u, text), text);
    }

    Index node_of(Index u) const { return group_.empty() ? NIL : group_[u]; }

    Index insert(Index t, Index u, const Window& w, LinkedText<Index>& text) {
        if (t == NIL) {
            t = new_node();
            add(t, u);
            update(t);
            return t;
        }
        const int c = order(w, Window(at(t), text));
        if (c == 0) {
            add(t, u);
        } else if (c < 0) {
            const Index l = insert(nodes_[t].left, u, w, text);
            nodes_[t].left = l;
            if (priority(l) > priority(t)) t = rotate_right(t);
        } else {
            const Index r = insert(nodes_[t].right, u, w, text);
            nodes_[t].right = r;
            if (priority(r) > priority(t)) t = rotate_left(t);
        }
        update(t);
        return t;
    }

    Index rotate_right(Index t) {
        const Index l = nodes_[t].left;
        nodes_[t].left = nodes_[l].right;
        nodes_[l].right = t;
        update(t);
        return l;
    }

    Index rotate_left(Index t) {
        const Index r = nodes_[t].right;
        nodes_[t].right = nodes_[r].left;
        nodes_[r].left = t;
        update(t);
        return r;
    }

    void remove(Index u, LinkedText<Index>& text) {
        if (node_of(u) == NIL) return;
        root_ = remove(root_, u, Window(u, text), text);
    }

    // Takes end `u`, whose window is `w`, out of its node; a node left empty leaves the tree.
    Index remove(Index t, Index u, const Window& w, LinkedText<Index>& text) {
        if (t == NIL) throw std::logic_error("an end held by the copy index is not in its tree");
        const int c = t == group_[u] ? 0 : order(w, Window(at(t), text));
        if (c == 0) {
            if (t != group_[u]) throw std::logic_error("an end held by the copy index is in another node");
            group_[u] = NIL;
            Node& n = nodes_[t];
            if (--n.held == 0) {
                const Index m = merge(n.left, n.right);
                n = Node{};
                free_.push_back(t);
                return m;
            }
            while (group_[n.ends.front()] != t) {
                std::pop_heap(n.ends.begin(), n.ends.end(), std::greater<>());
                n.ends.pop_back();
            }
        } else if (c < 0) {
            nodes_[t].left = remove(nodes_[t].left, u, w, text);
        } else {
            nodes_[t].right = remove(nodes_[t].right, u, w, text);
        }
        update(t);
        return t;
    }

    Index merge(Index a, Index b) {
        if (a == NIL) return b;
        if (b == NIL) return a;
        if (priority(a) > priority(b)) {
            nodes_[a].right = merge(nodes_[a].right, b);
            update(a);
            return a;
        }
        nodes_[b].left = merge(a, nodes_[b].left);
        update(b);
        return b;
    }

    // How node t's window stands to the phrase: before the ends that end with it, among them, after.
    enum class Place { Before, Within, After };
    Place place(Index t, const Phrase& p, LinkedText<Index>& text) const {
        const Window w(at(t), text);
        const std::size_t k = common(w, p);
        if (k == p.size()) return Place::Within;
        if (k == w.size()) return Place::Before;
        return w.at(k) < p.at(k) ? Place::Before : Place::After;
    }

    Index first_of(Index t) const { return t == NIL ? NIL : nodes_[t].first; }

    // The first position among the ends whose windows end with the phrase: they are one stretch
    // of the order, so one path down finds its two sides, each side taking whole subtrees.
    Index first_within(Index t, const Phrase& p, LinkedText<Index>& text) const {
        while (t != NIL) {
            switch (place(t, p, text)) {
                case Place::Before: t = nodes_[t].right; break;
                case Place::After: t = nodes_[t].left; break;
                case Place::Within:
                    return std::min({at(t), from_left(nodes_[t].left, p, text), from_right(nodes_[t].right, p, text)});
            }
        }
        return NIL;
    }

    // Within a subtree whose ends all come before the stretch's last one.
    Index from_left(Index t, const Phrase& p, LinkedText<Index>& text) const {
        Index best = NIL;
        while (t != NIL) {
            if (place(t, p, text) == Place::Within) {
                best = std::min({best, at(t), first_of(nodes_[t].right)});
                t = nodes_[t].left;
            } else {
                t = nodes_[t].right;
            }
        }
        return best;
    }

    // Within a subtree whose ends all come after the stretch's first one.
    Index from_right(Index t, const Phrase& p, LinkedText<Index>& text) const {
        Index best = NIL;
        while (t != NIL) {
            if (place(t, p, text) == Place::Within) {
                best = std::min({best, at(t), first_of(nodes_[t].left)});
                t = nodes_[t].right;
            } else {
                t = nodes_[t].left;
            }
        }
        return best;
    }

    Index first_by_reading(Index t, std::string_view phrase, LinkedText<Index>& text) const {
        if (t == NIL) return NIL;
        Index best = std::min(first_by_reading(nodes_[t].left, phrase, text), first_by_reading(nodes_[t].right, phrase, text));
        if (same_text(at(t), phrase, text) != NIL) best = std::min(best, at(t));
        return best;
    }

    // The first character of the text that ends at `u` and equals `phrase`, or NIL.
    static Index same_text(Index u, std::string_view phrase, LinkedText<Index>& text) {
        std::size_t i = phrase.size();
        for (Index y = u; y != NIL; y = text.prev(y)) {
            const std::string_view b = text.bytes(y);
            if (b.size() > i || phrase.substr(i - b.size(), b.size()) != b) return NIL;
            i -= b.size();
            if (i == 0) return y;
        }
        return NIL;
    }

    std::size_t size_;          // bytes of the item
    std::vector<Index> group_;  // the node that holds end u, or NIL; empty until the first is placed
    std::priority_queue<Index, std::vector<Index>, std::greater<>> pending_;
    std::vector<Node> nodes_;
    std::vector<Index> free_;
    Index root_ = NIL;
    std::uint64_t key_;
};

}  // namespace brellin::dims
