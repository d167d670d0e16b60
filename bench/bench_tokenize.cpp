// Times tokenize on the query corpus and on long texts built from it; prints ns per query,
// throughput and the growth ratio between text sizes (linear growth gives about 10).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "corpus_queries.hpp"
#include "lexicon.hpp"
#include "tarsk/tokenize.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// Best of several rounds, in seconds, of `rounds_inner` calls of f.
template <typename F>
double best_seconds(int rounds, int inner, F f) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < inner; ++i) f();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / inner);
    }
    return best;
}

std::size_t sink = 0;

double time_text(const std::string& text, int rounds) {
    return best_seconds(rounds, 1, [&] { sink += tarsk::tokenize(text).size(); });
}

std::string repeat_corpus(std::size_t bytes) {
    std::string out;
    for (std::size_t i = 0; out.size() < bytes; ++i) {
        out += morvane_bench::CORPUS_QUERIES[i % morvane_bench::CORPUS_QUERIES.size()];
        out += ", ";
    }
    return out;
}

std::string repeat(std::string_view piece, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) out += piece;
    return out;
}

void report_growth(const char* name, const std::string& small, const std::string& large) {
    const double ts = time_text(small, 7);
    const double tl = time_text(large, 5);
    std::printf("%-22s %8zu B: %9.3f ms  %7.1f MB/s\n", name, small.size(), ts * 1e3, small.size() / ts / 1e6);
    std::printf("%-22s %8zu B: %9.3f ms  %7.1f MB/s\n", name, large.size(), tl * 1e3, large.size() / tl / 1e6);
    std::printf("%-22s growth ratio (x%.0f size): %.2f\n\n", name,
                static_cast<double>(large.size()) / small.size(), tl / ts);
}

}  // namespace

int main() {
    tarsk::lexicon();
    const auto& corpus = morvane_bench::CORPUS_QUERIES;
    std::size_t corpus_bytes = 0;
    for (const auto q : corpus) corpus_bytes += q.size();
    const int inner = 2000;
    const double per_corpus = best_seconds(5, inner, [&] {
        for (const auto q : corpus) sink += tarsk::tokenize(q).size();
    });
    std::printf("corpus: %zu queries, %zu bytes\n", corpus.size(), corpus_bytes);
    std::printf("corpus: %.0f ns per query, %.1f MB/s\n\n", per_corpus / corpus.size() * 1e9,
                corpus_bytes / per_corpus / 1e6);

    report_growth("repeated corpus", repeat_corpus(100'000), repeat_corpus(1'000'000));
    report_growth("many numbers", repeat("12,5 kg ", 100'000), repeat("12,5 kg ", 1'000'000));
    report_growth("long digit runs", repeat(std::string(9'999, '7') + " ", 100'000),
                  repeat(std::string(9'999, '7') + " ", 1'000'000));
    report_growth("size-mode numbers", "size " + repeat("38 0,5 ", 100'000), "size " + repeat("38 0,5 ", 1'000'000));
    return sink == 0 ? 1 : 0;
}
