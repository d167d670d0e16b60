// Times the parsing core on the texts given by bench_parse.py, along the same route as parse
// (unescape, detect, then the query parser or the RFQ pipeline), so that the Python module's own
// cost can be told apart. Input file: each text as its byte length, a line feed, then its bytes.
// Prints the mean nanoseconds per text.
#include <benchmark/benchmark.h>

#include <brellin/brellin.hpp>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "corpus_file.hpp"

namespace {

void run_core(const std::string& query) {
    std::string text = brellin::unescape_text(query);
    if (brellin::looks_like_rfq(text)) {
        // As parse calls it: each item handed over as soon as it is built.
        auto trade = brellin::parse_unescaped_rfq_items(text,
                                                        [](brellin::RfqItem&& item) { benchmark::DoNotOptimize(item); });
        benchmark::DoNotOptimize(trade);
    } else {
        auto result = tarsk::parse_query(text, tarsk::QueryParts::GroupsOnly);  // as parse calls it
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEXTS_FILE [MIN_SECONDS]\n", argv[0]);
        return 2;
    }
    const auto texts = read_texts(argv[1]);
    if (texts.empty()) {
        std::fprintf(stderr, "no texts in %s\n", argv[1]);
        return 2;
    }
    const double min_seconds = argc > 2 ? std::stod(argv[2]) : 1.0;
    for (const auto& text : texts) run_core(text);  // builds the lexicon and patterns

    using clock = std::chrono::steady_clock;
    std::size_t calls = 0;
    const auto start = clock::now();
    double elapsed = 0;
    do {
        for (const auto& text : texts) run_core(text);
        calls += texts.size();
        elapsed = std::chrono::duration<double>(clock::now() - start).count();
    } while (elapsed < min_seconds);
    std::printf("%.1f\n", elapsed * 1e9 / static_cast<double>(calls));
    return 0;
}
