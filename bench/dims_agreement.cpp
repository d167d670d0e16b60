// Runs the dimension step and its plain reference on many generated items and compares the
// working text and the dimensions they leave. Item i is made from the seed and i alone, so a
// disagreement can be made again whatever the thread count.
//
//   dims_agreement [--items N] [--threads T] [--seed S] [--show K]
//
// Exits 1 on any disagreement.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "dims_items.hpp"
#include "dims_reference.hpp"
#include "growth_inputs.hpp"
#include "item_steps.hpp"

namespace {

struct Options {
    std::uint64_t items = 10'000'000;
    unsigned threads = 8;
    std::uint64_t seed = 1;
    std::size_t show = 5;
};

void usage() {
    std::fprintf(stderr, "usage: dims_agreement [--items N] [--threads T] [--seed S] [--show K]\n");
    std::exit(2);
}

Options parse_options(int argc, char** argv) {
    Options o;
    // Bound: two arguments a step.
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) usage();
        const std::uint64_t v = std::strtoull(argv[i + 1], nullptr, 10);
        if (flag == "--items") {
            o.items = v;
        } else if (flag == "--threads") {
            o.threads = static_cast<unsigned>(std::max<std::uint64_t>(1, v));
        } else if (flag == "--seed") {
            o.seed = v;
        } else if (flag == "--show") {
            o.show = v;
        } else {
            usage();
        }
    }
    return o;
}

struct Outcome {
    std::string working;
    std::vector<std::string> dims;
    std::string error;
    bool operator==(const Outcome&) const = default;
};

Outcome run(void (*step)(std::string&, std::vector<std::string>&), const std::string& text) {
    Outcome o{text, {}, {}};
    try {
        step(o.working, o.dims);
    } catch (const std::exception& e) {
        o.error = e.what();
    }
    return o;
}

std::string shown(const Outcome& o) {
    if (!o.error.empty()) return "threw: " + o.error;
    // Appended piece by piece: GCC 12's -Wrestrict misreads "literal" + std::string&& at -O3.
    std::string s = "\"";
    s += growth::escaped(o.working, 1000);
    s += "\" dims [";
    for (std::size_t i = 0; i < o.dims.size(); ++i) {
        s += i ? ", \"" : "\"";
        s += growth::escaped(o.dims[i]);
        s += "\"";
    }
    return s + "]";
}

struct Disagreement {
    std::uint64_t index;
    std::string text;
    Outcome fast, plain;
};

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse_options(argc, argv);
    growth::dims_item(o.seed, 0);  // builds the shared family table before the threads start
    std::atomic<std::uint64_t> compared{0};
    std::atomic<std::uint64_t> disagreeing{0};
    std::mutex found_lock;
    std::vector<Disagreement> found;  // the lowest indices seen, at most `show` of them
    const auto t0 = std::chrono::steady_clock::now();

    const auto work = [&](unsigned t) {
        std::uint64_t done = 0;
        // Bound: items t, t + T, t + 2T, ... below the item count.
        for (std::uint64_t i = t; i < o.items; i += o.threads) {
            const std::string text = growth::dims_item(o.seed, i);
            Outcome fast = run(brellin::take_dimensions, text);
            Outcome plain = run(brellin::take_dimensions_plain, text);
            ++done;
            if (fast == plain) continue;
            ++disagreeing;
            const std::lock_guard<std::mutex> lock(found_lock);
            found.push_back({i, text, std::move(fast), std::move(plain)});
            std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
            if (found.size() > o.show) found.pop_back();
        }
        compared += done;
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < o.threads; ++t) threads.emplace_back(work, t);
    for (std::thread& th : threads) th.join();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("compared %llu items (seed %llu, %u threads, %.1f s): %llu disagreements\n",
                static_cast<unsigned long long>(compared.load()), static_cast<unsigned long long>(o.seed), o.threads,
                seconds, static_cast<unsigned long long>(disagreeing.load()));
    for (const Disagreement& d : found) {
        std::printf("item %llu: \"%s\"\n  take_dimensions:       %s\n  take_dimensions_plain: %s\n",
                    static_cast<unsigned long long>(d.index), growth::escaped(d.text, 1000).c_str(),
                    shown(d.fast).c_str(), shown(d.plain).c_str());
    }
    return disagreeing.load() == 0 ? 0 : 1;
}
