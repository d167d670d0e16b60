#include <gtest/gtest.h>

#include "tarsk/pattern.hpp"

using tarsk::Pattern;

TEST(Pattern, SpaceIsUnicodeWhiteSpace) {
    const Pattern p(R"(^a\sb$)");
    for (const char* ws : {"\xc2\x85", "\xc2\xa0", "\xe2\x80\xa8", "\n", "\t", "\xe3\x80\x80"})
        EXPECT_TRUE(p.is_match(std::string("a") + ws + "b")) << ws;
    EXPECT_FALSE(p.is_match("a\xe1\xa0\x8e" "b"));  // U+180E
    const Pattern in_class(R"(^[^\s,]+$)");
    EXPECT_TRUE(in_class.is_match("ab\xe1\xa0\x8e"));
    EXPECT_FALSE(in_class.is_match("a\xc2\xa0" "b"));
}

TEST(Pattern, WordBoundarySeesCombiningMarks) {
    // "e" + U+0301: the mark is a word character, so no boundary falls between them.
    const Pattern p(R"(\be\b)");
    EXPECT_FALSE(p.is_match("e\xcc\x81"));
    EXPECT_TRUE(p.is_match("e "));
    const Pattern w(R"(^\w+$)");
    EXPECT_TRUE(w.is_match("e\xcc\x81\xe2\x80\x8d_9"));
    // Boundaries look at the true context when the search starts at an offset.
    const Pattern target(R"(\btarget)");
    EXPECT_FALSE(target.find("subtarget", 3).has_value());
}

TEST(Pattern, DollarIsTheVeryEnd) {
    const Pattern p(R"(a$)");
    EXPECT_TRUE(p.is_match("a"));
    EXPECT_FALSE(p.is_match("a\n"));
}

TEST(Pattern, MultilineCaretAfterLineFeedOnly) {
    const Pattern p(R"((?m)^x)");
    EXPECT_TRUE(p.is_match("a\nx"));
    EXPECT_FALSE(p.is_match("a\rx"));
    EXPECT_EQ(Pattern(R"((?m)^)").find_all("a\n").size(), 2u);  // also after a final LF
}

TEST(Pattern, CaseInsensitiveRangesFoldLongSAndKelvin) {
    const Pattern p(R"((?i)^[A-Z]+$)");
    EXPECT_TRUE(p.is_match("\xc5\xbf"));      // U+017F
    EXPECT_TRUE(p.is_match("\xe2\x84\xaa"));  // U+212A
    EXPECT_FALSE(p.is_match("\xc3\xa9"));
}

TEST(Pattern, DigitsAreUnicodeDecimals) {
    EXPECT_TRUE(Pattern(R"(^\d+$)").is_match("\xd9\xa3\xef\xbc\x95" "7"));
}

TEST(Pattern, GroupsAllMatchesAndReplacement) {
    const Pattern p(R"((\d+)(x)?)");
    const std::string s = "a12x b3";
    const auto all = p.find_all(s);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].str(s, 1), "12");
    EXPECT_TRUE(all[0].has(2));
    EXPECT_FALSE(all[1].has(2));
    EXPECT_EQ(all[1].str(s), "3");
    EXPECT_EQ(p.replace_all(s, "<$1>"), "a<12> b<3>");
    EXPECT_EQ(p.replace_first(s, "$1"), "a12 b3");
    EXPECT_EQ(Pattern("q").replace_all(s, "z"), s);
    const auto last = p.find_last(s);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->groups, all.back().groups);
    EXPECT_FALSE(Pattern("q").find_last(s).has_value());
}

TEST(Pattern, EmptyMatchesAdvance) {
    // "", "xx", "", "": an empty match is not followed by another at the same place.
    using tarsk::Span;
    const auto all = Pattern("x*").find_all("axxb");
    ASSERT_EQ(all.size(), 4u);
    const Span spans[] = {{0, 0}, {1, 3}, {3, 3}, {4, 4}};
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(*all[i].groups[0], spans[i]) << i;
    EXPECT_EQ(*Pattern("x*").find_last("axxb")->groups[0], (Span{4, 4}));
    EXPECT_EQ(Pattern("x*").replace_all("axxb", "-"), "-a--b-");
}

TEST(Pattern, JitSearchOutgrowingTheMachineStackGivesItsAnswer) {
    // Group repeats that can give iterations back keep JIT stack per iteration; 200,000 of them
    // are far beyond the machine stack. The first needs less stack per subject byte than the
    // larger JIT stack tried next holds, the second (three alternatives per iteration) more, so
    // its search ends in the interpreter.
    for (const char* text : {R"((?:(a)|b)*c)", R"((?:(a)(?:x|y|)(?:x|y|)(?:x|y|)|b)*c)"}) {
        const Pattern p(text);
        const std::string run(200'000, 'a');
        const std::string s = "x" + run + "c";
        const auto m = p.find(s);
        ASSERT_TRUE(m.has_value()) << text;
        EXPECT_EQ(m->groups[0], (tarsk::Span{1, s.size()})) << text;
        EXPECT_EQ(m->groups[1], (tarsk::Span{s.size() - 2, s.size() - 1})) << text;
        EXPECT_EQ(p.find_all(s).size(), 1u) << text;
        EXPECT_EQ(p.replace_all(s, "<$1>"), "x<a>") << text;
        EXPECT_FALSE(p.is_match(run)) << text;  // every start fails: an answer, not an error
    }
}

TEST(Pattern, EngineFailureIsAnErrorNotNoMatch) {
    // A pattern built without JIT keeps a 1 GiB heap limit; the interpreter keeps one
    // backtracking frame per repetition of a capturing group, so a long enough subject exceeds it.
    const Pattern p(R"((?:(a)|b)*c)", {}, false);
    const std::string s(8'000'000, 'a');
    EXPECT_THROW(p.is_match(s), tarsk::PatternError);
}

TEST(Pattern, BadPatternRaises) { EXPECT_THROW(Pattern("(a"), tarsk::PatternError); }
