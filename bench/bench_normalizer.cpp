// Worst-case timing of the item normaliser: each pattern (as the engine runs it) and
// normalize_item on hostile items of 10 KB, 100 KB and 1 MB. Linear growth shows as a
// 1 MB / 100 KB ratio near 10.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "brellin/item_normalizer.hpp"
#include "dims_reference.hpp"

namespace {

struct Family {
    const char* name;
    std::string unit;    // repeated to the size
    std::string before;  // once, in front
    std::string after;   // once, at the end
    std::string (*make)(std::size_t) = nullptr;  // when given, builds the text instead
};

// Every character a different code point (U+20000 onwards, four bytes each): each one is case
// mapped on its own once per cut, the rest of the walk is memo lookups.
std::string distinct_letters(std::size_t size) {
    std::string s = "5 pcs ";
    for (char32_t c = 0x20000; s.size() + 4 <= size; ++c) {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

const std::vector<Family> FAMILIES = {
    {"blank run", " ", "", "x"},
    {"digit run", "1", "", ""},
    {"( + blanks", " ", "(", "x)"},
    {"target + blanks", " ", "target", "x"},
    {"comma blanks", ", ", "", ""},
    {"dimension phrases", "5mm ", "", ""},
    {"words + dimensions", "steel 2x3 cm, ", "", ""},
    {"dimension chain", "1x", "", "1"},
    {"spaced chain", "1 x ", "", "1"},
    {"wide-gap chain", "1      x ", "", "1"},
    {"quantity phrases", "5 pcs ", "", ""},
    {"vietnamese quantities", "5 c\xc3\xa1i ", "", ""},
    {"xu\xe1\xba\xa5t x\xe1\xbb\xa9 phrases", "xu\xe1\xba\xa5t x\xe1\xbb\xa9 a, ", "", ""},
    {"qty: labels", "qty: ", "", ""},
    {"qty: n/a labels", "qty: n/a x ", "", ""},
    {"spec: labels", " spec: ", "", ""},
    {"* runs", "***a", "", ""},
    {"lone *", "a", "*", ""},
    {"blocked units", "5mx", "", " 5m"},
    {"earlier blocked copies", "5mx", "", "q5m"},
    {"uneven letters", "\xc4\xb0 5mm ", "", ""},
    // The other steps' worst cases. Origin: a candidate for every table pattern at every byte;
    // a "(key," whose ")" is far or whose inside is long; rejected ", name" copies; a long phrase.
    {"( run", "(", "", ""},
    {"(tq, then letters", "a", "(tq,", ""},
    {"(tq, blanks )", " ", "(tq,", ")"},
    {"rejected , china", ", chinax", "", ""},
    {"xu\xe1\xba\xa5t x\xe1\xbb\xa9 long phrase", "a ", "xu\xe1\xba\xa5t x\xe1\xbb\xa9 ", ""},
    // Quantity: a phrase as long as the text (the search for its last copy), and copies of the
    // phrase after the match where the word boundary fails.
    {"blanks, then qty", " ", ",", "5 pcs"},
    {"later copies of qty", "10 setsx ", "10 sets ", ""},
    // Clean-up and commas: trailing points and colons, each dropped once.
    {"trailing points", ".", "a", ""},
    {"trailing colons", ":", "a", ""},
    {"distinct letters", "", "", "", distinct_letters},
};

std::string build(const Family& f, std::size_t size) {
    if (f.make != nullptr) return f.make(size);
    std::string s = f.before;
    while (s.size() + f.after.size() < size) s += f.unit;
    return s + f.after;
}

// Mean time of one run; short runs are repeated so that timer noise does not set the ratio.
double seconds(const std::function<void()>& run) {
    using clock = std::chrono::steady_clock;
    const auto t0 = clock::now();
    int runs = 0;
    double spent = 0;
    do {
        run();
        ++runs;
        spent = std::chrono::duration<double>(clock::now() - t0).count();
    } while (spent < 0.05 && runs < 1000);
    return spent / runs;
}

void row(const char* what, const Family& f, const std::function<void(const std::string&)>& run) {
    const std::size_t sizes[] = {10'000, 100'000, 1'000'000};
    double t[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (i == 2 && t[1] > 0.5) {
            t[2] = -1;  // clearly super-linear: the 1 MB run would take minutes
            break;
        }
        const std::string s = build(f, sizes[i]);
        t[i] = seconds([&] { run(s); });
    }
    if (t[2] < 0) {
        std::printf("%-18s %-24s %10.3f %10.3f %10s %8s\n", what, f.name, t[0] * 1e3, t[1] * 1e3, "skipped",
                    "-");
    } else {
        std::printf("%-18s %-24s %10.3f %10.3f %10.3f %8.1f\n", what, f.name, t[0] * 1e3, t[1] * 1e3, t[2] * 1e3,
                    t[2] / std::max(t[1], 1e-9));
    }
    std::fflush(stdout);
}

}  // namespace

int main() {
    using brellin::Pat;
    struct Named {
        std::string name;
        const tarsk::Pattern& pattern;
    };
    std::vector<Named> patterns;
    for (const Pat p : {Pat::BOLD_RE, Pat::PRODUCT_PREFIX_RE, Pat::SPEC_LABEL_RE, Pat::QTY_NA_RE, Pat::TARGET_PRICE_RE,
                        Pat::QTY_EN_RE, Pat::QTY_VI_RE, Pat::ORIGIN_VI_RE, Pat::EMPTY_PARENS_RE})
        patterns.push_back({std::string(brellin::pattern_form(p).name), brellin::pattern(p)});
    patterns.push_back({"DIMS_RE", brellin::DIMS_RE()});
    std::printf("%-18s %-24s %10s %10s %10s %8s\n", "what", "input", "10KB ms", "100KB ms", "1MB ms", "1M/100K");
    for (const Named& p : patterns) {
        for (const Family& f : FAMILIES) {
            row(p.name.c_str(), f, [&](const std::string& s) { benchmark::DoNotOptimize(p.pattern.find_all(s)); });
        }
    }
    for (const Family& f : FAMILIES) {
        row("normalize_item", f, [](const std::string& s) { benchmark::DoNotOptimize(brellin::normalize_item(s)); });
    }
    return 0;
}
