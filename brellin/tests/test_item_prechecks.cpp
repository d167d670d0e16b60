// The normaliser's pre-checks: where one says a step can find nothing, running the step anyway
// changes nothing.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "brellin/item_normalizer.hpp"
#include "dims_reference.hpp"
#include "item_prechecks.hpp"
#include "item_steps.hpp"
#include "patterns.hpp"
#include "tarsk/number.hpp"

namespace {

struct Answers {
    const char* text;
    bool cleaning, digit, price, origin;
};

// The borders: case partners beyond ASCII, digits beyond ASCII, each origin form's first mark.
const Answers ANSWERS[] = {
    {"", false, false, false, false},
    {"plain cotton shirts", false, false, false, false},
    {"  padded text...  ", false, false, false, false},
    {"a*b", true, false, false, false},
    {"pRoDuCt: gloves", true, false, false, false},
    {"SPEC: x", true, false, false, false},
    {"\xC5\xBF" "pec: x", true, true, true, true},  // long s, which (?i) matches as s
    {"QTY: n/a", true, false, false, false},
    {"x 5", false, true, false, false},
    {"x \xEF\xBC\x95", false, true, true, true},  // fullwidth five
    {"\xE2\x84\xAA" "elvin", false, true, true, true},  // Kelvin sign
    {"TarGet 5", false, true, true, false},
    {"target x", false, false, false, false},
    {"@5", false, true, true, false},
    {"gi\xC3\xA1 m\xE1\xBB\xA5" "c ti\xC3\xAA" "u 5", false, true, true, true},
    {"a, b", false, false, false, true},
    {"a (b)", false, false, false, true},
    {"XU\xE1\xBA\xA4T X\xE1\xBB\xA8 vi\xE1\xBB\x87t", false, true, true, true},
};

TEST(ItemPrechecks, Answers) {
    for (const auto& a : ANSWERS) {
        EXPECT_EQ(brellin::may_need_cleaning(a.text), a.cleaning) << a.text;
        EXPECT_EQ(brellin::may_hold_digit(a.text), a.digit) << a.text;
        EXPECT_EQ(brellin::may_hold_price(a.text), a.price) << a.text;
        EXPECT_EQ(brellin::may_name_origin(a.text), a.origin) << a.text;
    }
}

const char* const PIECES[] = {
    "shirt", "Shirt", "PCS", "pcs", "5", "1,200", "3.5", "kg", "mm", "x", "X", "20", "cm", "target", "TARGET",
    "usd", "@", "product", "Product:", "spec", "Spec:", "qty", "Qty:", "n/a", "*", "**bold**", ".", "..", ",",
    "(", ")", "( , )", "china", "China", "vietnam", "korea", "xu\xE1\xBA\xA5t x\xE1\xBB\xA9",
    "vi\xE1\xBB\x87t nam", "tq", "c\xC3\xA1i", "gi\xC3\xA1 m\xE1\xBB\xA5" "c ti\xC3\xAA" "u", "\xE2\x84\xAA",
    "\xC5\xBF", "\xC4\xB0", "\xEF\xBC\x95", "  ", "\t", ":", "/",
};

std::string generated_item(std::mt19937& rng) {
    std::string text;
    const std::size_t pieces = rng() % 7;
    for (std::size_t p = 0; p < pieces; ++p) {
        if (rng() % 3 != 0) text += ' ';
        text += PIECES[rng() % std::size(PIECES)];
    }
    return text;
}

struct Outcome {
    std::string working;
    brellin::NormalizedItem item;
};

bool same(const Outcome& a, const Outcome& b) {
    return a.working == b.working && a.item.qty == b.item.qty && a.item.price == b.item.price &&
           a.item.dims == b.item.dims && a.item.uom == b.item.uom && a.item.currency == b.item.currency &&
           a.item.origin == b.item.origin;
}

template <class Step>
Outcome after(const std::string& working, Step step) {
    Outcome out{working, {}};
    step(out.working, out.item);
    return out;
}

TEST(ItemPrechecks, ASkippedStepWouldHaveChangedNothing) {
    std::mt19937 rng(7);
    int skipped_cleaning = 0, skipped_digit = 0, skipped_price = 0, skipped_origin = 0;
    for (int n = 0; n < 5000; ++n) {
        const std::string text = generated_item(rng);
        SCOPED_TRACE(text);
        if (!brellin::may_need_cleaning(text)) {
            ++skipped_cleaning;
            EXPECT_EQ(brellin::clean_item(text), brellin::trimmed_item(text));
        }
        const Outcome unchanged{text, {}};
        if (!brellin::may_hold_price(text)) {
            ++skipped_price;
            EXPECT_TRUE(same(after(text, brellin::take_target_price), unchanged));
        }
        if (!brellin::may_hold_digit(text)) {
            ++skipped_digit;
            EXPECT_TRUE(same(after(text, brellin::take_quantity), unchanged));
            EXPECT_TRUE(same(after(text, [](std::string& w, brellin::NormalizedItem& i) {
                                 brellin::take_dimensions_plain(w, i.dims);
                             }),
                             unchanged));
        }
        if (!brellin::may_name_origin(text)) {
            ++skipped_origin;
            // take_origin skips on its own, so the strategies are run through a text that only
            // differs by a character none of them reads.
            const Outcome ran = after(text + "\xC3\xA9", brellin::take_origin);
            EXPECT_EQ(ran.working, text + "\xC3\xA9");
            EXPECT_FALSE(ran.item.origin);
        }
    }
    // Each check said "no" often enough for the comparisons to mean something.
    EXPECT_GT(skipped_cleaning, 500);
    EXPECT_GT(skipped_digit, 500);
    EXPECT_GT(skipped_price, 500);
    EXPECT_GT(skipped_origin, 500);
}

// Every step of the normaliser run with no pre-check at all (the origin step keeps its own, which
// the test above covers): the reference for normalize_item.
brellin::NormalizedItem every_step(std::string_view text) {
    brellin::NormalizedItem item;
    std::string working = brellin::clean_item(text);
    brellin::take_target_price(working, item);
    brellin::take_quantity(working, item);
    brellin::take_origin(working, item);
    working = brellin::pattern(brellin::Pat::EMPTY_PARENS_RE).replace_all(working, "");
    brellin::take_dimensions_plain(working, item.dims);
    working = brellin::dissolve_commas(working);
    item.text = item.qty ? tarsk::format_number(*item.qty, 2) + " " + *item.uom + " " + working : working;
    return item;
}

TEST(ItemPrechecks, NormalizeItemAgreesWithEveryStepRun) {
    std::mt19937 rng(11);
    for (int n = 0; n < 5000; ++n) {
        const std::string text = generated_item(rng);
        SCOPED_TRACE(text);
        const brellin::NormalizedItem want = every_step(text);
        const brellin::NormalizedItem got = brellin::normalize_item(text);
        EXPECT_EQ(got.text, want.text);
        EXPECT_TRUE(same({got.text, got}, {want.text, want}));
    }
}

}  // namespace
