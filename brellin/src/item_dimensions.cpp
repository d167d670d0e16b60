// Dimension phrases: the first match of DIMS_RE in the lower-cased text, its group 1 kept, the
// first occurrence of the whole match cut out, repeated until nothing matches; in one pass.
//
// Invariant. The lower-cased copy is made once; a cut unlinks characters (LinkedText), so the
// linked characters are always the lower-cased current text. For every linked character the
// scan keeps the live set of the pattern's attempts after it (dimension_automaton.hpp), and
// that set is right for the current text at every character before the first position marked
// for recomputation. An attempt reads nothing before its start, so a cut only changes live
// sets from the character after it on; that character is marked, and recomputation runs
// forward from the first marked one until a live set comes out as it was (from there on the
// text and the sets are as before). A match is the attempt that ends first while no earlier
// attempt is live: when the sets are right up to where it ends, it is the first match of the
// current text. Its start is the earliest start still live at its end, found by walking the
// stored sets back over the match.
//
// Bounds. Each character is read once at the front. Recomputation after a cut stops within
// one run of digits or blanks plus a few characters: a run's sets change only when what
// stands right before it changes, which a cut does only by ending there on a unit letter; so
// a run is recomputed again only after the letters before it are cut away, at most once more
// (digit runs after "1." and blank runs after "1 x" are the cases; after a letter every run
// starts from the same sets). A match, its walk back and its cut each cost the length of the
// phrase removed; its copy search costs that plus a few descents of the copy index's tree
// (dimension_copies.hpp, which states its bound as a sum).
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include "dimension_copies.hpp"
#include "item_prechecks.hpp"
#include "item_steps.hpp"
#include "lower_case.hpp"

namespace brellin {

namespace {

using dims::Accept;
using dims::Kind;
using dims::Live;

template <class Index>
class DimensionScan {
public:
    static constexpr Index NIL = dims::LinkedText<Index>::NIL;

    DimensionScan(std::string_view working, std::string lowered, std::vector<std::string>& out)
        : text_(working, std::move(lowered)), copies_(text_.size()), pending_(text_.size(), false), out_(out) {}

    std::string run() {
        for (;;) {
            if (const Index x = next_marked(); x != NIL) {
                recompute(x);
            } else if (front_ < text_.size()) {
                read();
            } else if (text_.tail() != NIL && dims::bounded_unit(text_.live(text_.tail()))) {
                take({text_.tail(), NIL, false});  // a unit with \b at the very end
            } else {
                break;
            }
        }
        return text_.rest();
    }

private:
    // A match found: `last` is the character whose live set accepted; with mm, cm or oz the
    // letter `closing` after it belongs to the match as well (unread when found at the front).
    struct Found {
        Index last;
        Index closing;
        bool closing_unread;
    };

    Live live_before(Index x) const {
        const Index p = text_.prev(x);
        return p == NIL ? dims::NONE : text_.live(p);
    }

    void read() {
        const Index x = static_cast<Index>(front_);
        const Live before = text_.tail() == NIL ? dims::NONE : text_.live(text_.tail());
        const dims::CharInfo c = text_.info(x);
        const dims::Step s = dims::step(before, c);
        if (s.accept == Accept::Before) return take({text_.tail(), NIL, false});
        if (s.accept == Accept::After) return take({text_.tail(), x, true});
        text_.append(x, s.next, c);
        if (dims::bounded_unit(s.next)) copies_.log_end(x);
        front_ += text_.length(x);
    }

    void mark(Index x) {
        if (pending_[x]) return;
        pending_[x] = true;
        marked_.push(x);
    }

    Index next_marked() {
        while (!marked_.empty()) {
            const Index x = marked_.top();
            marked_.pop();
            if (pending_[x] && text_.alive(x)) return x;
        }
        return NIL;
    }

    // Recomputes live sets from `x` on until one comes out unchanged or the read text ends.
    void recompute(Index x) {
        Live live = live_before(x);
        for (Index y = x; y != NIL; y = text_.next(y)) {
            pending_[y] = false;
            const dims::Step s = dims::step(live, text_.info(y));
            if (s.accept != Accept::No) {
                mark(y);  // found again if the match is not the text that is cut
                if (s.accept == Accept::Before) return take({text_.prev(y), NIL, false});
                return take({text_.prev(y), y, false});
            }
            if (s.next == text_.live(y)) return;
            text_.set_live(y, s.next);
            if (dims::bounded_unit(s.next)) copies_.log_end(y);
            live = s.next;
        }
    }

    // The earliest start of an attempt live at `last` that reaches the accepting node there.
    Index match_start(Index last) const {
        Live reach = text_.live(last);  // the states at x that lead to the match
        Index start = NIL;
        for (Index x = last;;) {
            const dims::CharInfo c = text_.info(x);
            if (!dims::is_node(reach) && (dims::start(c) & reach) != 0) start = x;
            const Index p = text_.prev(x);
            if (p == NIL) break;
            const Live before = text_.live(p);
            Live r = dims::NONE;
            if (dims::is_node(before)) {
                if (dims::step_one(before, c) == reach) r = before;
            } else {
                for (Live bit = dims::LEAD; bit <= dims::AFTER_X; bit = static_cast<Live>(bit << 1)) {
                    if ((before & bit) == 0) continue;
                    const Live s = dims::step_one(bit, c);
                    if (s != dims::NONE && (dims::is_node(reach) ? s == reach : !dims::is_node(s) && (s & reach) != 0))
                        r |= bit;
                }
            }
            if (r == dims::NONE) break;
            reach = r;
            x = p;
        }
        return start;
    }

    std::string phrase(Index start, const Found& f) const {
        std::string s;
        for (Index y = start;; y = text_.next(y)) {
            s += text_.bytes(y);
            if (y == f.last) break;
        }
        if (f.closing != NIL) s += text_.bytes(f.closing);
        return s;
    }

    // Group 1: the phrase from its first digit on.
    static std::string numbers_and_unit(std::string_view phrase) {
        std::size_t at = 0;
        while (at < phrase.size()) {
            std::size_t len = 0;
            if (dims::classify(tarsk::decode_utf8(phrase, at, len)).kind == Kind::Digit) break;
            at += len;
        }
        return std::string(phrase.substr(at));
    }

    void take(const Found& f) {
        const Index start = match_start(f.last);
        const std::string text = phrase(start, f);
        out_.push_back(numbers_and_unit(text));
        // Only a unit with \b can have an earlier copy (mm, cm and oz would have matched there).
        if (f.closing == NIL) {
            if (const auto copy = copies_.first(text, start, text_); copy.first != NIL) return cut(copy.first, copy.last);
        }
        if (f.closing != NIL && f.closing_unread) {
            cut(start, f.last);
            text_.cut_unread(f.closing);
            front_ += text_.length(f.closing);
            return;
        }
        cut(start, f.closing != NIL ? f.closing : f.last);
    }

    void cut(Index a, Index b) {
        text_.widen(a, b);
        copies_.before_cut(a, b, text_);
        const auto join = text_.cut(a, b);
        if (join.right != NIL) mark(join.right);
    }

    dims::LinkedText<Index> text_;
    dims::CopyIndex<Index> copies_;
    std::vector<bool> pending_;
    // A binary heap of positions: O(log h) a push or pop for h entries, whatever the text.
    std::priority_queue<Index, std::vector<Index>, std::greater<>> marked_;
    std::size_t front_ = 0;
    std::vector<std::string>& out_;
};

// Whether a character of the text is a digit as the scan classifies it; each character is
// decoded once.
bool holds_digit(std::string_view lowered) {
    for (std::size_t at = 0; at < lowered.size();) {
        std::size_t len = 0;
        if (dims::classify(tarsk::decode_utf8(lowered, at, len)).kind == Kind::Digit) return true;
        at += len;
    }
    return false;
}

}  // namespace

void take_dimensions(std::string& working, std::vector<std::string>& dims) {
    // Every phrase has a digit of the lower-cased text; without one the scan, whose arrays are
    // each as long as the item, would only read it through. ASCII text is judged without a copy.
    if (!may_hold_digit(working)) return;
    std::string lowered = lower_copy(working);
    if (!holds_digit(lowered)) return;
    // 32-bit positions unless the lower-cased text could reach the largest one.
    if (working.size() < std::numeric_limits<std::uint32_t>::max() / 2) {
        working = DimensionScan<std::uint32_t>(working, std::move(lowered), dims).run();
    } else {
        working = DimensionScan<std::uint64_t>(working, std::move(lowered), dims).run();
    }
}

}  // namespace brellin
