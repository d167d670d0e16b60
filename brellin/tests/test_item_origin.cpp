#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "brellin/item_normalizer.hpp"
#include "item_steps.hpp"

using brellin::capitalize_first;
using brellin::normalize_item;

namespace {

struct OriginCase {
    const char* input;
    std::optional<std::string> origin;
    const char* text;
};

// The rules of each way an origin is found; the whole items of test_item_normalizer cover the rest.
const OriginCase CASES[] = {
    // The origin phrase: a country key anywhere in the item wins over the phrase, even inside
    // another word.
    {"Ghế gỗ xuất xứ tqx", "China", "Ghế gỗ"},
    {"Vải xuất xứ  pháp 2", "Pháp", "Vải 2"},
    // The parenthesised country: "(key," whose rest is a lone comma, or whose rest starts with commas.
    {"Ống (tq,,)", "China", "Ống"},
    {"Ống (tq, ,mới)", "China", "Ống (mới)"},
    {"Ống (úc) loại 1", "Australia", "Ống  loại 1"},
    // The English country name: a rejected ", name" falls through to "(name"; the ")" stays.
    {"Cups, chinaware (china)", "China", "Cups chinaware )"},
    {"Spices (Brazil)", "Brazil", "Spices )"},
    {"Spices (Indonesia)", "Indonesia", "Spices"},  // also a Vietnamese key: cut whole as a parenthesised country
    {"Rice, india", "India", "Rice"},
    {"Rice, korea", "Korea", "Rice"},
    {"Rice, india2", std::nullopt, "Rice india2"},
    {"Rice (sri lanka-grown", "Sri lanka", "Rice -grown"},
};

TEST(NormalizeItem, OriginStrategies) {
    for (const OriginCase& c : CASES) {
        SCOPED_TRACE(c.input);
        const auto item = normalize_item(c.input);
        EXPECT_EQ(item.origin, c.origin);
        EXPECT_EQ(item.text, c.text);
    }
}

TEST(CapitalizeFirst, FullUpperCaseMappingOfTheFirstCharacter) {
    EXPECT_EQ(capitalize_first(""), "");
    EXPECT_EQ(capitalize_first("south korea"), "South korea");
    EXPECT_EQ(capitalize_first("pháp"), "Pháp");
    EXPECT_EQ(capitalize_first("ßx"), "SSx");
    EXPECT_EQ(capitalize_first("\u0390a"), "\u0399\u0308\u0301a");  // one letter, three characters
}

}  // namespace
