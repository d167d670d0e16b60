#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "brellin/segmenter.hpp"
#include "occurrence.hpp"
#include "patterns.hpp"
#include "segmenter_parts.hpp"

using brellin::Segments;

namespace {

struct Detect {
    const char* text;
    bool rfq;
};

const Detect DETECT[] = {
    {"100 áo polo màu đỏ size M", false},
    {"1. Cotton T-shirt 500 pcs", true},
    {"  2) Steel", true},
    {"• Steel pipe", true},
    {"- 5 pcs", true},
    {"x\n\n  10. y", true},
    {"1.5 kg of sugar", false},
    {"Item 1. cotton", false},
    {"-5 pcs", false},
    {"**Bold** item", false},
    {"Need 500 pcs, target 2.5 USD", true},
    {"TARGET 5", true},
    {"target\n5", true},
    {"Target: 2.5 USD", false},
    {"subtarget 5", false},
    {"Payment terms: T/T", true},
    {"payment  term", true},
    {"Leadtime 30 days", true},
    {"lead-time 30 days", true},
    {"lead\ttime", true},
    {"LEAD TIME 30 days", true},
    {"Lead times: 30 days", false},
    {"payment termination", false},
    {"lead  time", false},
    {"mislead time", false},
    {"1.\nfoo", true},
    {"need 5 pcs\n3)", false},
    {"Hello\r1. a\r2. b", false},
    {"", false},
    {" \t\n \n", false},
    {"\xc2\xb7\xc2\xa0middle dot and no-break space", true},
};

TEST(LooksLikeRfq, Table) {
    for (const auto& c : DETECT) EXPECT_EQ(brellin::looks_like_rfq(c.text), c.rfq) << '"' << c.text << '"';
}

struct Segmentation {
    const char* text;
    const char* preamble;
    std::vector<std::string> items;
    const char* trailer;
};

const Segmentation SEGMENTATION[] = {
    {"", "", {}, ""},
    {" \t\n  \r\n", "", {}, ""},
    // numbered split
    {"Please quote:\n1. Cotton shirts 500 pcs\n2. Polo shirts 300 pcs\nLead time: 30 days",
     "Please quote:",
     {"Cotton shirts 500 pcs", "Polo shirts 300 pcs\nLead time: 30 days"},
     ""},
    {"1. a\n2. \n3. b", "", {"a", "b"}, ""},
    {"1. a\n\n\n2. b", "", {"a", "b"}, ""},
    {"1. a\n2. b\n3. ", "", {"a", "b"}, "3."},
    {"Intro\n- a\n- b\n1. c", "Intro\n- a\n- b", {"c"}, ""},
    {"1. Steel pipe\n- DN50\n- DN100\n2. Valve", "", {"Steel pipe\n- DN50\n- DN100", "Valve"}, ""},
    {"1) a\n  2) b\n10. c", "", {"a", "b", "c"}, ""},
    // The trailer starts after the last occurrence of the last item's text, wherever it is.
    {"1. b\n2. b b\n3. b\n4. ", "", {"b", "b b", "b"}, "4."},
    {"1. 1.\n1. ", "", {"1."}, ""},  // the last "1." is the final marker's own
    // bulleted split
    {"Hi\n* a\n* b\n\nThanks", "Hi", {"a", "b\n\nThanks"}, ""},
    {"\xe2\x80\xa2 a\n\xc2\xb7 b", "", {"a", "b"}, ""},
    // line heuristic
    {"Please quote the following\n500 pcs cotton shirts\nblue polo shirts\nLead time: 30 days\nThank you",
     "Please quote the following",
     {"500 pcs cotton shirts", "blue polo shirts"},
     "Lead time: 30 days\nThank you"},
    {"Dear sir,\nKindly quote\n100 pcs bolts M8\nwasher\nPayment terms: T/T\n200 pcs nuts",
     "Dear sir,\nKindly quote",
     {"100 pcs bolts M8", "washer"},
     "Payment terms: T/T\n200 pcs nuts"},
    {"Thank you\n50 kg rice\nThank you", "Thank you", {"50 kg rice", "Thank you"}, ""},
    {"Payment terms: T/T\n500 pcs shirts", "", {}, "Payment terms: T/T\n500 pcs shirts"},
    {"Hello\r\n100 pcs bolts\r\n", "Hello", {"100 pcs bolts"}, ""},
    {"1.5 kg sugar\nlead time 3 weeks", "", {"1.5 kg sugar"}, "lead time 3 weeks"},
    // Headers need no word boundary after the phrase; unit words do.
    {"Intro\n2 boxes\nIncoterms2020 FOB", "Intro", {"2 boxes"}, "Incoterms2020 FOB"},
    {"Hello\nboxing gloves\nPORT  OF\tloading: Haiphong", "Hello\nboxing gloves", {}, "PORT  OF\tloading: Haiphong"},
    // Only LF ends a line: a lone CR stays inside the line.
    {"Hi\rthere\nred SETS", "Hi\rthere", {"red SETS"}, ""},
};

TEST(SegmentDocument, Table) {
    for (const auto& c : SEGMENTATION) {
        const Segments s = brellin::segment_document(c.text);
        EXPECT_EQ(s.preamble, c.preamble) << '"' << c.text << '"';
        EXPECT_EQ(s.items, c.items) << '"' << c.text << '"';
        EXPECT_EQ(s.trailer, c.trailer) << '"' << c.text << '"';
    }
}

TEST(SplitByMarker, NoMarkerKeepsTheTextAsPreamble) {
    for (const brellin::Pat marker : {brellin::Pat::NUMBERED_ITEM_RE, brellin::Pat::BULLET_ITEM_RE}) {
        const Segments s = brellin::split_by_marker("  hello  ", brellin::pattern(marker));
        EXPECT_EQ(s.preamble, "  hello  ");
        EXPECT_TRUE(s.items.empty());
        EXPECT_EQ(s.trailer, "");
    }
}

TEST(SplitByMarker, BulletsWhenAskedEvenWithNumbers) {
    const Segments s = brellin::split_by_marker("1. x\n- a\n- b", brellin::pattern(brellin::Pat::BULLET_ITEM_RE));
    EXPECT_EQ(s.preamble, "1. x");
    EXPECT_EQ(s.items, (std::vector<std::string>{"a", "b"}));
}

// The backward search that finds the trailer (and the quantity phrase to cut) against rfind,
// on texts of two letters where occurrences overlap and borders are long.
TEST(LastOccurrence, AgreesWithRfind) {
    std::mt19937 rng(7);
    const std::string alphabet = "ab";
    for (int round = 0; round < 5000; ++round) {
        std::string hay(rng() % 40, 'a'), needle(rng() % 6, 'a');
        for (char& c : hay) c = alphabet[rng() % alphabet.size()];
        for (char& c : needle) c = alphabet[rng() % alphabet.size()];
        const std::string_view h(hay);
        ASSERT_EQ(brellin::last_occurrence(hay, needle), h.rfind(needle)) << hay << " / " << needle;
        const std::size_t from = rng() % (hay.size() + 2);
        const std::size_t plain = from > hay.size() ? std::string_view::npos : h.substr(from).rfind(needle);
        ASSERT_EQ(brellin::last_occurrence(hay, needle, from),
                  plain == std::string_view::npos ? plain : from + plain)
            << hay << " / " << needle << " from " << from;
    }
}

}  // namespace
