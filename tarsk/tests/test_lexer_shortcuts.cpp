// The lexer's shortcuts past ICU and the engine give what ICU and the engine give.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <random>
#include <string>
#include <vector>

#include "lexer_case.hpp"
#include "lexer_match.hpp"
#include "lexer_steps.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"

namespace {

std::string utf8(char32_t c) {
    std::string out(U8_MAX_LENGTH, '\0');
    std::size_t length = 0;
    U8_APPEND_UNSAFE(out.data(), length, static_cast<UChar32>(c));
    out.resize(length);
    return out;
}

bool is_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

TEST(LowerQuery, EveryCharacterThatStaysTakesTheShortcutAndAgreesWithIcu) {
    // All characters beyond ASCII that simple lower-casing leaves alone, each after an upper-case
    // ASCII letter: one text that the shortcut maps byte by byte and ICU maps as a whole.
    std::string text;
    for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
        if (is_surrogate(c) || u_tolower(static_cast<UChar32>(c)) != static_cast<UChar32>(c)) continue;
        text += static_cast<char>('A' + c % 26);
        text += utf8(c);
    }
    std::string storage;
    EXPECT_EQ(tarsk::lower_query(text, storage), tarsk::to_lower(text));
}

TEST(LowerQuery, AgreesWithIcuOnMixedTexts) {
    const std::vector<std::string> pieces = {
        "A",  "z",   " ",   "ÁO",  "áo", "Đỏ", "đỏ", "ΣΑΣ", "σας", "Σ",  "\xc4\xb0", "İSO", "ß",
        "ẞ",  "K",  "\xe2\x84\xaa", "Ǆ", "ǅ", "\xcc\x81", "9001", std::string(1, '\0'), "\u00a0", "ｱ", "Ⓐ", "𐐀", "x."};
    std::mt19937 rng(7);
    for (int n = 0; n < 5000; ++n) {
        std::string text;
        for (int k = rng() % 6; k >= 0; --k) text += pieces[rng() % pieces.size()];
        std::string storage;
        ASSERT_EQ(tarsk::lower_query(text, storage), tarsk::to_lower(text)) << text;
    }
}

TEST(UpperCode, AgreesWithIcu) {
    std::string ascii;
    for (int c = 0; c < 128; ++c) ascii += static_cast<char>(c);
    EXPECT_EQ(tarsk::upper_code(ascii), tarsk::to_upper(ascii));
    for (const std::string text : {"iso 9001", "din straße", "gb/t 1.1-2020", "ﬁ-1", ""})
        EXPECT_EQ(tarsk::upper_code(text), tarsk::to_upper(text)) << text;
}

TEST(WhiteSpaceAt, EveryCharacterAsTheProperty) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (is_surrogate(c)) continue;
        const std::string text = utf8(c) + "x";
        ASSERT_EQ(tarsk::white_space_at(text), tarsk::is_white_space(c) ? text.size() - 1 : 0)
            << std::hex << static_cast<unsigned>(c);
    }
}

TEST(NumberMatch, AgreesWithThePattern) {
    // ASCII and other digits, separators, and what may follow a number.
    const std::vector<std::string> pieces = {"0", "1", "7", "42", "٣", "１", "߁", ".", ",", " ", "a", "é", "-", "ə", ""};
    std::mt19937 rng(11);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int k = rng() % 7; k >= 0; --k) text += pieces[rng() % pieces.size()];
        const auto m = tarsk::NUMBER_RE().find(text);
        ASSERT_EQ(tarsk::number_match(text), m ? m->end() : 0) << text;
    }
}

}  // namespace
