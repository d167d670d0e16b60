// The one-pass dimension step checked against the plain one on a text: the same phrases, the
// same text left. Loops call it under ASSERT_NO_FATAL_FAILURE, so that a broken step stops its
// test at the first text it gets wrong.
#pragma once

#include <gtest/gtest.h>

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
