// Worst-case timing of the segmenter and trade-term patterns on hostile inputs of growing size.
// Prints, per pattern and input kind, the time of one find_all at 10 KB, 100 KB and 1 MB and the
// 1 MB / 100 KB ratio (about 10 when the search is linear). Then the same for the segmenter and
// trade-term functions, and for the patterns as written where the engine runs an equivalent form.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/pattern.hpp"
#include "patterns.hpp"
#include "segmenter_parts.hpp"

namespace {

struct Kind {
    const char* name;
    std::string head;  // written once
    std::string unit;  // repeated to the size
    std::string tail;  // written once
    std::string mid = {};  // when given, half the repeats go before it and half after
};

std::string make(const Kind& k, std::size_t size) {
    const std::size_t fixed = k.head.size() + k.mid.size() + k.tail.size();
    const std::size_t repeats = size > fixed ? (size - fixed) / k.unit.size() : 0;
    std::string s = k.head;
    const std::size_t first = k.mid.empty() ? repeats : repeats / 2;
    for (std::size_t i = 0; i < first; ++i) s += k.unit;
    s += k.mid;
    for (std::size_t i = first; i < repeats; ++i) s += k.unit;
    return s + k.tail;
}

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all = {
        {"blank lines", "", "\n", "x"},
        {"space lines", "", " \n", "x"},
        {"mixed blanks", "", " \t\r\n\xc2\xa0", "x"},
        {"spaces", "x", " ", "x"},
        {"digits", "", "1", "x"},
        {"digit lines", "", "1\n", ""},
        {"blank lines, 1.", "", "\n", "1."},
        {"blank lines, -", "", "\n \n", "-"},
        {"1. no space", "", "1.x\n", ""},
        {"bullet no space", "", "-x\n\xc2\xb7", ""},
        {"marker, blanks", "1.", " \n", ""},
        {"target repeated", "", "target ", "x"},
        {"target, blanks", "target", " \n", "x"},
        {"lead time repeated", "", "lead time", ""},
        {"lead time, blank lines", "lead time", "\n", "."},
        {"lead time, colons", "lead time", ": ", "."},
        {"payment repeated", "", "payment terms", ""},
        {"payment, blank lines", "payment", "\n", "."},
        {"payment, colons", "payment terms", ":\n", "."},
        {"thanh, blanks", "thanh", " ", "."},
        {"FOB repeated", "", "FOB ", ""},
        {"FOB, blanks", "FOB", " \n", "x"},
        {"FOB place repeated", "", "FOB Ab\n", ""},
        {"to repeated", "", "to ", ""},
        {"to, blanks", "to", " \n", "1"},
        {"to, long place", "", "to Abc def ghi jkl mno pqr stu vwx yz ", ""},
        {"deliver to", "", "delivery to ", ""},
        {"unit words", "", "pcs set kg ", "\n"},
        {"letters", "", "Ab", ""},
        {"codes", "", "USD EUR ", ""},
        // The last item "1...1x" and, after it, an empty marker "1...1." that shares its prefix:
        // a naive search for the item's last occurrence compares long prefixes at every position.
        {"item like its marker", "1. ", "1", ".\n", "x\n"},
        // The segmenter's own loops: a piece per marker, a line per line feed, and a trailer of
        // empty markers that the backward search for the last item runs through.
        {"numbered items", "", "1. a\n", ""},
        {"bulleted items", "", "- a\n", ""},
        {"item lines", "hi\n", "5 pcs\n", ""},
        {"preamble lines", "", "hello\n", "5 pcs"},
        {"trade lines", "5 pcs\nlead time\n", "x\n", ""},
        {"empty markers after", "1. a\n", "2. \n", ""},
    };
    return all;
}

// Best of up to five runs, in seconds; fewer when the runs take long.
double seconds(const std::function<void()>& f) {
    double best = 1e9, total = 0;
    for (int run = 0; run < 5 && total < 0.3; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        best = std::min(best, d.count());
        total += d.count();
    }
    return best;
}

const std::size_t SIZES[] = {10'000, 100'000, 1'000'000};

// Times `run` on every kind at every size; a larger size is skipped after a run over `cap` s.
void table(const char* name, const std::function<void(const std::string&)>& run, double cap, double& worst) {
    for (const Kind& k : kinds()) {
        double t[3] = {-1, -1, -1};
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && t[i - 1] > cap) break;
            const std::string subject = make(k, SIZES[i]);
            t[i] = seconds([&] { run(subject); });
        }
        std::printf("%-20s %-24s", name, k.name);
        for (double v : t) {
            if (v < 0) std::printf(" %10s", "skipped");
            else std::printf(" %10.3f", v * 1e3);
        }
        if (t[2] >= 0) {
            const double ratio = t[2] / std::max(t[1], 1e-9);
            worst = std::max(worst, t[2]);
            std::printf(" %7.1f\n", ratio);
        } else {
            std::printf(" %7s\n", "-");
        }
    }
}

void header(const char* title) {
    std::printf("\n%s\n%-20s %-24s %10s %10s %10s %7s\n", title, "pattern", "input", "10KB ms", "100KB ms",
                "1MB ms", "1M/100K");
}

struct Named {
    std::string name;
    const tarsk::Pattern& pattern;
};

// The segmenter's and the trade terms' patterns.
std::vector<Named> rfq_patterns() {
    using brellin::Pat;
    std::vector<Named> out;
    for (const Pat p : {Pat::RFQ_DETECT_RE, Pat::NUMBERED_ITEM_RE, Pat::BULLET_ITEM_RE, Pat::ITEM_LINE_RE,
                        Pat::TRADE_HEADER_RE, Pat::CURRENCY_RE, Pat::INCOTERM_PLACE_RE, Pat::INCOTERM_RE,
                        Pat::DESTINATION_RE, Pat::LEAD_TIME_RE, Pat::PAYMENT_RE})
        out.push_back({std::string(brellin::pattern_form(p).name), brellin::pattern(p)});
    return out;
}

}  // namespace

int main() {
    const std::vector<Named> patterns = rfq_patterns();
    double worst = 0;
    header("Patterns as the engine runs them (find_all)");
    for (const Named& p : patterns)
        table(p.name.c_str(), [&](const std::string& s) { (void)p.pattern.find_all(s); }, 2.0, worst);

    header("Segmenter and trade-term functions");
    table("looks_like_rfq", [](const std::string& s) { (void)brellin::looks_like_rfq(s); }, 2.0, worst);
    table("segment_document", [](const std::string& s) { (void)brellin::segment_document(s); }, 2.0, worst);
    table("segment_by_lines", [](const std::string& s) { (void)brellin::segment_by_lines(s); }, 2.0, worst);
    table("extract_trade_terms", [](const std::string& s) { (void)brellin::extract_trade_terms(s); }, 2.0, worst);
    std::printf("\nslowest 1 MB run: %.3f ms\n", worst * 1e3);

    double ignored = 0;
    header("Patterns as written, where the engine runs an equivalent form");
    for (const Named& p : patterns) {
        if (p.pattern.run_text().empty()) continue;
        const tarsk::Pattern quoted(p.pattern.written_text());
        table(p.name.c_str(), [&](const std::string& s) { (void)quoted.find_all(s); }, 2.0, ignored);
    }

    // The interpreter has none of the JIT's shortcuts; the fuzz checks compare it with the JIT.
    header("Without JIT: the form run, then the form written where they differ (a size is skipped after a run over 50 ms)");
    for (const Named& p : patterns) {
        const tarsk::Pattern run(p.pattern.written_text(), p.pattern.run_text(), false);
        table(p.name.c_str(), [&](const std::string& s) { (void)run.find_all(s); }, 0.05, ignored);
    }
    for (const Named& p : patterns) {
        if (p.pattern.run_text().empty()) continue;
        const tarsk::Pattern quoted(p.pattern.written_text(), {}, false);
        table(p.name.c_str(), [&](const std::string& s) { (void)quoted.find_all(s); }, 0.05, ignored);
    }
    return 0;
}
