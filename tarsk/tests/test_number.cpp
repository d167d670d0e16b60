#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "tarsk/number.hpp"

using tarsk::format_number;
using tarsk::read_number;

TEST(FormatNumber, EdgeValues) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double v;
        int decimals;
        const char* want;
    } cases[] = {
        {100, 2, "100"},
        {100, 1, "100"},
        {2.5, 2, "2.50"},
        {2.5, 1, "2.5"},
        {0.001, 2, "0.00"},
        {1.125, 2, "1.12"},  // exact tie, to even
        {0.25, 1, "0.2"},
        {0.75, 1, "0.8"},
        {12.34, 1, "12.3"},
        {1e20, 2, "18446744073709551615"},
        {18446744073709551616.0, 2, "18446744073709551615"},
        {18446744073709549568.0, 2, "18446744073709549568"},
        {1e24, 1, "18446744073709551615"},
        {inf, 2, "inf"},
        {inf, 1, "inf"},
        {0.0, 2, "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(format_number(c.v, c.decimals), c.want) << c.v;
}

TEST(FormatShortest, ReadsBackAsTheSameDouble) {
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 30);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        const std::string text = tarsk::format_shortest(v);
        ASSERT_EQ(text.find_first_of("e+"), std::string::npos) << text;
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_EQ(back, v) << text;
    }
}

TEST(FormatShortest, RoundTripsWithoutExponent) {
    EXPECT_EQ(tarsk::format_shortest(5), "5");
    EXPECT_EQ(tarsk::format_shortest(2.5), "2.5");
    EXPECT_EQ(tarsk::format_shortest(0.1), "0.1");
    EXPECT_EQ(tarsk::format_shortest(1500), "1500");
    EXPECT_EQ(tarsk::format_shortest(1e21), "1000000000000000000000");
    // The fewest digits that read back, padded with zeros, not the digits of the nearest double.
    EXPECT_EQ(tarsk::format_shortest(1e23), "100000000000000000000000");
    EXPECT_EQ(tarsk::format_shortest(36028797018963968.0), "36028797018963970");  // 2^55
    EXPECT_EQ(tarsk::format_shortest(123.456), "123.456");
    EXPECT_EQ(tarsk::format_shortest(1.5e-7), "0.00000015");
    EXPECT_EQ(tarsk::format_shortest(0.0), "0");
    EXPECT_EQ(tarsk::format_shortest(-2.5), "-2.5");
    EXPECT_EQ(tarsk::format_shortest(std::numeric_limits<double>::infinity()), "inf");
}

TEST(ReadNumber, CommasDeletedAsciiOnlyOverflowInfinite) {
    EXPECT_EQ(read_number("1,5"), 15.0);
    EXPECT_EQ(read_number("1,000"), 1000.0);
    EXPECT_EQ(read_number("1.5"), 1.5);
    EXPECT_EQ(read_number("007"), 7.0);
    EXPECT_EQ(read_number("0"), 0.0);
    EXPECT_EQ(read_number("\xd9\xa3"), std::nullopt);      // ARABIC-INDIC DIGIT THREE
    EXPECT_EQ(read_number("\xef\xbc\x95"), std::nullopt);  // FULLWIDTH DIGIT FIVE
    EXPECT_EQ(read_number("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(read_number("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(read_number("18446744073709551616"), 18446744073709551616.0);
}
