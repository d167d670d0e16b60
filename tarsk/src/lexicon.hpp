// The built-in vocabulary of the query parser: phrase lists and key/value maps, all in lower
// case, referring to constant texts. Built once per process and only read afterwards.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tarsk/token.hpp"

namespace tarsk {

// The number sizes "27".."46", in ascending order: the lexicon's number-size keys and the
// group parser's number-size scale both come from this one table.
inline constexpr std::array<std::string_view, 20> NUMBER_SIZES = {
    "27", "28", "29", "30", "31", "32", "33", "34", "35", "36",
    "37", "38", "39", "40", "41", "42", "43", "44", "45", "46",
};

using LexiconList = std::vector<std::string_view>;

struct LexiconPair {
    std::string_view key;
    std::string_view value;
};
using LexiconMap = std::vector<LexiconPair>;

struct UnitPair {
    std::string_view key;
    Unit value;
};
using UnitMap = std::vector<UnitPair>;

struct Lexicon {
    LexiconList STANDARD_PREFIXES;
    LexiconList SIZE_KEYWORDS;
    LexiconList COLOR_KEYWORDS;
    LexiconList MATERIAL_KEYWORDS;
    LexiconList INTENT_PHRASES;
    LexiconList PROTECTED_PHRASES;
    LexiconList AND_WORDS;
    LexiconList OR_WORDS;
    LexiconList TO_WORDS;
    LexiconMap COLOR_MAP;
    LexiconMap SIZE_MAP;
    LexiconMap MATERIAL_MAP;
    LexiconMap GENDER_MAP;
    LexiconMap COUNTRY_MAP;
    UnitMap UNIT_MAP;
};

// The keys of a map, in its order.
template <typename Map>
std::vector<std::string_view> map_keys(const Map& map) {
    std::vector<std::string_view> keys;
    for (const auto& pair : map) keys.push_back(pair.key);
    return keys;
}

// A new lexicon holding every entry; lexicon() builds it once.
Lexicon build_lexicon();

// The process-wide lexicon, built on first use.
const Lexicon& lexicon();

}  // namespace tarsk
