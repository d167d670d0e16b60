#include "dimension_automaton.hpp"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/utf8.h>

#include "tarsk/pattern.hpp"

namespace brellin::dims {

namespace {

// ---- Characters -------------------------------------------------------------------------

std::string encode(char32_t c) {
    char buf[U8_MAX_LENGTH];
    int32_t n = 0;
    U8_APPEND_UNSAFE(buf, n, static_cast<UChar32>(c));
    return std::string(buf, static_cast<std::size_t>(n));
}

// The classes are asked of the engine itself, with the same rewrites as DIMS_RE, so that
// its Unicode tables decide what a digit, a blank or a word character is.
struct Classes {
    tarsk::Pattern digit{R"(^\d$)"};
    tarsk::Pattern space{R"(^\s$)"};
    tarsk::Pattern word{R"(^\w$)"};
    tarsk::Pattern times{"(?i)^[xX\u00D7]$"};
    tarsk::Pattern any_letter{"(?i)^[a-z]$"};
    std::array<tarsk::Pattern, 26> letters = make_letters();

    static std::array<tarsk::Pattern, 26> make_letters() {
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            return std::array<tarsk::Pattern, 26>{tarsk::Pattern(std::string("(?i)^") + char('a' + I) + "$")...};
        }(std::make_index_sequence<26>{});
    }

    CharInfo of(char32_t c) const {
        if (c >= 0xD800 && c < 0xE000) return {};
        const std::string s = encode(c);
        CharInfo info;
        info.word = word.is_match(s);
        if (s == ",") {
            info.kind = Kind::Comma;
        } else if (s == ".") {
            info.kind = Kind::Point;
        } else if (digit.is_match(s)) {
            info.kind = Kind::Digit;
        } else if (space.is_match(s)) {
            info.kind = Kind::Space;
        } else if (times.is_match(s)) {
            info.kind = Kind::Times;
            info.letter = 'x';
        } else if (any_letter.is_match(s)) {
            info.kind = Kind::Letter;
            for (std::size_t i = 0; i < letters.size(); ++i) {
                if (letters[i].is_match(s)) info.letter = static_cast<char>('a' + i);
            }
        }
        return info;
    }
};

const Classes& classes() {
    static const Classes c;
    return c;
}

constexpr std::size_t BLOCK = 256;
constexpr std::size_t BLOCKS = 0x110000 / BLOCK;

using Block = std::array<CharInfo, BLOCK>;

// Each block of 256 code points is classified once per process, on first sight.
// A fixed array indexed by block number: one load per character, at most 4352 blocks ever built.
const Block& block(std::size_t b) {
    static std::array<std::atomic<const Block*>, BLOCKS> blocks{};
    static std::mutex mutex;
    static std::vector<std::unique_ptr<Block>> owned;
    if (const Block* p = blocks[b].load(std::memory_order_acquire)) return *p;
    const std::lock_guard<std::mutex> lock(mutex);
    if (const Block* p = blocks[b].load(std::memory_order_relaxed)) return *p;
    auto fresh = std::make_unique<Block>();
    for (std::size_t i = 0; i < BLOCK; ++i) (*fresh)[i] = classes().of(static_cast<char32_t>(b * BLOCK + i));
    blocks[b].store(fresh.get(), std::memory_order_release);
    owned.push_back(std::move(fresh));
    return *owned.back();
}

// ---- Unit names -------------------------------------------------------------------------

struct Node {
    std::array<Live, 26> child{};  // NONE when absent; indexed by letter, one load per step
    bool bounded = false;          // spells a unit that needs \b
    char closes = 0;               // the letter that ends mm, cm or oz here
};

struct Trie {
    std::vector<Node> nodes;  // node i is live set FIRST_NODE + i; nodes[0] is the root
    Trie() {
        nodes.emplace_back();
        for (const Unit& unit : UNITS) {
            if (unit.bounded) {
                nodes[walk(unit.name)].bounded = true;
                continue;
            }
            // A unit without \b ends on its last letter whatever follows; it comes before every
            // longer name with the same start in DIMS_RE, so nothing goes on past it.
            char& closes = nodes[walk(unit.name.substr(0, unit.name.size() - 1))].closes;
            if (closes != 0) throw std::logic_error("two units without \\b share all but their last letter");
            closes = unit.name.back();
        }
        if (nodes.size() > CUT - FIRST_NODE) throw std::logic_error("too many unit trie nodes for one byte");
    }
    std::size_t walk(std::string_view letters) {
        std::size_t at = 0;
        for (const char l : letters) {
            Live next = nodes[at].child[static_cast<std::size_t>(l - 'a')];
            if (next == NONE) {
                next = static_cast<Live>(FIRST_NODE + nodes.size());
                nodes[at].child[static_cast<std::size_t>(l - 'a')] = next;
                nodes.emplace_back();
            }
            at = static_cast<std::size_t>(next - FIRST_NODE);
        }
        return at;
    }
    const Node& node(Live live) const { return nodes[static_cast<std::size_t>(live - FIRST_NODE)]; }
    Live from_root(const CharInfo& c) const {
        if (c.kind != Kind::Letter || c.letter == 0) return NONE;
        return nodes[0].child[static_cast<std::size_t>(c.letter - 'a')];
    }
};

const Trie& trie() {
    static const Trie t;
    return t;
}

}  // namespace

CharInfo classify_wide(char32_t c) {
    if (c >= 0x110000) return {};
    return block(c / BLOCK)[c % BLOCK];
}

Live start(const CharInfo& c) {
    switch (c.kind) {
        case Kind::Comma:
        case Kind::Space:
            return LEAD;
        case Kind::Digit:
            return INT;
        default:
            return NONE;
    }
}

Live step_one(Live state, const CharInfo& c) {
    if (is_node(state)) {
        if (c.letter == 0 || c.kind == Kind::Times) return NONE;
        return trie().node(state).child[static_cast<std::size_t>(c.letter - 'a')];
    }
    const Kind k = c.kind;
    switch (state) {
        case LEAD:
            return k == Kind::Space ? LEAD : k == Kind::Digit ? INT : NONE;
        case INT:
            if (k == Kind::Digit) return INT;
            if (k == Kind::Comma || k == Kind::Point) return SEP;
            break;
        case SEP:
            return k == Kind::Digit ? FRAC : NONE;
        case FRAC:
            if (k == Kind::Digit) return FRAC;
            break;
        case GAP:
            break;
        case AFTER_X:
            return k == Kind::Space ? AFTER_X : k == Kind::Digit ? INT : NONE;
        default:
            return NONE;
    }
    // INT, FRAC and GAP: blanks, an x, or the first letter of a unit.
    if (k == Kind::Space) return GAP;
    if (k == Kind::Times) return AFTER_X;
    return trie().from_root(c);
}

namespace {

// The live set after a character that is not a letter, for each set of bit states and each
// kind of character, attempts starting at it included (letters go through the unit trie).
// A fixed 64 x 7 array: one load per character, whatever the text.
struct BitTable {
    std::array<std::array<Live, 7>, 64> next{};
    BitTable() {
        for (Live live = 0; live < 64; ++live) {
            for (std::size_t k = 0; k < 7; ++k) {
                CharInfo c;
                c.kind = static_cast<Kind>(k);
                if (c.kind == Kind::Letter) continue;
                Live n = start(c);
                for (Live bit = LEAD; bit <= AFTER_X; bit = static_cast<Live>(bit << 1)) {
                    if ((live & bit) != 0) n |= step_one(bit, c);
                }
                next[live][k] = n;
            }
        }
    }
};

const BitTable& bit_table() {
    static const BitTable t;
    return t;
}

}  // namespace

Step step(Live live, const CharInfo& c) {
    if (is_node(live)) {
        const Node& n = trie().node(live);
        if (n.closes != 0 && c.letter == n.closes && c.kind == Kind::Letter) return {NONE, Accept::After};
        if (n.bounded && !c.word) return {NONE, Accept::Before};
        const Live next = step_one(live, c);
        return {next != NONE ? next : start(c), Accept::No};
    }
    // A letter: only a number or the blanks after one go on, into the unit trie; nothing
    // starts at a letter.
    if (c.kind == Kind::Letter) return {(live & (INT | FRAC | GAP)) != 0 ? trie().from_root(c) : NONE, Accept::No};
    return {bit_table().next[live][static_cast<std::size_t>(c.kind)], Accept::No};
}

bool bounded_unit(Live live) { return is_node(live) && trie().node(live).bounded; }

std::vector<const tarsk::Pattern*> class_patterns() {
    const Classes& c = classes();
    std::vector<const tarsk::Pattern*> out{&c.digit, &c.space, &c.word, &c.times, &c.any_letter};
    for (const tarsk::Pattern& p : c.letters) out.push_back(&p);
    return out;
}

}  // namespace brellin::dims
