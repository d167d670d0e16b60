#include <gtest/gtest.h>

#include "tarsk/text.hpp"

using namespace tarsk;

TEST(Text, WhiteSpaceIsTheUnicodeProperty) {
    for (char32_t c : {0x9, 0xA, 0xB, 0xC, 0xD, 0x20, 0x85, 0xA0, 0x1680, 0x2000, 0x200A, 0x2028, 0x2029,
                       0x202F, 0x205F, 0x3000})
        EXPECT_TRUE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
    for (char32_t c : {0x180E, 0x200B, 0xFEFF, 0x0, 0x61, 0x1C})
        EXPECT_FALSE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
}

TEST(Text, TrimRemovesUnicodeWhiteSpaceOnly) {
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim(" \t\n "), "");
    EXPECT_EQ(trim("\xc2\xa0 a b\xe3\x80\x80"), "a b");
    EXPECT_EQ(trim("\xe1\xa0\x8e" "a"), "\xe1\xa0\x8e" "a");  // U+180E is no white space
    EXPECT_EQ(trim(std::string_view("\0a\0", 3)), std::string_view("\0a\0", 3));
}

TEST(Text, FullCaseMappings) {
    EXPECT_EQ(to_lower("ÁO POLO"), "áo polo");
    EXPECT_EQ(to_lower("\xc4\xb0"), "i\xcc\x87");   // U+0130 -> i + U+0307
    EXPECT_EQ(to_lower("\xe2\x84\xaa"), "k");        // KELVIN SIGN
    EXPECT_EQ(to_lower("\xe1\xba\x9e"), "\xc3\x9f");  // CAPITAL SHARP S
    EXPECT_EQ(to_upper("ß"), "SS");
    EXPECT_EQ(to_upper("iso 9001"), "ISO 9001");
    EXPECT_EQ(to_lower(""), "");
    EXPECT_EQ(to_lower(std::string_view("A\0B", 3)), std::string_view("a\0b", 3));
}

TEST(Text, Utf8Checks) {
    EXPECT_TRUE(is_valid_utf8("áo \xf0\x9f\x98\x80"));
    EXPECT_FALSE(is_valid_utf8("\xff"));
    EXPECT_FALSE(is_valid_utf8("\xed\xa0\x80"));  // an encoded surrogate
    std::size_t len = 0;
    EXPECT_EQ(decode_utf8("\xe1\xbb\x87", 0, len), 0x1EC7u);
    EXPECT_EQ(len, 3u);
    EXPECT_TRUE(is_numeric(0x0663));
    EXPECT_TRUE(is_numeric(0x2167));  // ROMAN NUMERAL EIGHT (Nl)
    EXPECT_TRUE(is_alphabetic(0x00E9));
    EXPECT_FALSE(is_alphabetic('-'));
}
