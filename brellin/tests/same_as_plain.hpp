// The one-pass dimension step checked against the plain one on a text: the same phrases, the
// same text left. Loops call it under ASSERT_NO_FATAL_FAILURE, so that a broken step stops its
// test at the first text it gets wrong.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "dims_reference.hpp"
#include "item_steps.hpp"

inline void expect_same_as_plain(const std::string& text) {
    std::string fast = text;
    std::string plain = text;
    std::vector<std::string> fast_dims;
    std::vector<std::string> plain_dims;
    brellin::take_dimensions(fast, fast_dims);
    brellin::take_dimensions_plain(plain, plain_dims);
    ASSERT_EQ(fast_dims, plain_dims) << "on «" << text << "»";
    ASSERT_EQ(fast, plain) << "on «" << text << "»";
}

// The same on `items` random texts of up to `most` pieces each, drawn with `seed`; stops at the
// first text the step gets wrong.
inline void expect_same_as_plain_on_random_items(const std::vector<std::string>& pieces, unsigned seed, int items,
                                                 std::size_t most) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> count(0, most);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int i = 0; i < items; ++i) {
        std::string text;
        for (std::size_t n = count(rng); n > 0; --n) text += pieces[pick(rng)];
        ASSERT_NO_FATAL_FAILURE(expect_same_as_plain(text));
    }
}
