// Every built-in pattern on 30 MiB texts made of what it repeats (dimension chains, digit,
// blank and line runs, long words): each search gives its answer. Pattern carries a search that
// outgrows the machine stack on with more stack or in the interpreter, which would hide a run
// form whose stack grew with the text, so the first search also runs on the bare engine: JIT,
// its default 32 KiB stack, no fallback.
#include <gtest/gtest.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "brellin/item_normalizer.hpp"
#include "dims_reference.hpp"
#include "pattern_internal.hpp"
#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/tokenize.hpp"

namespace {

constexpr std::size_t TEXT_SIZE = std::size_t{30} << 20;

// The first match is [start, text size - before_end).
struct Expected {
    std::size_t start;
    std::size_t before_end;
};

struct Case {
    const char* name;
    const tarsk::Pattern& (*pattern)();
    const char* head;
    const char* unit;  // repeated between head and tail up to TEXT_SIZE bytes
    const char* tail;
    std::optional<Expected> first;
    std::size_t count;  // matches in the whole text
};

using namespace brellin;

// The table's patterns as accessors without arguments, like NUMBER_RE and DIMS_RE.
template <Pat P>
const tarsk::Pattern& table() {
    return pattern(P);
}

const Case CASES[] = {
    {"NUMBER_digits", tarsk::NUMBER_RE, "", "1", "", Expected{0, 0}, 1},
    {"NUMBER_decimal", tarsk::NUMBER_RE, "1,", "2", "", Expected{0, 0}, 1},
    {"RFQ_DETECT_blank_lines", table<Pat::RFQ_DETECT_RE>, "", "\n", "1. x", Expected{0, 1}, 1},
    {"RFQ_DETECT_target", table<Pat::RFQ_DETECT_RE>, "target", " ", "5", Expected{0, 0}, 1},
    {"RFQ_DETECT_digits", table<Pat::RFQ_DETECT_RE>, "\n", "1", "", std::nullopt, 0},
    {"NUMBERED_ITEM_blank_lines", table<Pat::NUMBERED_ITEM_RE>, "", " \n", "12. x", Expected{0, 1}, 1},
    {"NUMBERED_ITEM_blanks_after", table<Pat::NUMBERED_ITEM_RE>, "1.", " ", "x", Expected{0, 1}, 1},
    {"NUMBERED_ITEM_digits", table<Pat::NUMBERED_ITEM_RE>, "", "1", "", std::nullopt, 0},
    {"BULLET_ITEM_blank_lines", table<Pat::BULLET_ITEM_RE>, "", " \n", "- x", Expected{0, 1}, 1},
    {"BULLET_ITEM_lines_after", table<Pat::BULLET_ITEM_RE>, "\xe2\x80\xa2", "\n", "x", Expected{0, 1}, 1},
    {"ITEM_LINE_blanks", table<Pat::ITEM_LINE_RE>, "", " ", "1", Expected{0, 0}, 1},
    {"ITEM_LINE_word", table<Pat::ITEM_LINE_RE>, "", "pcs", "", std::nullopt, 0},
    {"TRADE_HEADER_blanks", table<Pat::TRADE_HEADER_RE>, "", " ", "Lead time: 4 weeks", Expected{0, 9}, 1},
    {"TRADE_HEADER_payment", table<Pat::TRADE_HEADER_RE>, "payment", " ", "x", std::nullopt, 0},
    {"CURRENCY_word", table<Pat::CURRENCY_RE>, "", "USD", "", std::nullopt, 0},
    {"CURRENCY_blanks", table<Pat::CURRENCY_RE>, "", " ", "USD", Expected{TEXT_SIZE - 3, 0}, 1},
    {"INCOTERM_PLACE_blanks", table<Pat::INCOTERM_PLACE_RE>, "FOB", " ", "Hai Phong", Expected{0, 0}, 1},
    {"INCOTERM_PLACE_word", table<Pat::INCOTERM_PLACE_RE>, "FOB H", "a", "", Expected{0, 0}, 1},
    {"INCOTERM_word", table<Pat::INCOTERM_RE>, "", "FOB", "", std::nullopt, 0},
    {"INCOTERM_blanks", table<Pat::INCOTERM_RE>, "", "\t", "DDP", Expected{TEXT_SIZE - 3, 0}, 1},
    {"DESTINATION_blanks", table<Pat::DESTINATION_RE>, "to", " ", "Hanoi.", Expected{0, 0}, 1},
    {"DESTINATION_word", table<Pat::DESTINATION_RE>, "for ", "a", "", std::nullopt, 0},
    {"LEAD_TIME_blanks", table<Pat::LEAD_TIME_RE>, "lead time:", " ", "4 weeks", Expected{0, 0}, 1},
    {"LEAD_TIME_words", table<Pat::LEAD_TIME_RE>, "lead-time ", "ab ", "", Expected{0, 0}, 1},
    {"PAYMENT_blanks", table<Pat::PAYMENT_RE>, "payment", " ", "terms: 30 days", Expected{0, 0}, 1},
    {"PAYMENT_vietnamese", table<Pat::PAYMENT_RE>, "thanh", " ", "to\xc3\xa1n: TT", Expected{0, 0}, 1},
    {"BOLD_word", table<Pat::BOLD_RE>, "**", "a", "**", Expected{0, 0}, 1},
    {"BOLD_stars", table<Pat::BOLD_RE>, "", "*", "", std::nullopt, 0},
    {"PRODUCT_PREFIX_blanks", table<Pat::PRODUCT_PREFIX_RE>, "", " ", "Product : x", Expected{0, 1}, 1},
    {"PRODUCT_PREFIX_blanks_after", table<Pat::PRODUCT_PREFIX_RE>, "product:", " ", "", Expected{0, 0}, 1},
    {"SPEC_LABEL_blanks", table<Pat::SPEC_LABEL_RE>, ",", " ", "spec: x", Expected{0, 1}, 1},
    {"SPEC_LABEL_no_label", table<Pat::SPEC_LABEL_RE>, "", " ", "x", std::nullopt, 0},
    {"QTY_NA_word", table<Pat::QTY_NA_RE>, ", qty: n/a ", "a", "", Expected{0, 0}, 1},
    {"QTY_NA_blanks", table<Pat::QTY_NA_RE>, "", " ", "qty", std::nullopt, 0},
    {"TARGET_PRICE_digits", table<Pat::TARGET_PRICE_RE>, "(target: ", "1", " USD/kg)", Expected{0, 0}, 1},
    {"TARGET_PRICE_blanks", table<Pat::TARGET_PRICE_RE>, "@", " ", "5", Expected{0, 0}, 1},
    {"QTY_EN_digits", table<Pat::QTY_EN_RE>, "", "1", " kg", Expected{0, 0}, 1},
    {"QTY_EN_digits_no_unit", table<Pat::QTY_EN_RE>, "", "1", "", std::nullopt, 0},
    {"QTY_EN_blanks", table<Pat::QTY_EN_RE>, "", " ", "5 pcs", Expected{0, 0}, 1},
    {"QTY_VI_digits", table<Pat::QTY_VI_RE>, "", "1", " c\xc3\xa1i", Expected{0, 0}, 1},
    {"QTY_VI_decimals", table<Pat::QTY_VI_RE>, "", "1.5", "", std::nullopt, 0},
    {"ORIGIN_VI_words", table<Pat::ORIGIN_VI_RE>, "xu\xe1\xba\xa5t x\xe1\xbb\xa9 ", "vi\xe1\xbb\x87t nam ", "", Expected{0, 0}, 1},
    {"ORIGIN_VI_blanks", table<Pat::ORIGIN_VI_RE>, "xu\xe1\xba\xa5t", " ", "x\xe1\xbb\xa9 vi\xe1\xbb\x87t", Expected{0, 0}, 1},
    {"EMPTY_PARENS_commas", table<Pat::EMPTY_PARENS_RE>, "(", " ,", ")", Expected{0, 0}, 1},
    {"EMPTY_PARENS_colon", table<Pat::EMPTY_PARENS_RE>, "(", " ", ":)", Expected{0, 0}, 1},
    {"EMPTY_PARENS_open", table<Pat::EMPTY_PARENS_RE>, "(", " ", "x)", std::nullopt, 0},
    {"DIMS_chain", DIMS_RE, "- pipe ", "1x", "1 mm", Expected{6, 0}, 1},
    {"DIMS_chain_no_unit", DIMS_RE, "", "1x", "1", std::nullopt, 0},
    {"DIMS_chain_open", DIMS_RE, "", "1x", "", std::nullopt, 0},
    {"DIMS_chain_blanks", DIMS_RE, "", "1 x ", "1 mm", Expected{0, 0}, 1},
    {"DIMS_chain_commas", DIMS_RE, "", "1,5 \xc3\x97 ", "1,5 mm", Expected{0, 0}, 1},
    {"DIMS_chain_decimals", DIMS_RE, "", "1.5x", "1.5.5", std::nullopt, 0},
    {"DIMS_digits", DIMS_RE, "", "1", "mm", Expected{0, 0}, 1},
    {"DIMS_digits_no_unit", DIMS_RE, "", "1", "", std::nullopt, 0},
    {"DIMS_blanks", DIMS_RE, "", " ", "2 kg", Expected{0, 0}, 1},
};

// `head`, then `unit` as often as the text stays within TEXT_SIZE, then `tail`. The loop adds
// TEXT_SIZE / unit length units at most.
std::string build(const Case& c) {
    const std::string_view head = c.head, unit = c.unit, tail = c.tail;
    std::string text;
    text.reserve(TEXT_SIZE);
    text += head;
    while (text.size() + unit.size() + tail.size() <= TEXT_SIZE) text += unit;
    text += tail;
    return text;
}

// The first search of `p` on `text` with the JIT alone, compiled as Pattern compiles it:
// the match span, nothing for no match, or the engine's error code.
struct BareResult {
    int rc;
    std::size_t start = 0, end = 0;
};

BareResult bare_jit_search(const tarsk::Pattern& p, const std::string& text) {
    const std::string source =
        tarsk::translate_pattern(p.run_text().empty() ? p.written_text() : p.run_text());
    const std::unique_ptr<pcre2_compile_context, decltype(&pcre2_compile_context_free)> cc(
        pcre2_compile_context_create(nullptr), pcre2_compile_context_free);
    pcre2_set_newline(cc.get(), PCRE2_NEWLINE_LF);
    int err = 0;
    PCRE2_SIZE err_offset = 0;
    const std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code(
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(source.data()), source.size(),
                      PCRE2_UTF | PCRE2_UCP | PCRE2_DOLLAR_ENDONLY | PCRE2_ALT_CIRCUMFLEX, &err, &err_offset,
                      cc.get()),
        pcre2_code_free);
    if (!code || pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0) return {PCRE2_ERROR_INTERNAL};
    const std::unique_ptr<pcre2_match_context, decltype(&pcre2_match_context_free)> mc(
        pcre2_match_context_create(nullptr), pcre2_match_context_free);
    pcre2_set_match_limit(mc.get(), UINT32_MAX);
    const std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> md(
        pcre2_match_data_create_from_pattern(code.get(), nullptr), pcre2_match_data_free);
    const int rc = pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, 0,
                               md.get(), mc.get());
    if (rc < 0) return {rc};
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(md.get());
    return {rc, ov[0], ov[1]};
}

class PatternSizes : public ::testing::TestWithParam<Case> {};

TEST_P(PatternSizes, EverySearchGivesItsAnswer) {
    const Case& c = GetParam();
    const tarsk::Pattern& p = c.pattern();
    const std::string text = build(c);
    const auto first = p.find(text);
    ASSERT_EQ(first.has_value(), c.first.has_value());
    EXPECT_EQ(p.is_match(text), c.first.has_value());
    if (first) {
        EXPECT_EQ(first->start(), c.first->start);
        EXPECT_EQ(first->end(), text.size() - c.first->before_end);
    }
    const auto all = p.find_all(text);
    ASSERT_EQ(all.size(), c.count);
    if (!all.empty()) {
        EXPECT_EQ(all[0].groups, first->groups);
    }
    // Replacing with nothing removes exactly the matched bytes.
    std::size_t matched = 0;
    for (const auto& m : all) matched += m.end() - m.start();
    EXPECT_EQ(p.replace_all(text, "").size(), text.size() - matched);
    const std::size_t first_length = first ? first->end() - first->start() : 0;
    EXPECT_EQ(p.replace_first(text, "").size(), text.size() - first_length);

    const BareResult bare = bare_jit_search(p, text);
    if (first) {
        ASSERT_GE(bare.rc, 0);
        EXPECT_EQ(bare.start, first->start());
        EXPECT_EQ(bare.end, first->end());
    } else {
        EXPECT_EQ(bare.rc, PCRE2_ERROR_NOMATCH);
    }
}

INSTANTIATE_TEST_SUITE_P(Long, PatternSizes, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatternSizesTable, CoversEveryPattern) {
    std::set<const tarsk::Pattern*> covered;
    for (const Case& c : CASES) covered.insert(&c.pattern());
    for (const tarsk::Pattern* p : brellin::every_pattern()) EXPECT_TRUE(covered.count(p)) << p->written_text();
}

}  // namespace
