// Times parse_rfq_document on the RFQ corpus and on large documents made from it, and
// prints how the time grows from 100 KB to 1 MB (linear growth gives about 10).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "brellin/document.hpp"
#include "corpus_rfq.hpp"

namespace {

// Whole corpus documents joined by blank lines, cut back to the last line end before `size`.
std::string large_document(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += bench_corpus::RFQ_DOCUMENTS[i % bench_corpus::RFQ_DOCUMENTS.size()];
        text += "\n\n";
    }
    text.resize(size);
    text.resize(text.rfind('\n') + 1);
    return text;
}

void BM_RfqCorpus(benchmark::State& state) {
    std::size_t bytes = 0;
    for (const auto doc : bench_corpus::RFQ_DOCUMENTS) bytes += doc.size();
    for (auto _ : state) {
        for (const auto doc : bench_corpus::RFQ_DOCUMENTS)
            benchmark::DoNotOptimize(brellin::parse_rfq_document(doc));
    }
    const auto docs = static_cast<double>(bench_corpus::RFQ_DOCUMENTS.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    // Inverted rate: seconds per document, printed with an SI prefix ("12.3u" = 12.3 µs).
    state.counters["time_per_doc"] = benchmark::Counter(
        docs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RfqCorpus)->Unit(benchmark::kMicrosecond);

void BM_RfqLarge(benchmark::State& state) {
    const std::string text = large_document(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(brellin::parse_rfq_document(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RfqLarge)->Arg(100 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of every run so main can print the growth ratio.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto small = reporter.seconds.find("BM_RfqLarge/102400");
    const auto big = reporter.seconds.find("BM_RfqLarge/1048576");
    if (small != reporter.seconds.end() && big != reporter.seconds.end() && small->second > 0)
        std::printf("growth 1 MB / 100 KB: %.2f (linear is about 10)\n", big->second / small->second);
    benchmark::Shutdown();
    return 0;
}
