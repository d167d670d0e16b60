// Longest-match lookups of lexicon lists and maps against the rest of the prepared text. Every
// key of every list and map sits in one trie, so a single walk along the text answers all of
// them at once, reading each byte of the text once however many keys share it.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "lexer_space.hpp"
#include "lexicon.hpp"

namespace tarsk {

// One list or map of the lexicon, as the trie knows it: its place in the lexicon's field table.
enum class KeyIndex : std::uint8_t {
#define TARSK_INDEX_ENUMERATOR(Type, Name) Name,
    TARSK_LEXICON_FIELDS(TARSK_INDEX_ENUMERATOR)
#undef TARSK_INDEX_ENUMERATOR
};

// The member of Lexicon that each index stands for.
template <KeyIndex I>
struct LexiconMember;
#define TARSK_INDEX_MEMBER(Type, Name)                                   \
    template <>                                                          \
    struct LexiconMember<KeyIndex::Name> {                               \
        using type = Type;                                               \
        static constexpr Type Lexicon::*member = &Lexicon::Name;         \
    };
TARSK_LEXICON_FIELDS(TARSK_INDEX_MEMBER)
#undef TARSK_INDEX_MEMBER

// The fields whose keys stand for values: the maps.
template <KeyIndex I>
concept MapIndex = !std::same_as<typename LexiconMember<I>::type, LexiconList>;

struct KeyHit {
    std::uint16_t slot;  // position of the key in its list or map
    std::size_t length;
};

// What every list and map of the lexicon holds at one position of the text.
class LexiconHits {
public:
    // The longest key that the text begins with and that is followed by a boundary.
    std::optional<KeyHit> longest(KeyIndex index) const { return hit(longest_mask_, longest_, index); }
    // The key earliest in list order that the text begins with, no boundary required.
    std::optional<KeyHit> first(KeyIndex index) const { return hit(first_mask_, first_, index); }
    // Byte length of longest(index), 0 when there is none.
    std::size_t length(KeyIndex index) const {
        const std::size_t field = at(index);
        return (longest_mask_ >> field & 1) != 0 ? longest_[field].length : 0;
    }
    // The value of map I's longest qualifying key; only when length(I) is not 0. The index alone
    // picks the map, so no other map's slots can be read with it, and a list has no value.
    template <KeyIndex I>
        requires MapIndex<I>
    auto value() const {
        return (lexicon().*LexiconMember<I>::member)[longest_[at(I)].slot].value;
    }

    // Forgets every key noted so far.
    void clear() { longest_mask_ = first_mask_ = 0; }
    // Notes a key of `field` that the text begins with; keys come shortest first.
    void record(std::uint8_t field, std::uint16_t slot, std::uint8_t length, bool boundary) {
        const std::uint32_t bit = std::uint32_t{1} << field;
        if ((first_mask_ & bit) == 0 || slot < first_[field].slot) first_[field] = {slot, length};
        first_mask_ |= bit;
        // A later qualifying key is longer, so it replaces an earlier one.
        if (boundary) {
            longest_[field] = {slot, length};
            longest_mask_ |= bit;
        }
    }

private:
    struct Found {
        std::uint16_t slot;
        std::uint8_t length;
    };
    using Fields = std::array<Found, LEXICON_FIELDS>;
    static constexpr std::size_t at(KeyIndex index) { return static_cast<std::size_t>(index); }
    static std::optional<KeyHit> hit(std::uint32_t mask, const Fields& found, KeyIndex index) {
        const std::size_t field = at(index);
        if ((mask >> field & 1) == 0) return std::nullopt;
        return KeyHit{found[field].slot, found[field].length};
    }
    // Bit f tells that entry f of the array beside it is set; the arrays are left unset otherwise,
    // since most positions match only a few fields.
    std::uint32_t longest_mask_ = 0;
    std::uint32_t first_mask_ = 0;
    Fields longest_;
    Fields first_;
};

// All lists and maps at the start of `rest`, from one walk of the trie.
LexiconHits lexicon_hits(std::string_view rest);
// The same, into `hits` (whatever it held before).
void find_lexicon_hits(std::string_view rest, LexiconHits& hits);

// One field's answer alone; the lexer asks lexicon_hits once per position instead.
std::optional<KeyHit> longest_key(KeyIndex index, std::string_view rest);
std::optional<KeyHit> first_prefix(KeyIndex index, std::string_view rest);

}  // namespace tarsk
