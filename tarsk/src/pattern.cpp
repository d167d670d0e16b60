#include "tarsk/pattern.hpp"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>

#include "pattern_internal.hpp"

namespace tarsk {

namespace {

// Unicode White_Space, the meaning of \s in the patterns (PCRE2's UCP \s also takes U+180E).
constexpr std::string_view SPACE_SET =
    "\\x{9}-\\x{D}\\x{20}\\x{85}\\x{A0}\\x{1680}\\x{2000}-\\x{200A}\\x{2028}\\x{2029}"
    "\\x{202F}\\x{205F}\\x{3000}";
// Word characters: Alphabetic, marks, decimal digits, connector punctuation, joiners.
constexpr std::string_view WORD_SET = "\\p{Alphabetic}\\p{M}\\p{Nd}\\p{Pc}\\x{200C}\\x{200D}";

std::string word_boundary() {
    const std::string w = "[" + std::string(WORD_SET) + "]";
    return "(?:(?<=" + w + ")(?!" + w + ")|(?<!" + w + ")(?=" + w + "))";
}

std::string error_text(int code) {
    PCRE2_UCHAR buf[256];
    const int n = pcre2_get_error_message(code, buf, sizeof buf);
    return n < 0 ? "PCRE2 error " + std::to_string(code) : std::string(reinterpret_cast<char*>(buf));
}

}  // namespace

std::string translate_pattern(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    bool in_class = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
                case 's':
                    out += in_class ? std::string(SPACE_SET) : "[" + std::string(SPACE_SET) + "]";
                    continue;
                case 'w':
                    out += in_class ? std::string(WORD_SET) : "[" + std::string(WORD_SET) + "]";
                    continue;
                case 'b':
                    if (in_class) throw PatternError("\\b inside a class is not supported");
                    out += word_boundary();
                    continue;
                case 'S':
                case 'W':
                case 'B':
                    throw PatternError(std::string("unsupported escape \\") + e);
                default:
                    out += c;
                    out += e;
                    continue;
            }
        }
        if (!in_class && c == '[') {
            in_class = true;
            out += c;
            // A leading "^" and then a leading "]" belong to the class as written.
            if (i + 1 < text.size() && text[i + 1] == '^') out += text[++i];
            if (i + 1 < text.size() && text[i + 1] == ']') out += "\\]", ++i;
            continue;
        }
        if (in_class && c == ']') in_class = false;
        out += c;
    }
    return out;
}

std::string_view Match::str(std::string_view subject, std::size_t g) const {
    if (!has(g)) return {};
    return subject.substr(groups[g]->start, groups[g]->end - groups[g]->start);
}

// The one door to a pattern's engine state, for the helpers below and the internals' functions.
struct PatternAccess {
    using Impl = Pattern::Impl;
    static Impl& impl(const Pattern& p) { return *p.impl_; }
};

using PatternImpl = PatternAccess::Impl;

struct Pattern::Impl {
    pcre2_code* code = nullptr;
    pcre2_match_context* context = nullptr;
    pcre2_match_context* unbounded = nullptr;  // `context` with the heap limit lifted
    std::uint32_t group_count = 0;
    PatternStats stats;  // counted in the cost table's build only

    ~Impl() {
        pcre2_match_context_free(unbounded);
        pcre2_match_context_free(context);
        pcre2_code_free(code);
    }
};

namespace {

// The match data of one search. Every thread keeps one block, big enough for the system's
// patterns (a few groups each), and lends it to each search in turn instead of allocating one
// per search; no search runs inside another, so one block per thread is enough. A pattern
// with more groups gets a block of its own.
class MatchData {
public:
    explicit MatchData(const PatternImpl& p) {
        if (p.group_count + 1 > SHARED_PAIRS) {
            own_ = pcre2_match_data_create_from_pattern(p.code, nullptr);
            if (own_ == nullptr) throw std::bad_alloc();
            md = own_;
            return;
        }
        thread_local const std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> shared(
            pcre2_match_data_create(SHARED_PAIRS, nullptr), pcre2_match_data_free);
        if (shared == nullptr) throw std::bad_alloc();
        md = shared.get();
    }
    ~MatchData() { pcre2_match_data_free(own_); }
    MatchData(const MatchData&) = delete;
    MatchData& operator=(const MatchData&) = delete;

    pcre2_match_data* md = nullptr;

private:
    static constexpr std::uint32_t SHARED_PAIRS = 16;
    pcre2_match_data* own_ = nullptr;
};

struct JitStack {
    pcre2_jit_stack* stack;
    pcre2_match_context* context;
    JitStack(const pcre2_match_context* base, std::size_t size)
        : stack(pcre2_jit_stack_create(32 * 1024, size, nullptr)),
          context(pcre2_match_context_copy(const_cast<pcre2_match_context*>(base))) {
        if (context == nullptr) throw std::bad_alloc();
        if (stack != nullptr) pcre2_jit_stack_assign(context, nullptr, stack);
    }
    ~JitStack() {
        pcre2_match_context_free(context);
        pcre2_jit_stack_free(stack);
    }
    JitStack(const JitStack&) = delete;
    JitStack& operator=(const JitStack&) = delete;
};

// The JIT stack for a search the machine stack was too small for. A group repeat that can give
// iterations back keeps a few words per iteration, two more per capture or alternative inside,
// and an iteration takes at least one byte: 64 bytes per subject byte covers such a repeat with
// a few captures or alternatives. It is address space only until a search uses it.
std::size_t jit_stack_size(std::size_t subject_size) {
    constexpr std::size_t PER_BYTE = 64, BASE = std::size_t{1} << 20;
    return BASE + std::min(subject_size, (SIZE_MAX - BASE) / PER_BYTE) * PER_BYTE;
}

// Runs one match; true on a match, false on none; every other outcome raises.
bool run(const PatternImpl& p, std::string_view subject, std::size_t offset, std::uint32_t options,
         pcre2_match_data* md) {
#ifdef MORVANE_PATTERN_STATS
    const auto started = std::chrono::steady_clock::now();
    struct Count {
        const PatternImpl& p;
        std::size_t bytes;
        std::chrono::steady_clock::time_point started;
        ~Count() {
            auto& st = const_cast<PatternStats&>(p.stats);
            ++st.searches;
            st.bytes += bytes;
            st.ns += static_cast<std::uint64_t>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - started).count());
        }
    } count{p, subject.size() - std::min(offset, subject.size()), started};
#endif
    const auto* s = reinterpret_cast<PCRE2_SPTR>(subject.data());
    options |= PCRE2_NO_UTF_CHECK;
    // The JIT starts on the machine stack. None of the system's patterns needs more: their run
    // forms repeat groups only possessively, so their stack does not grow with the subject.
    int rc = pcre2_match(p.code, s, subject.size(), offset, options, md, p.context);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
        JitStack big(p.context, jit_stack_size(subject.size()));
        if (big.stack != nullptr) rc = pcre2_match(p.code, s, subject.size(), offset, options, md, big.context);
    }
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
        // Still too small, or not to be had: the interpreter keeps the same state in heap
        // frames, with no limit but memory itself (running out of it raises bad_alloc).
        rc = pcre2_match(p.code, s, subject.size(), offset, options | PCRE2_NO_JIT, md, p.unbounded);
    }
    if (rc >= 0) return true;
    if (rc == PCRE2_ERROR_NOMATCH) return false;
    if (rc == PCRE2_ERROR_NOMEMORY) throw std::bad_alloc();
    throw PatternError("pattern search failed: " + error_text(rc));
}

Match to_match(const PatternImpl& p, pcre2_match_data* md) {
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(md);
    Match m;
    m.groups.resize(p.group_count + 1);
    for (std::uint32_t g = 0; g <= p.group_count; ++g) {
        if (ov[2 * g] != PCRE2_UNSET) m.groups[g] = Span{ov[2 * g], ov[2 * g + 1]};
    }
    return m;
}

// "$n" is expanded here rather than by pcre2_substitute: that call runs its own searches, which
// would go around run()'s answer to a JIT stack that is too small, and it treats an unset group
// and a lone "$" as errors where the patterns' replacements want the empty text and a "$".
void expand(std::string& out, std::string_view subject, const Match& m, std::string_view replacement) {
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c == '$' && i + 1 < replacement.size()) {
            const char d = replacement[i + 1];
            if (d == '$') {
                out += '$';
                ++i;
                continue;
            }
            if (d >= '0' && d <= '9') {
                out += m.str(subject, static_cast<std::size_t>(d - '0'));
                ++i;
                continue;
            }
        }
        out += c;
    }
}

}  // namespace

Pattern::Pattern(std::string_view written, std::string_view run, bool jit)
    : written_(written), run_(run), impl_(std::make_unique<Impl>()) {
    const std::string source = translate_pattern(run.empty() ? written : run);
    pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
    if (cc == nullptr) throw std::bad_alloc();
    pcre2_set_newline(cc, PCRE2_NEWLINE_LF);
    int err = 0;
    PCRE2_SIZE err_offset = 0;
    const std::uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_DOLLAR_ENDONLY | PCRE2_ALT_CIRCUMFLEX;
    impl_->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(source.data()), source.size(), options, &err,
                                &err_offset, cc);
    pcre2_compile_context_free(cc);
    if (impl_->code == nullptr) {
        throw PatternError("pattern does not compile at " + std::to_string(err_offset) + ": " +
                           error_text(err) + ": " + std::string(written));
    }
    pcre2_pattern_info(impl_->code, PCRE2_INFO_CAPTURECOUNT, &impl_->group_count);
    if (jit) {
        const int rc = pcre2_jit_compile(impl_->code, PCRE2_JIT_COMPLETE);
        if (rc != 0) throw PatternError("JIT compilation failed: " + error_text(rc));
    }
    impl_->context = pcre2_match_context_create(nullptr);
    if (impl_->context == nullptr) throw std::bad_alloc();
    // The engine the patterns are written for has no step limit; ours must not give up on
    // long texts that a linear pattern handles, so only the most extreme cases raise. The step
    // count starts afresh at each start position, and the system's run forms take up to about four
    // steps per byte in one attempt: only an attempt across a gigabyte could reach the limit.
    pcre2_set_match_limit(impl_->context, UINT32_MAX);
    pcre2_set_depth_limit(impl_->context, UINT32_MAX);
    // A pattern built without JIT serves the tests as a reference; it keeps a bound so that a
    // runaway search fails instead of taking all memory. JIT searches fall back on `unbounded`.
    pcre2_set_heap_limit(impl_->context, 1024u * 1024);  // KiB: 1 GiB
    impl_->unbounded = pcre2_match_context_copy(impl_->context);
    if (impl_->unbounded == nullptr) throw std::bad_alloc();
    pcre2_set_heap_limit(impl_->unbounded, UINT32_MAX);  // KiB: 4 TiB, beyond any memory
}

Pattern::~Pattern() = default;
Pattern::Pattern(Pattern&&) noexcept = default;
Pattern& Pattern::operator=(Pattern&&) noexcept = default;

PatternStats& pattern_stats(const Pattern& p) { return PatternAccess::impl(p).stats; }

StartInfo start_info(const Pattern& p) {
    StartInfo info;
    const pcre2_code* code = PatternAccess::impl(p).code;
    pcre2_pattern_info(code, PCRE2_INFO_FIRSTCODETYPE, &info.first_type);
    if (info.first_type == 1) pcre2_pattern_info(code, PCRE2_INFO_FIRSTCODEUNIT, &info.first_unit);
    pcre2_pattern_info(code, PCRE2_INFO_LASTCODETYPE, &info.required_type);
    if (info.required_type == 1) pcre2_pattern_info(code, PCRE2_INFO_LASTCODEUNIT, &info.required_unit);
    const std::uint8_t* bitmap = nullptr;
    pcre2_pattern_info(code, PCRE2_INFO_FIRSTBITMAP, &bitmap);
    info.start_bitmap = bitmap != nullptr;
    pcre2_pattern_info(code, PCRE2_INFO_MINLENGTH, &info.min_length);
    return info;
}

bool Pattern::is_match(std::string_view subject, std::size_t offset) const {
    MatchData md(*impl_);
    return run(*impl_, subject, offset, 0, md.md);
}

std::optional<Match> Pattern::find(std::string_view subject, std::size_t offset) const {
    MatchData md(*impl_);
    if (!run(*impl_, subject, offset, 0, md.md)) return std::nullopt;
    return to_match(*impl_, md.md);
}

namespace {

// Calls `each(match data)` for every non-overlapping match, left to right, without keeping them.
// Bound: the offset grows at least every second pass (only an empty match may leave it where it
// was, and the next pass then may not match empty there): at most 2 * (size + 1) passes.
template <class Each>
void each_match(const PatternImpl& p, std::string_view subject, pcre2_match_data* md, Each each) {
    std::size_t offset = 0;
    std::uint32_t options = 0;
    while (offset <= subject.size()) {
        if (!run(p, subject, offset, options, md)) break;
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(md);
        const std::size_t start = ov[0];
        const std::size_t end = ov[1];
        each(md);
        options = 0;
        if (start == end) {
            // An empty match: the next one may not be empty at the same place.
            options = PCRE2_NOTEMPTY_ATSTART;
            if (end >= subject.size()) break;
        }
        offset = end;
    }
}

}  // namespace

std::vector<Match> Pattern::find_all(std::string_view subject) const {
    MatchData md(*impl_);
    std::vector<Match> all;
    each_match(*impl_, subject, md.md, [&](pcre2_match_data* d) { all.push_back(to_match(*impl_, d)); });
    return all;
}

std::optional<Match> Pattern::find_last(std::string_view subject) const {
    MatchData md(*impl_);
    // The spans of the latest match are copied over on the way; only the last becomes a Match.
    std::vector<PCRE2_SIZE> spans(2 * (impl_->group_count + 1));
    bool found = false;
    each_match(*impl_, subject, md.md, [&](pcre2_match_data* d) {
        found = true;
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(d);
        std::copy(ov, ov + spans.size(), spans.begin());
    });
    if (!found) return std::nullopt;
    Match m;
    m.groups.resize(impl_->group_count + 1);
    for (std::uint32_t g = 0; g <= impl_->group_count; ++g) {
        if (spans[2 * g] != PCRE2_UNSET) m.groups[g] = Span{spans[2 * g], spans[2 * g + 1]};
    }
    return m;
}

std::string Pattern::replace_first(std::string_view subject, std::string_view replacement) const {
    const auto m = find(subject);
    if (!m) return std::string(subject);
    std::string out(subject.substr(0, m->start()));
    expand(out, subject, *m, replacement);
    out += subject.substr(m->end());
    return out;
}

std::string Pattern::replace_all(std::string_view subject, std::string_view replacement) const {
    MatchData md(*impl_);
    std::string out;
    std::size_t last = 0;
    each_match(*impl_, subject, md.md, [&](pcre2_match_data* d) {
        const Match m = to_match(*impl_, d);
        out += subject.substr(last, m.start() - last);
        expand(out, subject, m, replacement);
        last = m.end();
    });
    out += subject.substr(last);
    return out;
}

}  // namespace tarsk
