// The dimension pattern DIMS_RE as a forward automaton over the lower-cased item text.
//
// DIMS_RE is `(?i),?\s*(\d+(?:[.,]\d+)?(?:\s*[xX×]\s*\d+(?:[.,]\d+)?)*\s*(?:mm|cm|m\b|oz|kg\b|…))`.
// Tried at one start it never has a second way through: every repetition can give back only
// what the next element cannot take (a blank is no digit, a digit no separator, no unit begins
// with x or a digit), so an attempt is one path of the states below. Attempts that reach the
// same state at the same place end the same way, so the set of live states is all a search
// needs; the earliest start of the attempts in a state is found afterwards by walking back.
//
// States before the unit, one bit each: LEAD (after the comma or blanks before the first
// number), INT (in the digits of a number), SEP (after its "." or ","), FRAC (in its decimals),
// GAP (blanks after a number), AFTER_X (after an x and its blanks). After a letter only one
// attempt can be live, in one node of the trie of unit names: a live set is either a set of
// bits or one trie node, which fits in one byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarsk {
class Pattern;
}

namespace brellin::dims {

// DIMS_RE's unit names in its order, "inch(?:es)?" spelled out; `bounded`: a \b follows it
// there. The unit trie is built from this list; a test reads the names and \b tests back out of
// the pattern as written and requires the same set.
struct Unit {
    std::string_view name;
    bool bounded;
};

inline constexpr auto UNITS = std::to_array<Unit>({
    {"mm", false}, {"cm", false}, {"m", true},    {"oz", false},    {"kg", true},  {"ml", true},
    {"l", true},   {"kw", true},  {"mw", true},   {"kva", true},    {"v", true},   {"ah", true},
    {"w", true},   {"khz", true}, {"hz", true},   {"mhz", true},    {"rpm", true}, {"psi", true},
    {"mpa", true}, {"bar", true}, {"inch", true}, {"inches", true},
});

enum class Kind : std::uint8_t { Other, Comma, Point, Digit, Space, Times, Letter };

// What the pattern sees of one character: its kind, the unit letter it matches under (?i)
// (0 when none) and whether it is a word character for \b.
struct CharInfo {
    Kind kind = Kind::Other;
    char letter = 0;
    bool word = false;
};

// Characters beyond ASCII, asked of the engine once per block of code points.
CharInfo classify_wide(char32_t c);

// Indexed by the byte itself: one load per ASCII character, whatever the text.
constexpr std::array<CharInfo, 128> ASCII = [] {
    std::array<CharInfo, 128> table{};
    for (int c = 0; c < 128; ++c) {
        CharInfo& info = table[static_cast<std::size_t>(c)];
        const bool lower = c >= 'a' && c <= 'z';
        const bool upper = c >= 'A' && c <= 'Z';
        const bool digit = c >= '0' && c <= '9';
        info.word = lower || upper || digit || c == '_';
        if (c == ',') {
            info.kind = Kind::Comma;
        } else if (c == '.') {
            info.kind = Kind::Point;
        } else if (digit) {
            info.kind = Kind::Digit;
        } else if ((c >= 0x09 && c <= 0x0D) || c == ' ') {
            info.kind = Kind::Space;
        } else if (c == 'x' || c == 'X') {
            info.kind = Kind::Times;
        } else if (lower || upper) {
            info.kind = Kind::Letter;
        }
        if (lower || upper) info.letter = static_cast<char>(lower ? c : c - 'A' + 'a');
    }
    return table;
}();

inline CharInfo classify(char32_t c) { return c < 0x80 ? ASCII[c] : classify_wide(c); }

// Characters a dimension phrase can hold before its unit.
inline bool spacer(const CharInfo& c) { return c.kind != Kind::Other && c.kind != Kind::Letter; }

using Live = std::uint8_t;
constexpr Live NONE = 0;
constexpr Live LEAD = 1;
constexpr Live INT = 2;
constexpr Live SEP = 4;
constexpr Live FRAC = 8;
constexpr Live GAP = 16;
constexpr Live AFTER_X = 32;
constexpr Live FIRST_NODE = 64;  // live sets from here on are one trie node
constexpr Live CUT = 255;        // marks a character that has been cut out

inline bool is_node(Live live) { return live >= FIRST_NODE && live != CUT; }

// The match ends before the character just read (a unit with \b followed by a non-word
// character) or includes it (the last letter of mm, cm or oz).
enum class Accept : std::uint8_t { No, Before, After };

struct Step {
    Live next = NONE;
    Accept accept = Accept::No;
};

// The live set after `c`, attempts starting at `c` included, or the end of a match.
Step step(Live live, const CharInfo& c);

// One state through `c` (a single bit or a node), without acceptance: NONE when it dies.
Live step_one(Live state, const CharInfo& c);

// The state an attempt starting at `c` is in after it, or NONE.
Live start(const CharInfo& c);

// A node spelling a unit that needs a word boundary after it: a match ends here when a
// non-word character or the end of the text follows.
bool bounded_unit(Live live);

// The patterns the character classes are asked of, so that checks can run them on the engine
// with and without JIT.
std::vector<const tarsk::Pattern*> class_patterns();

}  // namespace brellin::dims
