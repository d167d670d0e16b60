#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "item_tables.hpp"
#include "occurrence.hpp"

namespace {

// The texts the origin step looks for, as it builds them from its tables.
std::vector<std::string> origin_needles() {
    std::vector<std::string> needles;
    for (const auto& [key, english] : brellin::VI_COUNTRY_MAP) {
        needles.emplace_back(key);
        needles.push_back("(" + std::string(key) + ",");
        needles.push_back("(" + std::string(key) + ")");
    }
    for (const std::string_view name : brellin::EN_COUNTRIES) {
        needles.push_back(", " + std::string(name));
        needles.push_back("(" + std::string(name));
    }
    return needles;
}

// One trie pass against one plain search per needle, on texts glued from pieces of the needles
// (shared prefixes, needles inside needles, overlapping and repeated starts).
TEST(FirstOccurrences, AgreeWithOneSearchPerNeedle) {
    const std::vector<std::string> needles = origin_needles();
    const brellin::NeedleTrie trie = brellin::make_needle_trie(needles);
    const std::vector<std::string> pieces = {
        "(", ")", ",", ", ", " ", "((", "tq", "t", "q", "trung qu\u1ed1c", "trung", "th\u1ed5 nh\u0129 k\u1ef3",
        "th\u1ed5", "vn", "vi\u1ec7t nam", "vi\u1ec7t", "china", "chin", "south korea", "south", "korea", "india",
        "indonesia", "indo", "\u1ea5n \u0111\u1ed9", "\u00fac", "m\u1ef9", "\u0111", "a", "1", "sri lanka",
    };
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> count(0, 30);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::size_t n = count(rng); n > 0; --n) text += pieces[pick(rng)];
        const std::vector<std::size_t> found = brellin::first_occurrences(trie, text);
        ASSERT_EQ(found.size(), needles.size());
        for (std::size_t i = 0; i < needles.size(); ++i)
            ASSERT_EQ(found[i], text.find(needles[i])) << "«" << text << "» «" << needles[i] << "»";
    }
}

TEST(FirstOccurrences, NeedlesThatAreEqualOrPrefixesOfEachOther) {
    const brellin::NeedleTrie trie = brellin::make_needle_trie({"ab", "a", "ab", "abc", "b"});
    EXPECT_EQ(brellin::first_occurrences(trie, "xxabab"),
              (std::vector<std::size_t>{2, 2, 2, std::string_view::npos, 3}));
    EXPECT_EQ(brellin::first_occurrences(trie, ""), std::vector<std::size_t>(5, std::string_view::npos));
    EXPECT_THROW(brellin::make_needle_trie({"a", ""}), std::logic_error);
}

}  // namespace
