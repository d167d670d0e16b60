// Times parse_query on the query corpus and on large queries of a few shapes, and prints how the
// time grows from 100 KB to 1 MB (about 10 when the parse is linear).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#if __has_include("corpus_queries.hpp")
#include "corpus_queries.hpp"
#define HAVE_QUERY_CORPUS 1
#endif
#include "tarsk/parser.hpp"
#include "tarsk/query.hpp"
#include "tarsk/token.hpp"

namespace {

#ifdef HAVE_QUERY_CORPUS
// The whole output, or the groups alone as the Python module asks for them.
void BM_corpus(benchmark::State& state, tarsk::QueryParts parts) {
    std::size_t bytes = 0, queries = 0;
    for (auto _ : state) {
        for (std::string_view q : morvane_bench::CORPUS_QUERIES) {
            benchmark::DoNotOptimize(tarsk::parse_query(q, parts));
            bytes += q.size();
            ++queries;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["ns_per_query"] = benchmark::Counter(
        static_cast<double>(queries), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
}
BENCHMARK_CAPTURE(BM_corpus, all, tarsk::QueryParts::All)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_corpus, groups_only, tarsk::QueryParts::GroupsOnly)->Unit(benchmark::kMicrosecond);
#endif

// A piece repeated until the text reaches `size` bytes, cut at a piece boundary.
std::string repeat_to(std::string_view piece, std::size_t size) {
    std::string out;
    while (out.size() + piece.size() <= size) out += piece;
    return out;
}

// Realistic mixed items.
std::string mixed(std::size_t size) {
    return repeat_to("100 áo polo màu đỏ size M, 200 quần jean cotton, need 5 pcs t-shirt red and navy "
                     "iso 9001 from china ",
                     size);
}

// Many distinct numbers after words: all of them land in one group's specs.
std::string numbers(std::size_t size) {
    std::string out;
    for (int i = 1; out.size() < size; ++i) out += "a " + std::to_string(i) + " ";
    return out;
}

// Bare quantities split by commas: one segment each.
std::string commas(std::size_t size) { return repeat_to("12, ", size); }

// Size ranges over two scales.
std::string sizes(std::size_t size) { return repeat_to("áo size s đến xl, dn50 đến dn100 ", size); }

void BM_large(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string text = make(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(tarsk::parse_query(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(BM_large, mixed, mixed)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_large, numbers, numbers)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_large, commas, commas)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_large, sizes, sizes)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The group parser alone on a token list of words, numbers and standards; numbers and
// standards repeat every `cycle` items, so the attribute lists hold up to a third of the tokens.
void BM_parse_tokens(benchmark::State& state, std::int64_t cycle) {
    std::vector<tarsk::Token> tokens{{tarsk::TokenKind::Quantity, 3, 1.0, {}}};
    for (std::int64_t i = 0; static_cast<std::int64_t>(tokens.size()) < state.range(0); ++i) {
        const std::int64_t k = i % cycle;
        tokens.push_back({tarsk::TokenKind::Word, 0, 0.0, "w"});
        tokens.push_back({tarsk::TokenKind::Quantity, static_cast<std::uint8_t>(tarsk::Unit::NO_UNIT), static_cast<double>(k + 2), {}});
        tokens.push_back({tarsk::TokenKind::Standard, 0, 0.0, "ISO " + std::to_string(k)});
    }
    for (auto _ : state) benchmark::DoNotOptimize(tarsk::parse_tokens(tokens));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * tokens.size()));
}
BENCHMARK_CAPTURE(BM_parse_tokens, all_distinct, std::int64_t{1} << 40)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_parse_tokens, cycle_1000, 1000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, how the time of each sized benchmark grows from 100 000 to
// 1 000 000 (bytes or tokens).
class GrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs)
            if (r.run_type == Run::RT_Iteration) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, t] : times_) {
            const auto at = small_size_at(name);
            if (at == std::string::npos) continue;
            // The 10x name, built by parts: GCC 12's -Wrestrict misreads string::insert at -O3.
            std::string ten(name.substr(0, at + 7));
            ten += '0';
            ten += name.substr(at + 7);
            const auto big = times_.find(ten);
            if (big != times_.end())
                std::printf("growth %-28s x10 input: time x%.1f\n", name.substr(0, at).c_str(), big->second / t);
        }
    }

private:
    // Where "/100000" stands as a whole name component, or npos.
    static std::size_t small_size_at(const std::string& name) {
        for (auto at = name.find("/100000"); at != std::string::npos; at = name.find("/100000", at + 1))
            if (at + 7 == name.size() || name[at + 7] == '/') return at;
        return std::string::npos;
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    GrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
