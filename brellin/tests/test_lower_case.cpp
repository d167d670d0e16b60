// The lower-case helpers against tarsk::to_lower, which they stand in for.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include <unicode/utf8.h>

#include "lower_case.hpp"
#include "tarsk/text.hpp"

namespace {

std::string encoded(char32_t c) {
    char bytes[U8_MAX_LENGTH];
    std::size_t n = 0;
    U8_APPEND_UNSAFE(bytes, n, static_cast<UChar32>(c));
    return std::string(bytes, n);
}

// Every code point, each on its own line, lowered by one call; no lower-case form holds a line
// feed, so the lines of the result are the characters' forms in order.
TEST(LowerLength, EveryCodePointAgreesWithTheFullMapping) {
    std::string all;
    std::vector<char32_t> code_points;
    for (char32_t c = 0; c < 0x110000; ++c) {
        if ((c >= 0xD800 && c < 0xE000) || c == '\n') continue;
        code_points.push_back(c);
        all += encoded(c);
        all += '\n';
    }
    const std::string lowered = tarsk::to_lower(all);
    std::size_t line = 0;
    for (const char32_t c : code_points) {
        const std::size_t end = lowered.find('\n', line);
        ASSERT_NE(end, std::string::npos);
        const std::string own = encoded(c);
        std::size_t len = 0;
        ASSERT_EQ(brellin::lower_length(own, 0, len), end - line) << std::hex << static_cast<unsigned>(c);
        ASSERT_EQ(len, own.size());
        line = end + 1;
    }
    EXPECT_EQ(line, lowered.size());
}

TEST(LowerCopy, IsTheFullLowerCaseMapping) {
    const char* const texts[] = {
        "", "ABC xyz 123 !@#[`{", "\x7F\x01", "Mixed CASE", "\xC4\xB0stanbul", "\xCE\xA3\xCE\x91\xCE\xA3 X",
        "\xE2\x84\xAA" "ELVIN", "\xC3\x81O THUN", "ASCII then \xC3\x89",
    };
    for (const char* text : texts) EXPECT_EQ(brellin::lower_copy(text), tarsk::to_lower(text)) << text;
}

}  // namespace
