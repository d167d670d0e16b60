// The built-in vocabulary of the query parser: phrase lists and key/value maps, all in lower
// case, referring to constant texts. Built once per process and only read afterwards.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tarsk/token.hpp"

namespace tarsk {

using LexiconList = std::vector<std::string_view>;

struct LexiconPair {
    std::string_view key;
    std::string_view value;
};
using LexiconMap = std::vector<LexiconPair>;

// The size scales, each smallest first. The lexicon's SIZE_MAP holds their keys and the group
// parser expands size ranges along their sizes, both from these tables.
inline constexpr std::array<LexiconPair, 11> LETTER_SIZE_KEYS{{
    {"xxs", "XXS"}, {"xs", "XS"}, {"s", "S"}, {"m", "M"}, {"l", "L"}, {"xl", "XL"},
    {"xxl", "XXL"}, {"xxxl", "XXXL"}, {"2xl", "2XL"}, {"3xl", "3XL"}, {"4xl", "4XL"},
}};
inline constexpr std::array<LexiconPair, 3> WORD_SIZE_KEYS{{
    {"small", "small"}, {"medium", "medium"}, {"large", "large"},
}};
// Each number size is its own key.
inline constexpr std::array<std::string_view, 20> NUMBER_SIZES = {
    "27", "28", "29", "30", "31", "32", "33", "34", "35", "36",
    "37", "38", "39", "40", "41", "42", "43", "44", "45", "46",
};
inline constexpr std::array<LexiconPair, 12> PIPE_SIZE_KEYS{{
    {"dn15", "DN15"}, {"dn20", "DN20"}, {"dn25", "DN25"}, {"dn32", "DN32"}, {"dn40", "DN40"}, {"dn50", "DN50"},
    {"dn65", "DN65"}, {"dn80", "DN80"}, {"dn100", "DN100"}, {"dn150", "DN150"}, {"dn200", "DN200"}, {"dn300", "DN300"},
}};
// A schedule may have more than one key.
inline constexpr std::array<std::string_view, 3> SCHEDULES{"SCH10", "SCH40", "SCH80"};
inline constexpr std::array<LexiconPair, 5> SCHEDULE_KEYS{{
    {"schedule 10", SCHEDULES[0]}, {"schedule 40", SCHEDULES[1]}, {"schedule 80", SCHEDULES[2]},
    {"sch 40", SCHEDULES[1]}, {"sch 80", SCHEDULES[2]},
}};

struct UnitPair {
    std::string_view key;
    Unit value;
};
using UnitMap = std::vector<UnitPair>;

// Every field of the lexicon, X(type, NAME) for each in this order: the Lexicon record, the
// lexer's index of its keys and the tests' walks over all keys are all made from this one table.
#define TARSK_LEXICON_FIELDS(X)                                                                     \
    X(LexiconList, STANDARD_PREFIXES)                                                               \
    X(LexiconList, SIZE_KEYWORDS)                                                                   \
    X(LexiconList, COLOR_KEYWORDS)                                                                  \
    X(LexiconList, MATERIAL_KEYWORDS)                                                               \
    X(LexiconList, INTENT_PHRASES)                                                                  \
    X(LexiconList, PROTECTED_PHRASES)                                                               \
    X(LexiconList, AND_WORDS)                                                                       \
    X(LexiconList, OR_WORDS)                                                                        \
    X(LexiconList, TO_WORDS)                                                                        \
    X(LexiconMap, COLOR_MAP)                                                                        \
    X(LexiconMap, SIZE_MAP)                                                                         \
    X(LexiconMap, MATERIAL_MAP)                                                                     \
    X(LexiconMap, GENDER_MAP)                                                                       \
    X(LexiconMap, COUNTRY_MAP)                                                                      \
    X(UnitMap, UNIT_MAP)

struct Lexicon {
#define TARSK_LEXICON_MEMBER(Type, Name) Type Name;
    TARSK_LEXICON_FIELDS(TARSK_LEXICON_MEMBER)
#undef TARSK_LEXICON_MEMBER
};

#define TARSK_LEXICON_COUNT(Type, Name) +1
inline constexpr std::size_t LEXICON_FIELDS = 0 TARSK_LEXICON_FIELDS(TARSK_LEXICON_COUNT);
#undef TARSK_LEXICON_COUNT

// The keys of a map, in its order.
template <typename Map>
std::vector<std::string_view> map_keys(const Map& map) {
    std::vector<std::string_view> keys;
    for (const auto& pair : map) keys.push_back(pair.key);
    return keys;
}
inline std::vector<std::string_view> field_keys(const LexiconList& list) { return list; }
inline std::vector<std::string_view> field_keys(const LexiconMap& map) { return map_keys(map); }
inline std::vector<std::string_view> field_keys(const UnitMap& map) { return map_keys(map); }

// One field's name and keys.
struct LexiconField {
    std::string_view name;
    std::vector<std::string_view> keys;
};

// Every field with its keys, in the table's order (field i is KeyIndex{i} of the lexer's index).
inline std::vector<LexiconField> lexicon_fields(const Lexicon& lx) {
    return {
#define TARSK_LEXICON_ENTRY(Type, Name) {#Name, field_keys(lx.Name)},
        TARSK_LEXICON_FIELDS(TARSK_LEXICON_ENTRY)
#undef TARSK_LEXICON_ENTRY
    };
}

// A new lexicon holding every entry; lexicon() builds it once.
Lexicon build_lexicon();

// The process-wide lexicon, built on first use.
const Lexicon& lexicon();

}  // namespace tarsk
