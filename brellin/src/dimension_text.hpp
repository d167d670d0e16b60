// The item text of the dimension step: its lower-cased copy made once, with cuts recorded by
// unlinking characters instead of moving the rest, so no cut costs more than what it removes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dimension_automaton.hpp"
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
        up_ = prev_ + n;
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
        if (tail_ != NIL) {
            next_[tail_] = x;
            if (tail_spacer_ && x_spacer) up_[run_end(tail_)] = x;
        }
        up_[x] = x;
        live_[x] = l;
        tail_ = x;
        tail_spacer_ = x_spacer;
    }

    // The last character of the run of spacers that holds `x` (union-find, path halving).
    Index run_end(Index x) {
        while (up_[x] != x) {
            up_[x] = up_[up_[x]];
            x = up_[x];
        }
        return x;
    }

    // Unlinks the characters from `a` to `b`, both read and alive, widened to whole lower-case
    // forms of working characters; returns the characters left before and after the cut.
    struct Join {
        Index left = NIL;
        Index right = NIL;
    };
    Join cut(Index a, Index b) {
        widen(a, b);
        const Join j{prev_[a], next_[b]};
        for (Index y = a;; y = next_[y]) {
            live_[y] = CUT;
            cut_working(y);
            if (y == b) break;
        }
        if (j.left != NIL) next_[j.left] = j.right;
        if (j.right != NIL) prev_[j.right] = j.left;
        if (tail_ == b) {
            tail_ = j.left;
            tail_spacer_ = j.left != NIL && spacer(info(j.left));
        }
        // The run of spacers before the cut ran on into it; it now ends at `left`, or runs on
        // into the run after the cut.
        if (j.left != NIL && spacer(info(j.left))) {
            up_[run_end(j.left)] = j.left;
            up_[j.left] = j.left;
            if (j.right != NIL && spacer(info(j.right))) up_[j.left] = run_end(j.right);
        }
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

    void widen(Index& a, Index& b) const {
        if (const Uneven* u = uneven_at(a); u != nullptr && a < u->l + u->l_len) a = static_cast<Index>(u->l);
        if (const Uneven* u = uneven_at(b); u != nullptr && b < u->l + u->l_len) {
            while (b + length(b) < u->l + u->l_len && next_[b] != NIL) b = next_[b];
        }
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
    Index* up_ = nullptr;    // union-find towards the end of a run of spacers
    std::vector<Live> live_;
    Index tail_ = NIL;
    bool tail_spacer_ = false;  // whether the last character read is a spacer
};

}  // namespace brellin::dims
