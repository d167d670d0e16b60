// Times parse_rfq_document on the RFQ corpus, on large documents made from it and on hostile
// documents, and prints how the time grows from 100 KB to 1 MB (linear growth gives about 10).
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

// `head`, then `unit` repeated while the text stays within `size`.
std::string repeated(std::string_view head, std::string_view unit, std::size_t size) {
    std::string text(head);
    while (text.size() + unit.size() <= size) text += unit;
    return text;
}

// Many small items: the driver's work per item (normaliser, query parser, rendering).
std::string numbered_items(std::size_t size) {
    std::string text;
    for (std::size_t i = 1;; ++i) {
        std::string line = std::to_string(i) + ". Cotton shirt (China) 500 pcs 10x20 cm target 2 USD\n";
        if (text.size() + line.size() > size) return text;
        text += line;
    }
}
std::string empty_markers(std::size_t size) { return repeated("1. a\n", "2. \n", size); }
std::string item_lines(std::size_t size) { return repeated("Please quote\n", "500 pcs cotton shirt, red\n", size); }

// One item as long as the document: the query parser's worst cases. Chunks between list
// separators, each with a new number, so one group holds as many specs as chunks.
std::string chunks_and_numbers(std::size_t size) {
    std::string text = "1. ";
    for (std::size_t i = 1; text.size() < size; ++i) text += "w " + std::to_string(i) + " / ";
    return text;
}
std::string lexicon_words(std::size_t size) {
    return repeated("1. ", "\u00e1o polo m\u00e0u \u0111\u1ecf size s \u0111\u1ebfn xl cotton iso 9001 china "
                    "and navy 20ft fcl 3 pcs ", size);
}
std::string digit_separators(std::size_t size) { return repeated("1. ", "1.1x1,1 ", size); }

// The Python module's path: the search phrases, which grow with chunks times specs, are skipped.
void BM_RfqHostile(benchmark::State& state, std::string (*make)(std::size_t)) {
    const std::string text = make(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(brellin::parse_rfq_document(text, brellin::SearchPhrases::Skip));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
#define HOSTILE(name) \
    BENCHMARK_CAPTURE(BM_RfqHostile, name, name)->Arg(100 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond)
HOSTILE(numbered_items);
HOSTILE(empty_markers);
HOSTILE(item_lines);
HOSTILE(chunks_and_numbers);
HOSTILE(lexicon_words);
HOSTILE(digit_separators);

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
    // Each run at 100 KB next to the same run at 1 MB.
    const std::string small_arg = "/102400";
    for (const auto& [name, small] : reporter.seconds) {
        if (!name.ends_with(small_arg) || small <= 0) continue;
        const std::string base = name.substr(0, name.size() - small_arg.size());
        const auto big = reporter.seconds.find(base + "/1048576");
        if (big != reporter.seconds.end())
            std::printf("growth 1 MB / 100 KB %-36s %6.2f (linear is about 10)\n", base.c_str(), big->second / small);
    }
    benchmark::Shutdown();
    return 0;
}
