// The cost table of the 21 patterns the shipped code compiles, on the generated corpora: for
// each pattern, the searches that parse makes, the subject bytes from each search's offset to
// the end, the time, and what PCRE2 knows about where a match can start (first code unit,
// required code unit, start bitmap). Built against its own copy of the libraries with
// MORVANE_PATTERN_STATS, so the searches are counted; that build's times include the counting.
//
// Usage: python3 bench/gen_corpus.py --write DIR && build/bench/bench_pattern_costs DIR/queries.bin DIR/rfq.bin
#include <brellin/brellin.hpp>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "pattern_internal.hpp"
#include "patterns.hpp"
#include "corpus_file.hpp"

namespace {

// As parse routes a text.
void route(const std::string& query) {
    const std::string text = brellin::unescape_text(query);
    if (brellin::looks_like_rfq(text)) {
        (void)brellin::parse_rfq_document(text, brellin::SearchPhrases::Skip);
    } else {
        (void)tarsk::parse_query(text);
    }
}

std::vector<std::string> names() {
    std::vector<std::string> out{"NUMBER_RE"};
    for (const brellin::PatternForm& f : brellin::PATTERN_FORMS) out.emplace_back(f.name);
    return out;
}

std::string unit(std::uint32_t type, std::uint32_t u) {
    if (type == 0) return "-";
    if (type == 2) return "^";
    if (u >= 0x20 && u < 0x7F) return std::string("'") + static_cast<char>(u) + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%02X", u);
    return buf;
}

void table(const char* corpus, const std::vector<std::string>& texts, int rounds) {
    const auto patterns = brellin::all_patterns();
    const auto pattern_names = names();
    for (const auto* p : patterns) tarsk::pattern_stats(*p) = {};
    for (int r = 0; r < rounds; ++r) {
        for (const auto& t : texts) route(t);
    }
    std::printf("\n%s: %zu texts, %d rounds; per round\n", corpus, texts.size(), rounds);
    std::printf("%-18s %10s %12s %10s %8s | %5s %5s %6s %4s\n", "pattern", "searches", "bytes", "ms", "ns/srch",
                "first", "req", "bitmap", "min");
    std::uint64_t total_ns = 0;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const tarsk::PatternStats& s = tarsk::pattern_stats(*patterns[i]);
        const tarsk::StartInfo info = tarsk::start_info(*patterns[i]);
        total_ns += s.ns;
        std::printf("%-18s %10llu %12llu %10.2f %8.0f | %5s %5s %6s %4u\n", pattern_names[i].c_str(),
                    static_cast<unsigned long long>(s.searches / rounds), static_cast<unsigned long long>(s.bytes / rounds),
                    static_cast<double>(s.ns) / rounds / 1e6, s.searches ? static_cast<double>(s.ns) / s.searches : 0.0,
                    unit(info.first_type, info.first_unit).c_str(), unit(info.required_type, info.required_unit).c_str(),
                    info.start_bitmap ? "yes" : "no", info.min_length);
    }
    std::printf("%-18s %10s %12s %10.2f\n", "all patterns", "", "", static_cast<double>(total_ns) / rounds / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s QUERIES_FILE RFQ_FILE [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::stoi(argv[3]) : 3;
    const auto queries = read_texts(argv[1]);
    const auto rfqs = read_texts(argv[2]);
    for (const auto& t : queries) route(t);  // builds the lexicon and patterns
    for (const auto& t : rfqs) route(t);
    table("product queries", queries, rounds);
    table("RFQ documents", rfqs, rounds);
    return 0;
}
