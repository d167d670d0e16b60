// Earlier copies of a dimension phrase, for "cut the first occurrence of the matched text".
//
// The first occurrence of a matched phrase is the match itself unless the same text stands
// earlier followed by a word character, which fails the \b after its unit (anywhere else the
// copy would have been the first match). A copy therefore ends on the last letter of a unit
// whose attempt is live there: a character whose live set is a unit node that needs \b. Such
// characters are logged when their live set is written, and again when a cut joins spacers to
// the spacers before them, since copies ending there may then start further back.
//
// Lookup by length: a phrase of n bytes can only equal the last n bytes before a logged end.
// For each length asked for, the log is read once; each logged end is hashed over its last n
// bytes when they are unit letters after spacers (at most n bytes read), and kept by hash in a
// heap ordered by position. Every hit is checked byte by byte before it counts, so a stale or
// colliding entry costs one comparison and is dropped.
#pragma once

#include <algorithm>
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

    void log_end(Index u) { events_.push_back({u, false}); }
    // A cut joined the spacers before it to `right`: the unit ends after right's run of
    // spacers may now hold longer copies.
    void log_join(Index right) { events_.push_back({right, true}); }

    struct Copy {
        Index first = NIL;
        Index last = NIL;
    };

    // The first copy of `phrase` that ends before position `before`, if any.
    Copy first(std::string_view phrase, Index before, LinkedText<Index>& text) {
        Level& level = levels_[phrase.size()];
        for (; level.read < events_.size(); ++level.read) take(events_[level.read], phrase.size(), level, text);
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
    struct Event {
        Index at;
        bool join;
    };
    struct Level {
        std::size_t read = 0;  // events taken into `ends`
        std::unordered_map<std::uint64_t, std::vector<Index>> ends;
    };

    void take(const Event& e, std::size_t n, Level& level, LinkedText<Index>& text) {
        if (!text.alive(e.at)) return;
        if (!e.join) return keep(e.at, n, level, text);
        // The unit letters after the joined run of spacers (at most six).
        Index y = spacer(text.info(e.at)) ? text.next(text.run_end(e.at)) : e.at;
        for (int k = 0; k < 6 && y != NIL; ++k, y = text.next(y)) {
            const CharInfo c = text.info(y);
            if (c.kind != Kind::Letter || c.letter == 0) break;
            keep(y, n, level, text);
        }
    }

    void keep(Index u, std::size_t n, Level& level, const LinkedText<Index>& text) {
        if (!bounded_unit(text.live(u))) return;
        PhraseHash::Backwards h;
        if (last_bytes(u, n, text, [&](unsigned char c) { h.push_front(c); return true; }) == NIL) return;
        std::vector<Index>& heap = level.ends[h.h];
        heap.push_back(u);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
    }

    // Feeds the last `n` bytes up to the end of `u` backwards to `f` (which may refuse one),
    // provided they are unit letters after spacers; returns the first character, or NIL.
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

    std::vector<Event> events_;
    std::unordered_map<std::size_t, Level> levels_;
};

}  // namespace brellin::dims
