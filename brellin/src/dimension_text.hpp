// The item text of the dimension step: its lower-cased copy made once, with cuts recorded by
// unlinking characters instead of moving the rest, so no cut costs more than what it removes.
//
// Runs of spacers (the characters a dimension phrase holds before its unit) can be given a stack
// of prefix hashes, so that the hash of any stretch that ends the run is read in O(1); the copy
// index asks for one the first time it reads a run of LONG characters or more, and shorter runs
// are read through the links. A cut takes a phrase, spacers then unit letters, so it removes the
// top of one run; the run left before the cut and the run after it then join, the right one
// pushed onto the left's stack if it has one (else the right one's stack is dropped). A run
// after a cut begins after the cut's letters, and once joined to spacers before it never does
// so again: so a spacer is hashed at most twice into a stack (once more after its stack was
// dropped in a join) and read at most once as the right side of a join.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dimension_automaton.hpp"
#include "dimension_hash.hpp"
#include "lower_case.hpp"
#include "tarsk/text.hpp"

namespace brellin::dims {

// Positions are byte offsets of character starts in the lower-cased copy; they never move, so
// text order is position order. `Index` is 32 bits wide unless the text needs more.
template <class Index>
class LinkedText {
public:
    static constexpr Index NIL = std::numeric_limits<Index>::max();

    // `lowered` is lower_copy(working), made by the caller.
    LinkedText(const LinkedText&) = delete;
    LinkedText& operator=(const LinkedText&) = delete;
    LinkedText(std::string_view working, std::string lowered)
        : working_(working), lowered_(std::move(lowered)), cut_w_(working.size(), 0) {
        map_uneven();
        const std::size_t n = lowered_.size();
        // One block for the three link arrays: items are usually short, and allocations count.
        links_.assign(3 * n, NIL);
        next_ = links_.data();
        prev_ = next_ + n;
        run_of_ = prev_ + n;
        live_.assign(n, NONE);
    }

    std::size_t size() const { return lowered_.size(); }
    std::string_view lowered() const { return lowered_; }

    std::size_t length(Index x) const { return tarsk::utf8_length(static_cast<unsigned char>(lowered_[x])); }
    std::string_view bytes(Index x) const { return std::string_view(lowered_).substr(x, length(x)); }
    CharInfo info(Index x) const {
        const auto lead = static_cast<unsigned char>(lowered_[x]);
        if (lead < 0x80) return ASCII[lead];
        std::size_t len = 0;
        return classify(tarsk::decode_utf8(lowered_, x, len));
    }

    Index next(Index x) const { return next_[x]; }
    Index prev(Index x) const { return prev_[x]; }
    Index tail() const { return tail_; }
    Live live(Index x) const { return live_[x]; }
    void set_live(Index x, Live l) { live_[x] = l; }
    bool alive(Index x) const { return live_[x] != CUT; }

    // Links the next unread character `x`, of kind `c`, after the last one read.
    void append(Index x, Live l, const CharInfo& c) {
        prev_[x] = tail_;
        const bool x_spacer = spacer(c);
        if (tail_ != NIL) next_[tail_] = x;
        live_[x] = l;
        if (x_spacer && tail_ != NIL && tail_spacer_) extend(tail_, x);
        tail_ = x;
        tail_spacer_ = x_spacer;
    }

    // Runs shorter than this are read through the links.
    static constexpr std::size_t LONG = 16;

    // A run's prefix hashes: cum[i] is the hash of its first i + 1 characters.
    struct Run {
        std::vector<std::uint64_t> cum;
        // The symbol of its i-th character, from the hashes.
        std::uint64_t symbol(std::size_t i) const { return i == 0 ? cum[0] : hash::sub(cum[i], hash::mul(cum[i - 1], hash::base())); }
    };
    // The stack of the run whose top is the spacer `top`, made if the run is long and has none;
    // null for a short run, which is read through the links.
    const Run* run_stack(Index top) {
        if (run_of_[top] == NIL) {
            if (count_back(top, LONG) < LONG) return nullptr;
            make_stack(top);
        }
        return runs_[run_of_[top]].get();
    }

    // The character's bytes as one symbol (UTF-8 is at most four bytes, and no spacer or letter
    // is a NUL, so the symbol is never zero).
    std::uint32_t symbol(Index x) const {
        std::uint32_t s = 0;
        for (const char b : bytes(x)) s = (s << 8) | static_cast<unsigned char>(b);
        return s;
    }

    // Widens `a` and `b` to whole lower-case forms of working characters.
    void widen(Index& a, Index& b) const {
        if (const Uneven* u = uneven_at(a); u != nullptr && a < u->l + u->l_len) a = static_cast<Index>(u->l);
        if (const Uneven* u = uneven_at(b); u != nullptr && b < u->l + u->l_len) {
            while (b + length(b) < u->l + u->l_len && next_[b] != NIL) b = next_[b];
        }
    }

    // Unlinks the characters from `a` to `b`, both read and alive, already widened; returns the
    // characters left before and after the cut.
    struct Join {
        Index left = NIL;
        Index right = NIL;
    };
    Join cut(Index a, Index b) {
        // A phrase ends on a letter (or the rest of its lower-case form), so the spacers it takes
        // are the top of the run that holds `a`.
        if (spacer(info(b))) throw std::logic_error("a cut ends on a spacer");
        const Index run = spacer(info(a)) ? run_of_[a] : NIL;
        std::size_t spacers = 0;
        const Join j{prev_[a], next_[b]};
        for (Index y = a;; y = next_[y]) {
            if (spacer(info(y))) ++spacers;
            live_[y] = CUT;
            cut_working(y);
            if (y == b) break;
        }
        if (run != NIL) pop(run, spacers);
        if (j.left != NIL) next_[j.left] = j.right;
        if (j.right != NIL) prev_[j.right] = j.left;
        if (tail_ == b) {
            tail_ = j.left;
            tail_spacer_ = j.left != NIL && spacer(info(j.left));
        }
        if (j.left != NIL && j.right != NIL && spacer(info(j.left)) && spacer(info(j.right))) join_runs(j.left, j.right);
        return j;
    }

    // Cuts the unread character at `x` (the last letter of a match that ends on it).
    void cut_unread(Index x) { cut_working(x); }

    // The working text without the characters cut out.
    std::string rest() const {
        std::string out;
        out.reserve(working_.size());
        // Each byte is tested once; the runs between cuts are copied whole.
        for (std::size_t i = 0; i < working_.size();) {
            std::size_t j = i;
            while (j < working_.size() && cut_w_[j] == 0) ++j;
            out.append(working_, i, j - i);
            while (j < working_.size() && cut_w_[j] != 0) ++j;
            i = j;
        }
        return out;
    }

private:
    // A working character whose lower-case form has another byte length (U+0130 becomes two
    // characters, U+212A one shorter one).
    struct Uneven {
        std::size_t l = 0, l_len = 0, w = 0, w_len = 0;
    };

    void map_uneven() {
        // Lower-casing keeps ASCII at one byte a character.
        if (is_ascii(working_)) {
            if (lowered_.size() != working_.size()) throw std::logic_error("lower-cased copy is not made of per-character forms");
            return;
        }
        std::size_t l = 0;
        for (std::size_t w = 0; w < working_.size();) {
            std::size_t len = 0;
            const std::size_t n = lower_length(working_, w, len);
            if (n != len) uneven_.push_back({l, n, w, len});
            l += n;
            w += len;
        }
        if (l != lowered_.size()) throw std::logic_error("lower-cased copy is not made of per-character forms");
    }

    // The uneven character whose form holds lowered byte `x`, or the last one before it.
    // Binary search of a list made in text order: O(log u) for u uneven characters, whatever the text.
    const Uneven* uneven_at(std::size_t x) const {
        auto it = std::upper_bound(uneven_.begin(), uneven_.end(), x,
                                   [](std::size_t v, const Uneven& u) { return v < u.l; });
        return it == uneven_.begin() ? nullptr : &*(it - 1);
    }

    // The spacers from `top` back, at most `limit` of them.
    std::size_t count_back(Index top, std::size_t limit) const {
        std::size_t n = 0;
        for (Index y = top; y != NIL && n < limit && spacer(info(y)); y = prev_[y]) ++n;
        return n;
    }

    // Gives the run whose top is `top` a stack of prefix hashes.
    void make_stack(Index top) {
        Index r;
        if (!free_runs_.empty()) {
            r = free_runs_.back();
            free_runs_.pop_back();
        } else {
            r = static_cast<Index>(runs_.size());
            runs_.push_back(std::make_unique<Run>());
        }
        Index bottom = top;
        while (prev_[bottom] != NIL && spacer(info(prev_[bottom]))) bottom = prev_[bottom];
        for (Index y = bottom;; y = next_[y]) {
            push(r, y);
            if (y == top) break;
        }
    }

    void push(Index r, Index x) {
        auto& cum = runs_[r]->cum;
        cum.push_back(hash::push(cum.empty() ? 0 : cum.back(), symbol(x)));
        run_of_[x] = r;
    }

    // Puts the spacer `x` on top of the run whose top is `top` (already linked before it).
    void extend(Index top, Index x) {
        if (run_of_[top] != NIL) push(run_of_[top], x);
    }

    // Takes `n` characters off the top of long run `r`.
    void pop(Index r, std::size_t n) {
        auto& cum = runs_[r]->cum;
        cum.erase(cum.end() - static_cast<std::ptrdiff_t>(n), cum.end());
        if (cum.empty()) release(r);
    }

    // The run from `right` on has just been linked after the one ending at `left`.
    void join_runs(Index left, Index right) {
        const Index moved = run_of_[right];
        if (run_of_[left] == NIL && moved == NIL) return;
        const Index r = run_of_[left];
        for (Index y = right; y != NIL && spacer(info(y)); y = next_[y]) {
            if (r != NIL) {
                push(r, y);
            } else {
                run_of_[y] = NIL;
            }
        }
        if (moved != NIL) release(moved);
    }

    void release(Index r) {
        *runs_[r] = Run{};
        free_runs_.push_back(r);
    }

    void cut_working(Index y) {
        const Uneven* u = uneven_at(y);
        std::size_t w = y;
        std::size_t len = length(y);
        if (u != nullptr && y < u->l + u->l_len) {
            w = u->w;
            len = u->w_len;
        } else if (u != nullptr) {
            w = u->w + u->w_len + (y - (u->l + u->l_len));
        }
        std::fill(cut_w_.begin() + static_cast<std::ptrdiff_t>(w), cut_w_.begin() + static_cast<std::ptrdiff_t>(w + len), 1);
    }

    std::string_view working_;
    std::string lowered_;
    std::vector<Uneven> uneven_;
    std::vector<unsigned char> cut_w_;  // 1 for a working byte cut out
    std::vector<Index> links_;
    Index* next_ = nullptr;  // the next linked character, or NIL
    Index* prev_ = nullptr;  // the previous one, or NIL
    Index* run_of_ = nullptr;  // for a spacer of a run with a stack, that stack; else NIL
    // Each run apart: the copy index holds on to runs while it makes others, and most items
    // never make one, so nothing is allocated for them.
    std::vector<std::unique_ptr<Run>> runs_;
    std::vector<Index> free_runs_;
    std::vector<Live> live_;
    Index tail_ = NIL;
    bool tail_spacer_ = false;  // whether the last character read is a spacer
};

}  // namespace brellin::dims
