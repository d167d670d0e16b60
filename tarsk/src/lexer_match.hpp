// Longest-match lookups of lexicon lists and maps against the rest of the prepared text.
// Keys are indexed by first byte, longest first, so a lookup touches only the few keys that
// can start at the position instead of the whole list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "lexicon.hpp"

namespace tarsk {

// Byte length of the white-space character that starts `rest`, or 0.
std::size_t white_space_at(std::string_view rest);

// Whether a match ending right before `rest` ends a word there.
bool is_boundary(std::string_view rest);

struct KeyIndex {
    struct Entry {
        std::string_view key;
        std::uint16_t slot;  // position of the key in its list or map
    };
    // Entries whose key starts with byte b are entries[first[b] .. first[b + 1]).
    std::array<std::uint16_t, 257> first{};
    std::vector<Entry> entries;
};

KeyIndex make_index(const std::vector<std::string_view>& keys);

struct KeyHit {
    std::uint16_t slot;
    std::size_t length;
};

// The longest key that `rest` begins with and that is followed by a boundary.
std::optional<KeyHit> longest_key(const KeyIndex& index, std::string_view rest);

// The key earliest in list order that `rest` begins with, no boundary required.
std::optional<KeyHit> first_prefix(const KeyIndex& index, std::string_view rest);

// One index per lexicon list and map, built once from lexicon().
struct LexiconIndex {
    KeyIndex STANDARD_PREFIXES, SIZE_KEYWORDS, COLOR_KEYWORDS, MATERIAL_KEYWORDS, INTENT_PHRASES,
        PROTECTED_PHRASES, AND_WORDS, OR_WORDS, TO_WORDS;
    KeyIndex COLOR_MAP, SIZE_MAP, MATERIAL_MAP, GENDER_MAP, COUNTRY_MAP, UNIT_MAP;
};

const LexiconIndex& lexicon_index();

// Byte length of the longest qualifying entry of an indexed list.
std::optional<std::size_t> longest_list_match(const KeyIndex& list, std::string_view rest);

struct MapHit {
    std::string_view value;
    std::size_t length;
};

// The value and byte length of the longest qualifying key of an indexed map.
std::optional<MapHit> longest_map_match(const KeyIndex& keys, const LexiconMap& map, std::string_view rest);

}  // namespace tarsk
