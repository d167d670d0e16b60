// Earlier copies of a dimension phrase, for "cut the first occurrence of the matched text".
//
// The first occurrence of a matched phrase is the match itself unless the same text stands
// earlier followed by a word character, which fails the \b after its unit (anywhere else the
// copy would have been the first match). A copy therefore ends on the last letter of a unit
// whose attempt is live there: a character whose live set is a unit node that needs \b. Such
// characters are logged when their live set is written, and again after every cut for the few
// just after it, since copies ending there may then start before the cut (across spacers, or
// across the letters of a unit spelled from both sides) even where the live sets stay the same.
//
// Lookup by length: a phrase of n bytes can only equal the last n bytes before a logged end.
// Each logged end is classed once by how many bytes of unit letters and spacers end there
// (counted up to 16). For each length asked for, the ends of the classes with room for it are
// read once; each is hashed over its last n bytes (n bytes read) and kept by hash in a heap
// ordered by position. Every hit is checked byte by byte before it counts, so a stale or
// colliding entry costs one comparison and is dropped. The price of a length is thus the ends
// with room for it: a length of 16 or more reads only ends with at least 16 such bytes before
// them, whose stretches do not overlap, so at most one per 16 bytes of the text; their hashes
// are kept as far back as the longest length asked, so each further length costs one look-up
// per end, and each byte before an end is hashed once for it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "dimension_text.hpp"

namespace brellin::dims {

class PhraseHash {
public:
    static std::uint64_t of(std::string_view s) {
        std::uint64_t h = 0;
        for (const char c : s) h = add(mul(h, base()), static_cast<unsigned char>(c));
        return h;
    }
    // Builds the same value from the last byte backwards.
    struct Backwards {
        std::uint64_t h = 0;
        std::uint64_t power = 1;
        void push_front(unsigned char c) {
            h = add(h, mul(c, power));
            power = mul(power, base());
        }
    };

private:
    static constexpr std::uint64_t P = (std::uint64_t{1} << 61) - 1;
    // Seeded per process: the result never depends on it, only the number of collisions does.
    static std::uint64_t base() {
        static const std::uint64_t b = [] {
            std::random_device rd;
            return ((static_cast<std::uint64_t>(rd()) << 32) | rd()) % (P - 1024) + 512;
        }();
        return b;
    }
    static std::uint64_t add(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t s = a + b;
        return s >= P ? s - P : s;
    }
    static std::uint64_t mul(std::uint64_t a, std::uint64_t b) {
        const __uint128_t r = static_cast<__uint128_t>(a) * b;
        const std::uint64_t s = static_cast<std::uint64_t>(r & P) + static_cast<std::uint64_t>(r >> 61);
        return s >= P ? s - P : s;
    }
};

template <class Index>
class CopyIndex {
public:
    static constexpr Index NIL = LinkedText<Index>::NIL;

    void log_end(Index u) { logged_.push_back({u, false}); }
    // A cut ended just before `right`: the unit ends after right's run of spacers (or among the
    // letters from right on) may now hold other copies.
    void log_join(Index right) { logged_.push_back({right, true}); }

    struct Copy {
        Index first = NIL;
        Index last = NIL;
    };

    // The first copy of `phrase` that ends before position `before`, if any.
    Copy first(std::string_view phrase, Index before, LinkedText<Index>& text) {
        classify(text);
        const std::size_t n = phrase.size();
        Level& level = levels_[n];
        // Only the classes of ends with room for n bytes: a long phrase never reads the many
        // short ends, so each end is hashed for a length at most as long as its room.
        for (std::size_t c = std::min(n, LONG); c <= LONG; ++c) {
            for (; level.read[c] < classes_[c].size(); ++level.read[c]) keep(classes_[c][level.read[c]], n, level, text);
        }
        const auto it = level.ends.find(PhraseHash::of(phrase));
        if (it == level.ends.end()) return {};
        std::vector<Index>& heap = it->second;
        while (!heap.empty() && heap.front() < before) {
            const Index u = heap.front();
            if (text.alive(u)) {
                if (const Index a = same_text(u, phrase, text); a != NIL) return {a, u};
            }
            std::pop_heap(heap.begin(), heap.end(), std::greater<>());
            heap.pop_back();
        }
        return {};
    }

private:
    // Ends are classed by the bytes of unit letters and spacers that end there, counted up to
    // LONG; class LONG holds all with at least that many.
    static constexpr std::size_t LONG = 16;

    struct Logged {
        Index at;
        bool join;
    };
    struct Level {
        std::array<std::size_t, LONG + 1> read{};  // ends of each class taken into `ends`
        std::unordered_map<std::uint64_t, std::vector<Index>> ends;
    };

    // Each logged end, or each unit end after a joined run, is classed once (at most LONG bytes read).
    void classify(LinkedText<Index>& text) {
        for (; classified_ < logged_.size(); ++classified_) {
            const Logged e = logged_[classified_];
            if (!text.alive(e.at)) continue;
            if (!e.join) {
                place(e.at, text);
                continue;
            }
            // The unit letters after the joined run of spacers (at most six); the text before
            // them has changed, so their hashes are made again.
            Index y = spacer(text.info(e.at)) ? text.next(text.run_end(e.at)) : e.at;
            for (int k = 0; k < 6 && y != NIL; ++k, y = text.next(y)) {
                const CharInfo c = text.info(y);
                if (c.kind != Kind::Letter || c.letter == 0) break;
                suffixes_.erase(y);
                place(y, text);
            }
        }
    }

    void place(Index u, const LinkedText<Index>& text) {
        if (!bounded_unit(text.live(u))) return;
        // Up to three bytes past LONG, so that a character of several bytes standing across
        // LONG still counts: a walk cut short by that limit has read LONG bytes or more.
        std::size_t room = 0;
        last_bytes(u, LONG + 3, text, [&](unsigned char) {
            ++room;
            return true;
        });
        classes_[std::min(room, LONG)].push_back(u);
    }

    void keep(Index u, std::size_t n, Level& level, const LinkedText<Index>& text) {
        if (!text.alive(u) || !bounded_unit(text.live(u))) return;
        std::uint64_t hash = 0;
        if (n < LONG) {
            PhraseHash::Backwards h;
            if (last_bytes(u, n, text, [&](unsigned char c) { h.push_front(c); return true; }) == NIL) return;
            hash = h.h;
        } else if (!suffix_hash(u, n, text, hash)) {
            return;
        }
        std::vector<Index>& heap = level.ends[hash];
        heap.push_back(u);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
    }

    // The hashes of the last k bytes before a long end, for every k read so far. A long end is
    // asked for many lengths; its bytes are read once, as far back as the longest length asked,
    // and every later length costs one look-up.
    struct Suffixes {
        std::vector<std::uint64_t> hash{0};  // hash[k]: the last k bytes
        std::vector<bool> whole{true};       // whether k bytes end on a character start
        PhraseHash::Backwards running;
        Index next = NIL;  // the next character back to read
        int letters = 0;   // unit letters read; -1 once spacers have begun
        bool closed = false;
    };

    bool suffix_hash(Index u, std::size_t n, const LinkedText<Index>& text, std::uint64_t& hash) {
        auto [it, fresh] = suffixes_.try_emplace(u);
        Suffixes& sf = it->second;
        if (fresh) sf.next = u;
        // Each character is read once for this end: the walk resumes where the last one stopped.
        while (sf.hash.size() <= n && !sf.closed) {
            if (sf.next == NIL) {
                sf.closed = true;
                break;
            }
            const CharInfo c = text.info(sf.next);
            if (sf.letters >= 0 && c.kind == Kind::Letter && c.letter != 0 && sf.letters < 6) {
                ++sf.letters;
            } else if (spacer(c)) {
                sf.letters = -1;
            } else {
                sf.closed = true;
                break;
            }
            const std::string_view b = text.bytes(sf.next);
            for (std::size_t i = b.size(); i-- > 0;) {
                sf.running.push_front(static_cast<unsigned char>(b[i]));
                sf.hash.push_back(sf.running.h);
                sf.whole.push_back(i == 0);
            }
            sf.next = text.prev(sf.next);
        }
        if (n >= sf.hash.size() || !sf.whole[n]) return false;
        hash = sf.hash[n];
        return true;
    }

    // Feeds the last `n` bytes up to the end of `u` backwards to `f` (which may refuse one),
    // provided they are unit letters after spacers; returns the first character, or NIL. When
    // the letters and spacers run out first, `f` has seen all of them.
    template <class F>
    static Index last_bytes(Index u, std::size_t n, const LinkedText<Index>& text, F f) {
        std::size_t got = 0;
        int letters = 0;
        for (Index y = u; y != NIL; y = text.prev(y)) {
            const CharInfo c = text.info(y);
            if (letters >= 0 && c.kind == Kind::Letter && c.letter != 0 && letters < 6) {
                ++letters;
            } else if (spacer(c)) {
                letters = -1;
            } else {
                return NIL;
            }
            const std::string_view b = text.bytes(y);
            if (got + b.size() > n) return NIL;
            for (std::size_t i = b.size(); i-- > 0;) {
                if (!f(static_cast<unsigned char>(b[i]))) return NIL;
            }
            got += b.size();
            if (got == n) return y;
        }
        return NIL;
    }

    static Index same_text(Index u, std::string_view phrase, const LinkedText<Index>& text) {
        std::size_t i = phrase.size();
        return last_bytes(u, phrase.size(), text,
                          [&](unsigned char c) { return static_cast<unsigned char>(phrase[--i]) == c; });
    }

    std::vector<Logged> logged_;
    std::size_t classified_ = 0;
    std::array<std::vector<Index>, LONG + 1> classes_;
    std::unordered_map<Index, Suffixes> suffixes_;
    std::unordered_map<std::size_t, Level> levels_;
};

}  // namespace brellin::dims
