// Growth of normalize_item on items made of one short unit (or two) repeated, and on fixed
// hostile families: t(large) / t(small) near the size ratio (10 by default) is linear. A last
// section times parse_query and parse_rfq_document on attribute lists of many numbers, some whose
// std::hash collides (colliding_numbers.hpp).
//
// Each timing runs in a child process that is killed when it runs past the budget, so a
// super-linear family is flagged "over budget" and the run still ends.
//
//   bench_normalizer_growth [--units N] [--pairs N] [--seed S] [--small BYTES] [--large BYTES]
//                           [--huge BYTES] [--runs R] [--budget SECONDS] [--huge-budget SECONDS]
//                           [--top K]
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "brellin/document.hpp"
#include "brellin/item_normalizer.hpp"
#include "colliding_numbers.hpp"
#include "growth_inputs.hpp"
#include "tarsk/query.hpp"

namespace {

struct Options {
    std::size_t units = 5000;
    std::size_t pairs = 5000;
    std::uint64_t seed = 1;
    std::size_t small = 10'000;
    std::size_t large = 100'000;
    std::size_t huge = 1'000'000;
    int runs = 5;  // best of these at the small size
    double budget = 1.0;
    double huge_budget = 10.0;
    std::size_t top = 20;
};

void usage() {
    std::fprintf(stderr,
                 "usage: bench_normalizer_growth [--units N] [--pairs N] [--seed S] [--small BYTES] "
                 "[--large BYTES] [--huge BYTES] [--runs R] [--budget SECONDS] [--huge-budget SECONDS] "
                 "[--top K]\n");
    std::exit(2);
}

Options parse_options(int argc, char** argv) {
    Options o;
    bool pairs_given = false;
    // Bound: two arguments a step.
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) usage();
        const char* v = argv[i + 1];
        if (flag == "--units") {
            o.units = std::strtoull(v, nullptr, 10);
        } else if (flag == "--pairs") {
            o.pairs = std::strtoull(v, nullptr, 10);
            pairs_given = true;
        } else if (flag == "--seed") {
            o.seed = std::strtoull(v, nullptr, 10);
        } else if (flag == "--small") {
            o.small = std::strtoull(v, nullptr, 10);
        } else if (flag == "--large") {
            o.large = std::strtoull(v, nullptr, 10);
        } else if (flag == "--huge") {
            o.huge = std::strtoull(v, nullptr, 10);
        } else if (flag == "--runs") {
            o.runs = std::max(1, std::atoi(v));
        } else if (flag == "--budget") {
            o.budget = std::atof(v);
        } else if (flag == "--huge-budget") {
            o.huge_budget = std::atof(v);
        } else if (flag == "--top") {
            o.top = std::strtoull(v, nullptr, 10);
        } else {
            usage();
        }
    }
    if (!pairs_given) o.pairs = o.units;
    return o;
}

std::string size_name(std::size_t bytes) {
    if (bytes % 1'000'000 == 0) return std::to_string(bytes / 1'000'000) + " MB";
    if (bytes % 1'000 == 0) return std::to_string(bytes / 1'000) + " KB";
    return std::to_string(bytes) + " bytes";
}

struct Timing {
    enum { ok, over, failed } status = failed;
    double seconds = 0;  // best run when ok
};

// What a text is given to: the item normaliser, or (for the list floods) a whole query or RFQ
// document, the latter without search phrases, as the Python module asks for it.
enum class Entry { normalizer, query, rfq };

struct Task {
    std::string text;
    int runs;  // best of these
    Entry entry = Entry::normalizer;
};

double run_once(const Task& task) {
    const auto t0 = std::chrono::steady_clock::now();
    switch (task.entry) {
        case Entry::normalizer: benchmark::DoNotOptimize(brellin::normalize_item(task.text)); break;
        case Entry::query:
            benchmark::DoNotOptimize(tarsk::parse_query(task.text, tarsk::QueryParts::GroupsOnly));
            break;
        case Entry::rfq:
            benchmark::DoNotOptimize(brellin::parse_rfq_document(task.text, brellin::SearchPhrases::Skip));
            break;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Reads one double from `fd` by `deadline`; false on time-out or end of input.
bool read_by(int fd, std::chrono::steady_clock::time_point deadline, double& value) {
    // Bound: each pass waits until the value, the child's end or the deadline.
    for (;;) {
        const double left = std::chrono::duration<double>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::ceil(left * 1000)));
        if (ready < 0 && errno == EINTR) continue;
        return ready > 0 && read(fd, &value, sizeof value) == sizeof value;
    }
}

// Times normalize_item in a child process, `rounds` times over the tasks in turn (so that the
// sizes of one round are timed on the same core at the same moment): the best of each task's
// runs, or -1 when it threw. A run past `budget` ends the child, as does the parent when a
// result is late. Returns the times per round received in time; a round may be incomplete.
std::vector<std::vector<double>> child_times(const std::vector<Task>& tasks, int rounds, double budget) {
    std::vector<std::vector<double>> got;
    std::fflush(stdout);
    std::fflush(stderr);
    int fds[2];
    if (pipe(fds) != 0) return got;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return got;
    }
    if (pid == 0) {
        close(fds[0]);
        for (int round = 0; round < rounds; ++round) {
            for (const Task& task : tasks) {
                double best = -1;
                try {
                    best = run_once(task);
                    for (int r = 1; r < task.runs && best <= budget; ++r) best = std::min(best, run_once(task));
                } catch (...) {
                    best = -1;
                }
                if (write(fds[1], &best, sizeof best) != sizeof best || best < 0 || best > budget) _exit(0);
            }
        }
        _exit(0);
    }
    close(fds[1]);
    bool late = false;
    for (int round = 0; round < rounds && !late; ++round) {
        got.emplace_back();
        for (const Task& task : tasks) {
            using clock = std::chrono::steady_clock;
            const auto wait = std::chrono::duration<double>(budget * task.runs + 0.2);
            const auto deadline = clock::now() + std::chrono::duration_cast<clock::duration>(wait);
            double t = 0;
            late = !read_by(fds[0], deadline, t);
            if (late) break;
            got.back().push_back(t);
            if (t < 0 || t > budget) {
                late = true;
                break;
            }
        }
    }
    kill(pid, SIGKILL);  // it may still be in a run past the budget
    waitpid(pid, nullptr, 0);
    close(fds[0]);
    return got;
}

// One result of child_times; a missing one was cut off by the budget.
Timing timing(const std::vector<std::vector<double>>& got, std::size_t round, std::size_t task, double budget) {
    if (got.size() <= round || got[round].size() <= task) return {Timing::over, budget};
    const double t = got[round][task];
    if (t < 0) return {Timing::failed, 0};
    if (t > budget) return {Timing::over, budget};
    return {Timing::ok, t};
}

struct Input {
    std::string name;
    std::string shown;  // the unit(s) or the head and tail of the family's small item
    std::function<std::string(std::size_t)> build;
    Entry entry = Entry::normalizer;
};

struct Row {
    const Input* input = nullptr;
    Timing small, large;
    // Over budget: the ratio guessed from the growth between half the small size and the small size.
    double guessed = 0;
    bool confirmed = false;  // measured again, see confirm_leaders
    double ratio() const { return large.seconds / std::max(small.seconds, 1e-9); }
    bool over() const { return large.status == Timing::over || small.status == Timing::over; }
    bool failed() const { return small.status == Timing::failed || large.status == Timing::failed; }
};

// Best of `runs` at the small size then best of `large_runs` at the large, `rounds` times; the
// round with the lowest ratio counts, since the machine can only slow a run down.
void measure(Row& row, const Options& o, int rounds, int large_runs) {
    const Entry entry = row.input->entry;
    const std::vector<Task> tasks = {{row.input->build(o.small), o.runs, entry},
                                     {row.input->build(o.large), large_runs, entry}};
    const auto got = child_times(tasks, rounds, o.budget);
    row.small = timing(got, 0, 0, o.budget);
    row.large = timing(got, 0, 1, o.budget);
    // Rounds that are complete, within budget and not failed.
    for (std::size_t r = 1; r < got.size() && row.large.status == Timing::ok; ++r) {
        const Timing s = timing(got, r, 0, o.budget);
        const Timing l = timing(got, r, 1, o.budget);
        if (s.status == Timing::ok && l.status == Timing::ok && l.seconds / s.seconds < row.ratio()) {
            row.small = s;
            row.large = l;
        }
    }
    if (row.small.status != Timing::ok) row.large = row.small;
    if (row.small.status != Timing::ok || row.large.status != Timing::over) return;
    // The median of three rounds: a guess, but not one a single slowed run sets.
    const auto half = child_times({{row.input->build(o.small / 2), o.runs, entry}, tasks[0]}, 3, o.budget);
    std::vector<double> powers;
    for (std::size_t r = 0; r < half.size(); ++r) {
        const Timing h = timing(half, r, 0, o.budget);
        const Timing s = timing(half, r, 1, o.budget);
        if (h.status == Timing::ok && s.status == Timing::ok)
            powers.push_back(std::log2(s.seconds / std::max(h.seconds, 1e-9)));
    }
    if (powers.empty()) return;
    std::sort(powers.begin(), powers.end());
    const double power = powers[powers.size() / 2];
    row.guessed = std::pow(static_cast<double>(o.large) / static_cast<double>(o.small), power);
}

std::string ratio_text(const Row& r) {
    char buf[64];
    if (r.failed()) return "failed";
    if (r.small.status == Timing::over) return "OVER BUDGET (small)";
    if (r.over()) {
        std::snprintf(buf, sizeof buf, "OVER BUDGET (~%.0f)", r.guessed);
    } else {
        std::snprintf(buf, sizeof buf, "%.2f", r.ratio());
    }
    return buf;
}

std::string ms(const Timing& t) {
    char buf[32];
    if (t.status == Timing::ok) {
        std::snprintf(buf, sizeof buf, "%.3f", t.seconds * 1e3);
        return buf;
    }
    return t.status == Timing::over ? "over" : "failed";
}

void print_row(std::size_t rank, const Row& r) {
    std::printf("%4zu %-22s %10s %10s  %s: %s\n", rank, ratio_text(r).c_str(), ms(r.small).c_str(),
                ms(r.large).c_str(), r.input->name.c_str(), r.input->shown.c_str());
}

// Over budget first (by their guessed ratio), then by growth ratio.
bool worse(const Row& a, const Row& b) {
    if (a.failed() != b.failed()) return a.failed();
    if (a.over() != b.over()) return a.over();
    if (a.over()) return a.guessed > b.guessed;
    return a.ratio() > b.ratio();
}

// A single large run can be slowed by the machine, and other work on the same core slows the
// long runs more than the best of the short ones, so the first ratios have a long tail of noise.
// The worst within budget are measured again, best of three at both sizes, in three passes at
// different moments, keeping the lowest ratio, until the worst `top` are all measured so.
void confirm_leaders(std::vector<Row>& rows, const Options& o) {
    // Bound: each pass confirms at least one more row, so there are at most as many passes as rows.
    for (;;) {
        std::sort(rows.begin(), rows.end(), worse);
        std::vector<Row*> pending;
        std::size_t rank = 0;
        bool top_confirmed = true;
        for (std::size_t i = 0; i < rows.size() && rank < 2 * o.top; ++i) {
            if (rows[i].over() || rows[i].failed()) continue;
            if (!rows[i].confirmed) {
                pending.push_back(&rows[i]);
                top_confirmed = top_confirmed && rank >= o.top;
            }
            ++rank;
        }
        if (top_confirmed) return;
        for (int pass = 0; pass < 3; ++pass) {
            for (Row* row : pending) {
                Row again = *row;
                measure(again, o, 1, 3);
                if (again.over() || again.failed() || again.ratio() < row->ratio()) *row = again;
                row->confirmed = true;
            }
        }
    }
}

struct Slowest {
    const Row* row = nullptr;
    Timing huge;
};

// The largest size for the worst inputs whose large size stayed within budget; returns the
// slowest of them (one over budget before any other).
Slowest print_huge_times(const std::vector<Row>& rows, const Options& o) {
    std::printf("\nworst %zu within budget, with the %s time (last ratio = %s time / %s time):\n", o.top,
                size_name(o.huge).c_str(), size_name(o.huge).c_str(), size_name(o.large).c_str());
    std::printf("%4s %-22s %10s %10s %10s %10s\n", "", "ratio", "small ms", "large ms", "huge s", "ratio");
    Slowest slowest;
    std::size_t rank = 0;
    for (std::size_t i = 0; i < rows.size() && rank < o.top; ++i) {
        const Row& r = rows[i];
        if (r.over() || r.failed()) continue;
        ++rank;
        const Timing t =
            timing(child_times({{r.input->build(o.huge), 1, r.input->entry}}, 1, o.huge_budget), 0, 0, o.huge_budget);
        char huge[32] = "failed";
        char ratio[32] = "-";
        if (t.status == Timing::ok) {
            std::snprintf(huge, sizeof huge, "%.3f", t.seconds);
            std::snprintf(ratio, sizeof ratio, "%.2f", t.seconds / std::max(r.large.seconds, 1e-9));
        } else if (t.status == Timing::over) {
            std::snprintf(huge, sizeof huge, "OVER");
        }
        std::printf("%4zu %-22s %10s %10s %10s %10s  %s: %s\n", rank, ratio_text(r).c_str(), ms(r.small).c_str(),
                    ms(r.large).c_str(), huge, ratio, r.input->name.c_str(), r.input->shown.c_str());
        const bool slower = !slowest.row || (slowest.huge.status == Timing::ok &&
                                             (t.status == Timing::over || t.seconds > slowest.huge.seconds));
        if (t.status != Timing::failed && slower) slowest = {&r, t};
    }
    return slowest;
}

std::vector<Input> make_inputs(const Options& o) {
    std::vector<Input> inputs;
    for (const growth::Family& f : growth::fixed_families())
        inputs.push_back({f.name, "\"" + growth::escaped(f.build(o.small), 120) + "\"", f.build});
    growth::Rng rng(o.seed);
    for (std::size_t i = 0; i < o.units; ++i) {
        const std::string u = growth::random_unit(rng);
        inputs.push_back({"unit " + std::to_string(i), "\"" + growth::escaped(u) + "\" repeated",
                          [u](std::size_t size) { return growth::repeat_to(u, size); }});
    }
    for (std::size_t i = 0; i < o.pairs; ++i) {
        const std::string a = growth::random_unit(rng);
        const std::string b = growth::random_unit(rng);
        inputs.push_back({"pair " + std::to_string(i),
                          "\"" + growth::escaped(a) + "\" repeated, then \"" + growth::escaped(b) + "\" repeated",
                          [a, b](std::size_t size) { return growth::two_part(a, b, size); }});
    }
    return inputs;
}

// Queries and RFQ documents of one attribute list: numbers whose hash collides, and the
// consecutive numbers of the same width as the control.
std::vector<Input> list_floods(const Options& o) {
    std::vector<Input> floods;
    for (const bool colliding : {true, false}) {
        for (const Entry entry : {Entry::query, Entry::rfq}) {
            const bool query = entry == Entry::query;
            const std::string head = query ? "abc " : "- abc ";
            const std::string sep = query ? ", " : "/";
            auto build = [=](std::size_t size) { return growth::number_list(head, sep, size, colliding); };
            floods.push_back({std::string(query ? "parse_query" : "parse_rfq_document") + ", " +
                                  (colliding ? "colliding hash" : "consecutive"),
                              "\"" + growth::escaped(build(o.small), 120) + "\"", build, entry});
        }
    }
    return floods;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse_options(argc, argv);
    benchmark::DoNotOptimize(brellin::normalize_item("5 pcs steel 2x3 mm"));  // patterns compiled once, before any fork
    const std::vector<Input> inputs = make_inputs(o);
    const std::size_t fixed = growth::fixed_families().size();
    std::printf("sizes %zu / %zu / %zu bytes, budget %.2f s a run (%.2f s at the largest), %zu units, %zu pairs, "
                "seed %llu\n",
                o.small, o.large, o.huge, o.budget, o.huge_budget, o.units, o.pairs,
                static_cast<unsigned long long>(o.seed));

    std::vector<Row> rows(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        rows[i].input = &inputs[i];
        measure(rows[i], o, 1, 1);
        if (rows[i].over()) std::fprintf(stderr, "OVER BUDGET: %s\n", inputs[i].name.c_str());
        if (rows[i].failed()) std::fprintf(stderr, "FAILED (threw or crashed): %s\n", inputs[i].name.c_str());
        if ((i + 1) % 500 == 0) std::fprintf(stderr, "measured %zu of %zu\n", i + 1, inputs.size());
    }

    std::printf("\nfixed families (ratio = %s time / %s time):\n", size_name(o.large).c_str(),
                size_name(o.small).c_str());
    std::printf("%4s %-22s %10s %10s\n", "", "ratio", "small ms", "large ms");
    for (std::size_t i = 0; i < fixed; ++i) print_row(i + 1, rows[i]);

    const std::vector<Input> floods = list_floods(o);
    std::printf("\nlist floods (ratio = %s time / %s time):\n", size_name(o.large).c_str(), size_name(o.small).c_str());
    std::printf("%4s %-22s %10s %10s\n", "", "ratio", "small ms", "large ms");
    for (std::size_t i = 0; i < floods.size(); ++i) {
        Row flood;
        flood.input = &floods[i];
        measure(flood, o, 3, 3);
        print_row(i + 1, flood);
    }

    confirm_leaders(rows, o);
    std::sort(rows.begin(), rows.end(), worse);
    const std::size_t shown = std::min(rows.size(), o.top);
    std::printf("\nworst %zu growth ratios of %zu inputs:\n", shown, rows.size());
    std::printf("%4s %-22s %10s %10s\n", "", "ratio", "small ms", "large ms");
    for (std::size_t i = 0; i < shown; ++i) print_row(i + 1, rows[i]);
    const Slowest slowest = print_huge_times(rows, o);

    std::size_t over = 0;
    for (const Row& r : rows) over += r.over();
    std::printf("\n%zu of %zu inputs over budget\n", over, rows.size());
    const Row& worst = rows.front();
    std::printf("worst ratio %s on %s; ", ratio_text(worst).c_str(), worst.input->name.c_str());
    if (slowest.row) {
        char t[32];
        if (slowest.huge.status == Timing::over) {
            std::snprintf(t, sizeof t, "> %.1f", o.huge_budget);
        } else {
            std::snprintf(t, sizeof t, "%.3f", slowest.huge.seconds);
        }
        std::printf("worst %s time %s s on %s\n", size_name(o.huge).c_str(), t, slowest.row->input->name.c_str());
    } else {
        std::printf("no %s time (every input over budget)\n", size_name(o.huge).c_str());
    }
    return 0;
}
