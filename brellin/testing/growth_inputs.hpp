// Inputs for the growth benchmark and the dimension agreement runner: random short units made
// of the characters the item patterns care about, and fixed hostile families built to a size.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tarsk/text.hpp"

namespace growth {

// splitmix64: cheap to seed, so every generated item can have its own seed and be made again
// from its number alone.
struct Rng {
    using result_type = std::uint64_t;
    std::uint64_t state;
    explicit Rng(std::uint64_t seed) : state(seed) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type{0}; }
    result_type operator()() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform enough in [0, n) for n far below 2^64.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>((*this)() % n); }
};

// Dimension units, the quantity units and the Vietnamese quantity units.
inline const std::vector<std::string>& unit_names() {
    static const std::vector<std::string> names = {
        "mm", "cm", "m", "oz", "kg", "ml", "l", "kw", "mw", "kva", "v", "ah", "w", "khz", "hz", "mhz", "rpm",
        "psi", "mpa", "bar", "inch", "inches", "tons", "kilograms", "pcs", "pieces", "sets", "cartons", "drums",
        "reels", "pallets", "meters", "yards", "liters", "litres", "box", "boxes", "hundreds", "thousands",
        "rolls", "sheets", "20ft", "fcl", "c\u00E1i", "b\u1ED9", "t\u1EA5n", "th\u00F9ng", "b\u00F3", "h\u1ED9p",
        "t\u1EA5m", "cu\u1ED9n", "ki\u1EC7n"};
    return names;
}

// The characters (as UTF-8) units are drawn from, in classes drawn with different weights.
struct Alphabet {
    std::vector<std::string> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::vector<std::string> times{"x", "X", "\u00D7"};
    std::vector<std::string> separators{",", "."};
    std::vector<std::string> blanks{" ", " ", " ", "\t", "\u00A0", "\u2003"};
    std::vector<std::string> unit_letters;  // every letter of every unit name
    std::vector<std::string> other_letters{"q", "j", "e", "K", "M", "V", "\u212A", "\u017F", "\u00E9", "_"};
    std::vector<std::string> others{"|", "(", ")", "\u0130"};

    Alphabet() {
        // Bound: every character of every unit name once.
        for (const std::string& name : unit_names()) {
            for (std::size_t at = 0, len = 0; at < name.size(); at += len) {
                const char32_t c = tarsk::decode_utf8(name, at, len);
                const std::string ch = name.substr(at, len);
                const bool digit = c >= '0' && c <= '9';
                bool known = digit;
                for (const std::string& l : unit_letters) known = known || l == ch;
                if (!known) unit_letters.push_back(ch);
            }
        }
    }
};

inline std::size_t char_count(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A unit of 1 to 16 characters; a whole unit name now and then, so that phrases are common.
inline std::string random_unit(Rng& rng) {
    static const Alphabet a;
    const std::size_t want = 1 + rng.below(16);
    std::string unit;
    // Bound: each pass adds at least one character and stops at `want` characters.
    while (char_count(unit) < want) {
        const std::size_t room = want - char_count(unit);
        const std::size_t roll = rng.below(100);
        if (roll < 15) {
            const std::string& name = unit_names()[rng.below(unit_names().size())];
            if (char_count(name) <= room) {
                unit += name;
                continue;
            }
        }
        const std::vector<std::string>* from = &a.others;
        if (roll < 45) {
            from = &a.digits;
        } else if (roll < 55) {
            from = &a.times;
        } else if (roll < 63) {
            from = &a.separators;
        } else if (roll < 77) {
            from = &a.blanks;
        } else if (roll < 90) {
            from = &a.unit_letters;
        } else if (roll < 95) {
            from = &a.other_letters;
        }
        unit += (*from)[rng.below(from->size())];
    }
    return unit;
}

// `unit` repeated as often as it fits in `size` bytes, at least once.
inline std::string repeat_to(std::string_view unit, std::size_t size) {
    std::string s(unit);
    // Bound: stops once the next copy would pass `size`.
    while (s.size() + unit.size() <= size) s += unit;
    return s;
}

// `unit` repeated to half the size, then `second` repeated to the other half.
inline std::string two_part(std::string_view unit, std::string_view second, std::size_t size) {
    std::string s = repeat_to(unit, size / 2);
    return s + repeat_to(second, size - std::min(s.size(), size));
}

// Appends piece(0), piece(1), ... while the text is shorter than `until` (at least one piece);
// returns how many were appended.
inline std::size_t fill(std::string& s, std::size_t until, const std::function<std::string(std::size_t)>& piece) {
    std::size_t i = 0;
    // Bound: every piece is non-empty, so the text reaches `until`.
    do s += piece(i++);
    while (s.size() < until);
    return i;
}

// Six-digit numbers: none is a part of another, so each phrase has exactly one copy.
inline std::string six(std::size_t i) { return std::to_string(100000 + i % 900000); }

struct Family {
    std::string name;
    std::function<std::string(std::size_t)> build;  // an item of about that many bytes
};

// A unit repeated, with text once in front and once at the end.
inline Family repeated(std::string name, std::string before, std::string unit, std::string after) {
    return {std::move(name), [=](std::size_t size) {
                std::string s = before;
                fill(s, size - std::min(size, after.size()), [&](std::size_t) { return unit; });
                return s + after;
            }};
}

// Copies of phrases that are blocked (the unit runs on into the next copy's number), cut one by
// one by the same phrases standing free at the end, with a run of `run` in between or in front.
inline std::string copies_then_free(std::size_t size, const std::string& front, const std::string& run,
                                    const std::function<std::string(std::size_t)>& copy,
                                    const std::function<std::string(std::size_t)>& free, bool reverse) {
    std::string s = front;
    const std::size_t copies = fill(s, size / 3, copy);
    s += repeat_to(run, size / 3);
    for (std::size_t k = 0; k < copies && s.size() < size; ++k) s += free(reverse ? copies - 1 - k : k);
    return s;
}

// How many phrase lengths the copy index families ask about: sqrt(2n/3), so that phrases of
// lengths 18, 19, ... take about a third of n bytes.
inline std::size_t phrase_lengths(std::size_t size) {
    return static_cast<std::size_t>(std::sqrt(2.0 * static_cast<double>(size) / 3));
}

// Runs of 300 digits, each followed by the blocked units "5 m6 m7 m8 m9 m" and "Z ", on half
// the item; then free phrases lead + "5 m" ... lead + "9 m" (after a letter, so that each is a
// match of its own) repeated. The first free "5 m" cuts its copy from every run in turn, which
// joins the run to the "6" after it, and so on: every cut makes a long room again, at the end
// that the next phrase looks up.
inline std::string rejoined_runs(std::size_t size, const std::string& lead) {
    std::string run(300, '1');
    for (const char d : std::string_view("56789")) run += std::string(1, d) + " m";
    run += "Z ";
    std::string tail;
    for (const char d : std::string_view("56789")) tail += " a" + lead + d + " m";
    const std::string s = repeat_to(run, size / 2);
    return s + repeat_to(tail, size - std::min(size, s.size()));
}

inline std::vector<Family> fixed_families() {
    using S = std::string;
    const auto num = [](std::size_t i) { return std::to_string(i + 2); };
    std::vector<Family> f = {
        repeated("joined free phrases", "- pipe 5 vq abc 1 mm", " 5 v", ""),
        repeated("joined free phrases, uneven", "- \u0130\u0130 5 vq abc 1 mm", " 5 v", ""),
        {"digits then free phrases",
         [](std::size_t size) {
             const std::size_t k = std::max<std::size_t>(1, size / 6);
             return "- pipe " + S(2 * k, '1') + repeat_to(" 5 v", 4 * k);
         }},
        repeated("k1mm1mmg", "", "5 k1mm1mmg", ""),
        {"near-miss copies sharing 8 bytes",
         [](std::size_t size) {
             // " 1234567 vq", " 2234567 vq", ... then " N234567 v" for numbers not among the copies.
             S s;
             const std::size_t copies =
                 fill(s, size / 2, [](std::size_t i) { return " " + std::to_string(i + 1) + "234567 vq"; });
             fill(s, size, [&](std::size_t i) { return " " + std::to_string(copies + i + 1) + "234567 v"; });
             return s;
         }},
        {"copies cut next to a long run",
         [](std::size_t size) {
             S s = "1x";
             const std::size_t copies = fill(s, size / 3, [](std::size_t i) { return std::to_string(i) + "v0x"; });
             s += S(size / 3, '9') + " q";
             for (std::size_t i = 0; i < copies && s.size() < size; ++i) s += " q" + std::to_string(i) + "v";
             return s;
         }},
        {"x-chain then copies",
         [num](std::size_t size) {
             S s = repeat_to("1x", size / 3);
             const std::size_t copies = fill(s, 2 * size / 3, [&](std::size_t i) { return num(i) + " v"; });
             s += "q";
             for (std::size_t i = 0; i < copies && s.size() < size; ++i) s += " q" + num(i) + " v";
             return s;
         }},
        {"point, copies, digit run",
         [num](std::size_t size) {
             return copies_then_free(
                 size, "1.", "7", [&](std::size_t i) { return num(i) + " v"; },
                 [&](std::size_t i) { return " q" + num(i) + " v"; }, false);
         }},
        {"copies cut from the back before a digit run",
         [](std::size_t size) {
             return copies_then_free(
                 size, "", "7", [](std::size_t i) { return six(i) + " v"; },
                 [](std::size_t i) { return " q" + six(i) + " v"; }, true);
         }},
        {"copies cut from the back before an x-chain",
         [](std::size_t size) {
             return copies_then_free(
                 size, "", "x1", [](std::size_t i) { return six(i) + " v"; },
                 [](std::size_t i) { return " q" + six(i) + " v"; }, true);
         }},
        {"copies cut next to a blank run",
         [](std::size_t size) {
             S s = "q" + S(size / 3, ' ');
             const std::size_t copies = fill(s, 2 * size / 3, [](std::size_t i) { return six(i) + " v"; });
             s += "q";
             for (std::size_t i = 0; i < copies && s.size() < size; ++i) s += " q" + six(i) + " v";
             return s;
         }},
        {"blocked copies matched in reverse",
         [](std::size_t size) {
             S s;
             const std::size_t copies = fill(s, size / 2, [](std::size_t i) { return " " + six(i) + " vq"; });
             for (std::size_t i = copies; i > 0 && s.size() < size; --i) s.append(" ").append(six(i - 1)).append(" v");
             return s;
         }},
        {"short copies, then free phrases of every length",
         [](std::size_t size) {
             // Many short blocked ends, then phrases of 1, 2, 3, ... digits: each length is looked
             // up once, and the short ends have no room for the long ones.
             S s = repeat_to("5 vq", size / 2);
             for (std::size_t i = 1; s.size() < size; ++i) s += " q" + S(i, '1') + " v";
             return s;
         }},
        {"long ends, then unmatched phrases of every length",
         [](std::size_t size) {
             // Ends after 500 digits, then phrases of 1, 2, 3, ... digits that none of them ends
             // with: every long end is asked about every length.
             S s = repeat_to(S(500, '1') + " vq", size / 2);
             for (std::size_t i = 1; s.size() < size && i < 500; ++i) s += " q2" + S(i, '1') + " v";
             return s;
         }},
        {"uneven letters then joined cuts",
         [](std::size_t size) {
             S s = repeat_to("\u0130", size / 3) + "5 k";
             fill(s, size, [](std::size_t) { return S("1mm"); });
             return s + "g";
         }},
        {"copy index, many lengths",
         [](std::size_t size) {
             // Ends with 17 bytes of room (one after "m", one after "mw", each blocked by what
             // follows), then phrases of every length from 18 on, sqrt(2n/3) of them: no end has
             // room for any, yet every length is asked about once.
             S phrases;
             for (std::size_t len = 18; len <= 18 + phrase_lengths(size); ++len)
                 phrases.append("q").append(len - 1, '2').append("v ");
             return repeat_to("111111111111111mw", size - std::min(size, phrases.size())) + phrases;
         }},
        {"copy index, long rooms",
         [](std::size_t size) {
             // Random 318-digit runs, each ending in "mw" that the next run's digits block (ends
             // with 320 bytes of room), then phrases of random digits of lengths 18 to 317 at most
             // (300 from 135 KB on) that match none: every end is read as far back as the
             // longest phrase and asked about every length.
             Rng rng(318);
             const auto digits = [&rng](std::size_t k) {
                 S d(k, '0');
                 for (char& c : d) c = static_cast<char>('0' + rng.below(10));
                 return d;
             };
             S phrases;
             const std::size_t last = std::min<std::size_t>(317, 18 + phrase_lengths(size));
             for (std::size_t len = 18; len <= last; ++len) phrases.append("q").append(digits(len - 1)).append("v ");
             S s;
             fill(s, size - std::min(size, phrases.size()), [&](std::size_t) { return digits(318) + "mw"; });
             return s + phrases;
         }},
        {"copy index, rejoined runs", [](std::size_t size) { return rejoined_runs(size, ""); }},
        {"copy index, rejoined runs, long phrases",
         [](std::size_t size) { return rejoined_runs(size, S(20, '1')); }},
    };
    // The hostile families of the per-pattern benchmark.
    const Family hostile[] = {
        repeated("blank run", "", " ", "x"),
        repeated("digit run", "", "1", ""),
        repeated("( + blanks", "(", " ", "x)"),
        repeated("target + blanks", "target", " ", "x"),
        repeated("comma blanks", "", ", ", ""),
        repeated("dimension phrases", "", "5mm ", ""),
        repeated("words + dimensions", "", "steel 2x3 cm, ", ""),
        repeated("dimension chain", "", "1x", "1"),
        repeated("spaced chain", "", "1 x ", "1"),
        repeated("wide-gap chain", "", "1      x ", "1"),
        repeated("quantity phrases", "", "5 pcs ", ""),
        repeated("vietnamese quantities", "", "5 c\u00E1i ", ""),
        repeated("xu\u1EA5t x\u1EE9 phrases", "", "xu\u1EA5t x\u1EE9 a, ", ""),
        repeated("qty: labels", "", "qty: ", ""),
        repeated("qty: n/a labels", "", "qty: n/a x ", ""),
        repeated("spec: labels", "", " spec: ", ""),
        repeated("* runs", "", "***a", ""),
        repeated("lone *", "*", "a", ""),
        repeated("blocked units", "", "5mx", " 5m"),
        repeated("earlier blocked copies", "", "5mx", "q5m"),
        repeated("uneven letters", "", "\u0130 5mm ", ""),
    };
    for (const Family& h : hostile) f.push_back({"hostile: " + h.name, h.build});
    return f;
}

// Printable form: ASCII as is (with \\, \" and \t escaped), other characters as \u{...}; long
// texts keep their head and tail.
inline std::string escaped(std::string_view s, std::size_t keep = 200) {
    std::string out;
    const auto add = [&out](std::string_view part) {
        // Bound: one step per character of `part`.
        for (std::size_t at = 0, len = 0; at < part.size(); at += len) {
            const char32_t c = tarsk::decode_utf8(part, at, len);
            char buf[16];
            if (c == '\\' || c == '"') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c == '\t') {
                out += "\\t";
            } else if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else {
                std::snprintf(buf, sizeof buf, "\\u{%X}", static_cast<unsigned>(c));
                out += buf;
            }
        }
    };
    if (s.size() <= keep) {
        add(s);
        return out;
    }
    // Cut at character starts so that the halves stay valid UTF-8.
    std::size_t head = keep * 2 / 3;
    while (head > 0 && (static_cast<unsigned char>(s[head]) & 0xC0) == 0x80) --head;
    std::size_t tail = s.size() - (keep - keep * 2 / 3);
    while (tail < s.size() && (static_cast<unsigned char>(s[tail]) & 0xC0) == 0x80) ++tail;
    add(s.substr(0, head));
    out += "\u2026(" + std::to_string(s.size()) + " bytes)\u2026";
    add(s.substr(tail));
    return out;
}

}  // namespace growth
