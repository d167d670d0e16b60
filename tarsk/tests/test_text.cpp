#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "tarsk/text.hpp"
#include "text_slices.hpp"

using namespace tarsk;

TEST(Text, WhiteSpaceIsTheUnicodeProperty) {
    for (char32_t c : {0x9, 0xA, 0xB, 0xC, 0xD, 0x20, 0x85, 0xA0, 0x1680, 0x2000, 0x200A, 0x2028, 0x2029,
                       0x202F, 0x205F, 0x3000})
        EXPECT_TRUE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
    for (char32_t c : {0x180E, 0x200B, 0xFEFF, 0x0, 0x61, 0x1C})
        EXPECT_FALSE(is_white_space(c)) << std::hex << static_cast<unsigned>(c);
    // ASCII is answered without ICU: the same answers as ICU's.
    for (char32_t c = 0; c < 0x80; ++c) EXPECT_EQ(is_white_space(c), is_white_space_wide(c)) << static_cast<unsigned>(c);
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

// The byte-by-byte shortcuts that the lexer and the normaliser take past ICU.
TEST(Text, AsciiCaseMappingsAreTheFullMappings) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (b < 0x80) {
            EXPECT_EQ(std::string(1, ascii_lower(c)), to_lower(std::string(1, c))) << b;
            EXPECT_EQ(std::string(1, ascii_upper(c)), to_upper(std::string(1, c))) << b;
        } else {  // a byte of a longer character is never touched
            EXPECT_EQ(ascii_lower(c), c) << b;
            EXPECT_EQ(ascii_upper(c), c) << b;
        }
    }
    EXPECT_TRUE(is_ascii(""));
    EXPECT_TRUE(is_ascii(std::string_view("A\0\x7f", 3)));
    EXPECT_FALSE(is_ascii("abc\x80"));
    EXPECT_FALSE(is_ascii("\xc3\x81o"));
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

// Long ASCII stretches are skipped a word at a time: the same answers as a decoder that reads
// every character, with bad bytes anywhere in or after such a stretch.
TEST(Text, Utf8CheckOverAsciiStretches) {
    const auto plain = [](std::string_view s) {
        const auto* p = reinterpret_cast<const uint8_t*>(s.data());
        const auto n = static_cast<int32_t>(s.size());
        for (int32_t i = 0; i < n;) {
            UChar32 c;
            U8_NEXT(p, i, n, c);
            if (c < 0) return false;
        }
        return true;
    };
    const std::string_view pieces[] = {"a", "abcdefgh", "ab", "\xc3\xa1", "\xe1\xbb\x87", "\xf0\x9f\x98\x80",
                                       "\xff", "\xc3", "\x80", "\xed\xa0\x80", "0123456789abcdef"};
    std::mt19937 rng(17);
    for (int round = 0; round < 20000; ++round) {
        std::string s;
        for (std::size_t k = rng() % 10; k > 0; --k) s += pieces[rng() % std::size(pieces)];
        ASSERT_EQ(is_valid_utf8(s), plain(s)) << s;
    }
}

namespace {

using namespace std::string_view_literals;

// Texts where a cut could change the result: final sigma beside cuts, runs of Σ, case-ignorables
// (U+0027, U+00B7, U+0345, U+00AD, U+02B0, ':', combining marks), characters that grow, and texts with
// no place where ICU sees nothing across.
const std::string_view tricky_texts[] = {
    "ΟΔΥΣΣΕΥΣ ΟΔΥΣΣΕΥΣ'",
    "Σ",
    "ΣΣΣΣΣΣΣΣΣΣΣΣΣΣΣΣ",
    "aΣΣΣΣΣΣΣ ΣΣΣΣΣΣa ΣΣΣ",
    "a''''''''''''''''Σ''''''''''''''''''",
    "a''''''''''''''''Σ''''''''''''''''''b",
    "''''''''''''''''''Σ''''''''''''''''''b",
    "Α·Σ·Β Α·Σ· ·Σ·Β",
    "\xcd\x85Σ aΣ\xcd\x85 \xcd\x85Σ\xcd\x85 a\xcd\x85Σ Σ\xcd\x85Σ",
    "ΑΣ\xcc\x81\xcc\x81\xcc\x81 ΑΣ\xcc\x81\xcc\x81" "b \xcc\x81\xcc\x81Σ",
    "\xc2\xadΣ\xc2\xad a\xc2\xadΣ\xc2\xad\xc2\xad",
    "\xca\xb0Σ\xca\xb0 a\xca\xb0Σ",
    "a:Σ:b a:Σ: :Σ:",
    "\xe1\xbe\x88Σ \xe1\xbe\x88\xcd\x85Σ",
    "İİİΣ İΣİ i\xcc\x87Σ",
    "ßΣß ΣßΣ ẞΣ",
    "ΐΰ ΐΣΰ ŉΣ ﬃΣ",
    "ꮲ ДОМ ΣΟΦΙΑ 中文Σ😀Σ Ꮲ𐐀Σ",
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
    "''''''''''''''''''''''''''''''''''''''''''''''''''''''",
    "\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81",
    "AB\0Σ\0ΣΣ 1Σ2"sv,
};

// Slices tile the text, and none is longer than the slice size unless it is one longer character.
void expect_tiling(std::string_view s, std::size_t slice) {
    std::size_t at = 0;
    for (const detail::CaseSlice& piece : detail::case_map_slices(s, slice)) {
        ASSERT_EQ(piece.begin, at);
        ASSERT_LT(piece.begin, piece.end);
        if (piece.end - piece.begin > slice) {
            EXPECT_EQ(piece.end - piece.begin, utf8_length(static_cast<unsigned char>(s[piece.begin])));
        }
        at = piece.end;
    }
    EXPECT_EQ(at, s.size());
}

void expect_slicing_invisible(std::string_view s, std::size_t slice) {
    SCOPED_TRACE(testing::Message() << "slice " << slice << ": " << s);
    expect_tiling(s, slice);
    EXPECT_EQ(detail::to_lower_in_slices(s, slice), to_lower(s));
    EXPECT_EQ(detail::to_upper_in_slices(s, slice), to_upper(s));
}

}  // namespace

TEST(Text, CaseMappingInSlicesMatchesTheWholeText) {
    ASSERT_EQ(to_lower(tricky_texts[0]), "οδυσσευς οδυσσευς'");  // the reference reads final sigma
    ASSERT_EQ(to_lower("\xcd\x85Σ aΣ\xcd\x85"), "\xcd\x85σ aς\xcd\x85");  // U+0345 counts as case-ignorable
    for (std::string_view s : tricky_texts)
        for (std::size_t slice = 1; slice <= s.size() + 1; ++slice) expect_slicing_invisible(s, slice);
}

TEST(Text, CaseMappingInSlicesBeyondTheCutSearch) {
    // Runs longer than the stretch searched for a cut, with a cut ICU cannot see across before them.
    const std::string quotes(100'000, '\'');
    std::string sigmas;
    for (int i = 0; i < 50'000; ++i) sigmas += "Σ";
    for (const std::string& s : {"a Σ" + quotes + "Σ" + quotes + "b", "a Σ" + sigmas + " x" + sigmas + "a"}) {
        for (std::size_t slice : {70'000, 99'999, 150'001}) {
            expect_tiling(s, slice);
            EXPECT_TRUE(detail::to_lower_in_slices(s, slice) == to_lower(s)) << "slice " << slice;  // no 200 kB dumps
        }
    }
}

TEST(Text, CaseMappingInSlicesOnRandomTexts) {
    const char* const pieces[] = {"a", "A", "Σ", "σ", "ς", "'", "·", "\xcd\x85", "\xcc\x81", "\xcc\x87", "İ", "I",
                                  "ß", "ΐ", " ", "1", ":", "\xc2\xad", "\xca\xb0", "ᾈ", "Д", "中", "😀", "𐐀"};
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        const auto count = std::uniform_int_distribution<int>(0, 24)(rng);
        for (int i = 0; i < count; ++i) s += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)];
        expect_slicing_invisible(s, std::uniform_int_distribution<std::size_t>(1, 12)(rng));
        if (HasFailure()) return;
    }
}

TEST(Text, CaseMappingInSlicesCarriesIllFormedBytesAsTheWholeTextDoes) {
    const char* const pieces[] = {"a", "Σ", "'", "\xcd\x85", " ", "İ", "\xff", "\x80", "\xe4\xb8", "\xf0\x9f", "\xc3",
                                  "\xed\xa0\x80"};
    std::mt19937 rng(3);
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        const auto count = std::uniform_int_distribution<int>(0, 16)(rng);
        for (int i = 0; i < count; ++i) s += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)];
        const auto slice = std::uniform_int_distribution<std::size_t>(1, 8)(rng);
        ASSERT_EQ(detail::to_lower_in_slices(s, slice), to_lower(s)) << "slice " << slice << ": " << s;
    }
}

TEST(Text, Utf8CheckInSlicesJudgesLikeTheWholeText) {
    // The checks cut before a byte that is no continuation byte; a long run of continuation bytes once
    // made them cut at the same place forever.
    EXPECT_FALSE(detail::is_valid_utf8_in_slices("a" + std::string(100, '\x80'), 4));
    EXPECT_TRUE(detail::is_valid_utf8_in_slices("😀😀😀😀😀中中中é", 1));
    const char* const pieces[] = {"a",        "\xc3\xa9", "\xe4\xb8\xad", "\xf0\x9f\x98\x80", "\x80",
                                  "\xbf",     "\xc3",     "\xe4\xb8",     "\xf0\x9f",         "\xed\xa0\x80",
                                  "\xc0\x80", "\xff",     "\xf4\x90\x80\x80"};
    std::mt19937 rng(11);
    int valid = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        const auto count = std::uniform_int_distribution<int>(0, 12)(rng);
        // Mostly well-formed pieces, so that both verdicts come up often.
        for (int i = 0; i < count; ++i)
            s += pieces[std::uniform_int_distribution<std::size_t>(0, rng() % 8 == 0 ? std::size(pieces) - 1 : 3)(rng)];
        const bool whole = is_valid_utf8(s);
        valid += whole;
        for (std::size_t slice = 1; slice <= 9; ++slice)
            ASSERT_EQ(detail::is_valid_utf8_in_slices(s, slice), whole) << "slice " << slice;
    }
    EXPECT_GT(valid, 300);
    EXPECT_LT(valid, 2700);
}
