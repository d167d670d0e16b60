// Dimension phrases without a fresh lower-cased copy and a search from the start per phrase.
//
// Why the resumed search finds what a search from the start finds: a match of DIMS_RE reads
// nothing before its start, so after a cut the only new matches are those that reach back
// across the cut, and they start no earlier than `Parts::walk_back` says. Text before that is
// committed and never searched again. The first occurrence of a phrase lies before its match
// only where the unit's word-boundary test fails, that is where a word character follows a
// unit; committed text is checked at such places only. When such an earlier copy is cut, the
// match itself has not moved and stays the first one after the cut.
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"
#include "lower_case.hpp"
#include "occurrence.hpp"
#include "tarsk/text.hpp"

namespace brellin {

namespace {

constexpr std::array<std::string_view, 22> UNITS = {"mm",  "cm", "m",   "oz",  "kg",  "ml", "l",   "kw",
                                                    "mw",  "kva", "v",  "ah",  "w",   "khz", "hz",  "mhz",
                                                    "rpm", "psi", "mpa", "bar", "inch", "inches"};
constexpr std::size_t LONGEST_UNIT = 6;

std::size_t char_start(std::string_view s, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
    return start;
}

char32_t char_before(std::string_view s, std::size_t end, std::size_t& start) {
    start = char_start(s, end);
    std::size_t len = 0;
    return tarsk::decode_utf8(s, start, len);
}

bool digit(char32_t c) { return c < 0x80 ? (c >= '0' && c <= '9') : tarsk::is_numeric(c); }

// Characters a match can hold before its unit: separators, digits, "x".
bool spacer(char32_t c) {
    return c == ',' || c == '.' || c == 'x' || c == 'X' || c == U'\u00D7' || tarsk::is_white_space(c) || digit(c);
}

// Letters a unit can be written with in the lower-cased copy ((?i) folds U+017F with "s").
bool unit_letter(char32_t c) { return (c >= 'a' && c <= 'z') || c == U'\u017F'; }

bool unit_at(std::string_view s, std::size_t at) {
    for (const std::string_view unit : UNITS) {
        std::size_t i = at;
        bool same = true;
        for (const char u : unit) {
            if (i >= s.size()) {
                same = false;
                break;
            }
            if (s[i] == u) {
                ++i;
            } else if (u == 's' && s.compare(i, 2, "\u017F") == 0) {
                i += 2;
            } else {
                same = false;
                break;
            }
        }
        if (same) return true;
    }
    return false;
}

bool word_char(char32_t c) {
    if (c >= 0x80) return true;  // wider than the pattern's class: only ever costs a comparison
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Ends of committed text after which a phrase could stand with a word character following:
// up to six unit letters after white space and a digit.
void add_blocked_ends(std::string_view out, std::size_t from, std::vector<std::size_t>& ends) {
    for (std::size_t e = std::max<std::size_t>(from, 1); e < out.size(); ++e) {
        if ((static_cast<unsigned char>(out[e]) & 0xC0) == 0x80) continue;
        std::size_t len = 0;
        if (!word_char(tarsk::decode_utf8(out, e, len))) continue;
        std::size_t at = e;
        std::size_t letters = 0;
        std::size_t start = 0;
        while (at > 0 && letters < LONGEST_UNIT && unit_letter(char_before(out, at, start))) at = start, ++letters;
        if (letters == 0) continue;
        char32_t c = 0;
        while (at > 0 && tarsk::is_white_space(c = char_before(out, at, start))) at = start;
        if (at > 0 && digit(char_before(out, at, start))) ends.push_back(e);
    }
}

// A character of the live text whose lower-case form has another byte length.
struct Uneven {
    std::size_t l = 0;  // position of its form in the lowered buffer
    std::size_t l_len = 0;
    std::size_t w_len = 0;
};

struct Place {
    std::size_t l = 0;
    std::size_t w = 0;
};

// The working text as committed text followed by the live part of the active buffers, in
// both the working text and its lower-cased copy.
struct Parts {
    std::string out_w, out_l;  // never cut again
    std::string act_w, act_l;  // live from head_w, head_l
    std::size_t head_w = 0;
    std::size_t head_l = 0;
    std::vector<Uneven> uneven;  // live ones from `first`, in text order
    std::size_t first = 0;
    std::vector<std::size_t> blocked;  // positions in `out_l`, see add_blocked_ends
    // The blocked ends by the last k bytes before them (k = 1..SUFFIX), each list ascending, so
    // that a phrase is compared only with the copies that end like it.
    static constexpr std::size_t SUFFIX = 8;
    std::array<std::unordered_map<std::string, std::vector<std::size_t>>, SUFFIX> blocked_by_suffix;
    std::size_t indexed = 0;

    void index_blocked() {
        for (; indexed < blocked.size(); ++indexed) {
            const std::size_t e = blocked[indexed];
            for (std::size_t k = 1; k <= std::min(SUFFIX, e); ++k)
                blocked_by_suffix[k - 1][out_l.substr(e - k, k)].push_back(e);
        }
    }

    // Start of the first copy of `phrase` that ends at a blocked end and starts at or after
    // `from`, or npos.
    std::size_t blocked_copy(std::string_view phrase, std::size_t from) const {
        const std::size_t n = phrase.size();
        const std::size_t k = std::min(SUFFIX, n);
        const auto& index = blocked_by_suffix[k - 1];
        const auto it = index.find(std::string(phrase.substr(n - k)));
        if (it == index.end()) return std::string_view::npos;
        const auto& ends = it->second;
        for (auto e = std::lower_bound(ends.begin(), ends.end(), from + n); e != ends.end(); ++e)
            if (std::string_view(out_l).compare(*e - n, n, phrase) == 0) return *e - n;
        return std::string_view::npos;
    }

    std::string text_w() const { return out_w + act_w.substr(head_w); }
    std::string text_l() const { return out_l + act_l.substr(head_l); }

    // The place of lowered position `x`; inside one character's form it moves to that
    // character's start, or with `up` to its end.
    Place place(std::size_t x, bool up) const {
        std::size_t w = head_w + (x - head_l);
        for (std::size_t i = first; i < uneven.size() && uneven[i].l < x; ++i) {
            const Uneven& u = uneven[i];
            if (u.l + u.l_len <= x) {
                w = w + u.w_len - u.l_len;
                continue;
            }
            const std::size_t start = w - (x - u.l);
            return up ? Place{u.l + u.l_len, start + u.w_len} : Place{u.l, start};
        }
        return {x, w};
    }

    std::size_t logical(std::size_t act) const { return out_l.size() + (act - head_l); }

    // Logical start of the first occurrence of `phrase`, whose match starts at act `p`, at or
    // after logical `from`.
    std::size_t first_occurrence_of(std::string_view phrase, std::size_t p, std::size_t from) const {
        const std::string_view act(act_l);
        const std::size_t n = phrase.size();
        if (from < out_l.size()) {
            if (const std::size_t at = blocked_copy(phrase, from); at != std::string_view::npos) return at;
            // Copies that end where committed text ends or run on into the live text.
            const std::size_t tail = std::min(out_l.size(), n);
            std::string seam = out_l.substr(out_l.size() - tail);
            seam.append(act.substr(head_l, std::min(n - 1, p + n - head_l)));
            const std::size_t at = first_occurrence(seam, phrase);
            if (at != std::string_view::npos && out_l.size() - tail + at >= from) return out_l.size() - tail + at;
            from = out_l.size();
        }
        return logical(first_occurrence(act.substr(0, p + n), phrase, head_l + (from - out_l.size())));
    }

    // Where a search may stop and still see every match that starts before `cut`: such a
    // match holds only separators, digits and "x" up to its unit of at most six letters.
    std::size_t reach(std::size_t cut) const {
        std::size_t at = cut;
        std::size_t len = 0;
        while (at < act_l.size() && spacer(tarsk::decode_utf8(act_l, at, len))) at += len;
        for (std::size_t k = 0; k <= LONGEST_UNIT && at < act_l.size(); ++k) {
            tarsk::decode_utf8(act_l, at, len);
            at += len;
        }
        return at;
    }

    // The character before logical position `at`, with its logical start; none at the start.
    bool before(std::size_t at, char32_t& c, std::size_t& start) const {
        if (at == 0) return false;
        if (at > out_l.size()) {
            std::size_t s = 0;
            c = char_before(act_l, head_l + (at - out_l.size()), s);
            start = logical(s);
        } else {
            c = char_before(out_l, at, start);
        }
        return true;
    }

    bool digit_before(std::size_t at) const {
        char32_t c = 0;
        std::size_t start = 0;
        while (before(at, c, start) && tarsk::is_white_space(c)) at = start;
        return at > 0 && before(at, c, start) && digit(c);
    }

    // Lowest logical start of a match that could reach logical `cut`: the part before the cut
    // is a start of ",? blanks number (blanks x blanks number)* blanks unit". With `strict`,
    // letters are crossed only where a unit starts at them; without, any six are.
    std::size_t walk_back(std::size_t cut, bool strict) const {
        std::size_t lowest = cut;
        std::size_t at = cut;
        char32_t c = 0;
        std::size_t start = 0;
        for (std::size_t k = 0; k < LONGEST_UNIT && before(at, c, start) && unit_letter(c); ++k) {
            at = start;
            // A unit that starts in committed text is taken as possible.
            if (!strict || at < out_l.size() || unit_at(act_l, head_l + (at - out_l.size()))) lowest = at;
        }
        at = lowest;
        // Blanks between two numbers end the walk: only an "x" joins numbers in one match.
        bool crossed_digit = false;
        bool blanks_after_digit = false;
        while (before(at, c, start)) {
            if (digit(c)) {
                if (blanks_after_digit) break;
                crossed_digit = true;
                at = start;
            } else if (tarsk::is_white_space(c)) {
                blanks_after_digit = crossed_digit;
                at = start;
            } else if (c == ',') {
                at = start;
                if (blanks_after_digit) break;  // a leading comma before blanks
                if (!(before(at, c, start) && digit(c))) break;  // a leading comma
            } else if (c == '.' && blanks_after_digit) {
                break;
            } else if (c == '.' || c == 'x' || c == 'X' || c == U'\u00D7') {
                crossed_digit = false;
                blanks_after_digit = false;
                // A point only inside a number, an "x" only after one.
                char32_t prev = 0;
                std::size_t prev_start = 0;
                const bool number_before =
                    c == '.' ? before(start, prev, prev_start) && digit(prev) : digit_before(start);
                if (!number_before) break;
                at = start;
            } else {
                break;
            }
        }
        return at;
    }

    void commit(std::size_t to) {
        const Place z = place(to, false);
        if (z.l <= head_l) return;
        const std::size_t from = out_l.size();
        out_w.append(act_w, head_w, z.w - head_w);
        out_l.append(act_l, head_l, z.l - head_l);
        head_w = z.w;
        head_l = z.l;
        while (first < uneven.size() && uneven[first].l < z.l) ++first;
        add_blocked_ends(out_l, from, blocked);
        index_blocked();
    }

    // Removes the characters whose forms overlap lowered [a, b) by moving the live text before
    // them; returns where the cut closed up in the lowered buffer.
    std::size_t cut(std::size_t a, std::size_t b) {
        const Place from = place(a, false);
        const Place to = place(b, true);
        const std::size_t len_l = to.l - from.l;
        const std::size_t len_w = to.w - from.w;
        std::memmove(act_w.data() + head_w + len_w, act_w.data() + head_w, from.w - head_w);
        std::memmove(act_l.data() + head_l + len_l, act_l.data() + head_l, from.l - head_l);
        std::size_t before = first;
        while (before < uneven.size() && uneven[before].l < from.l) ++before;
        std::size_t inside = before;
        while (inside < uneven.size() && uneven[inside].l < to.l) ++inside;
        // Drop the cut ones by moving the live ones before them, as with the text.
        for (std::size_t i = before; i > first; --i) {
            uneven[i - 1 + (inside - before)] = uneven[i - 1];
            uneven[i - 1 + (inside - before)].l += len_l;
        }
        first += inside - before;
        head_w += len_w;
        head_l += len_l;
        return to.l;
    }
};

// Fills the uneven list; false when the lowered copy is not made of per-character forms.
bool find_uneven(std::string_view working, std::string_view lowered, std::vector<Uneven>& uneven) {
    LowerLengths lengths;
    std::size_t l = 0;
    for (std::size_t w = 0; w < working.size();) {
        std::size_t len = 0;
        const std::size_t n = lengths.at(working, w, len);
        if (n != len) uneven.push_back({l, n, len});
        l += n;
        w += len;
    }
    return l == lowered.size();
}

}  // namespace

void take_dimensions(std::string& working, std::vector<std::string>& dims) {
    Parts t;
    t.act_l = tarsk::to_lower(working);
    if (!find_uneven(working, t.act_l, t.uneven)) return take_dimensions_plain(working, dims);
    t.act_w = working;
    std::size_t resume = 0;
    // After a copy before the match was cut, the match stays where it is and stays the first
    // one at or after the cut; only matches reaching back across the cut can come before it.
    std::optional<tarsk::Match> kept;
    std::size_t cut_point = 0;
    std::size_t copies_from = 0;  // logical; no copy of the kept phrase starts earlier
    for (;;) {
        std::optional<tarsk::Match> m;
        bool same = false;
        if (kept) {
            const std::string_view window = std::string_view(t.act_l).substr(t.head_l, t.reach(cut_point) - t.head_l);
            m = DIMS_RE().find(window, resume - t.head_l);
            if (!m || t.head_l + m->start() >= cut_point) {
                m = kept;
                same = true;
            }
        } else {
            m = DIMS_RE().find(std::string_view(t.act_l).substr(t.head_l), resume - t.head_l);
        }
        if (!m) break;
        if (!same) {
            // Keep the match in buffer positions, which a later cut before it does not move.
            for (auto& g : m->groups) {
                if (g) g = tarsk::Span{g->start + t.head_l, g->end + t.head_l};
            }
        }
        const std::string_view lowered(t.act_l);
        dims.emplace_back(tarsk::trim(m->str(lowered, 1)));
        const std::size_t p = m->start();
        const std::size_t len = m->end() - p;
        const std::string_view phrase = lowered.substr(p, len);
        const std::size_t at = t.first_occurrence_of(phrase, p, same ? copies_from : 0);
        if (at < t.out_l.size()) {
            working = cut_span(t.text_w(), t.text_l(), at, at + len);
            return take_dimensions_plain(working, dims);
        }
        const std::size_t a = t.head_l + (at - t.out_l.size());
        cut_point = t.cut(a, a + len);
        const std::size_t lowest = t.walk_back(t.logical(cut_point), true);
        if (lowest < t.out_l.size()) {
            working = t.text_w();
            return take_dimensions_plain(working, dims);
        }
        resume = t.head_l + (lowest - t.out_l.size());
        const std::size_t keep = std::max(t.walk_back(lowest, false), t.out_l.size());
        t.commit(t.head_l + (keep - t.out_l.size()));
        kept.reset();
        if (a < p) {
            kept = m;
            copies_from = t.logical(cut_point >= len - 1 + t.head_l ? cut_point - (len - 1) : t.head_l);
        }
    }
    working = t.text_w();
}

}  // namespace brellin
