// The regular expressions of the system, compiled with PCRE2 so that they behave as written
// (Unicode \s, \w and \b; `$` only at the very end; (?m)^ after LF only), JIT-compiled.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarsk {

// Byte range [start, end) of a subject.
struct Span {
    std::size_t start = 0;
    std::size_t end = 0;
    bool operator==(const Span&) const = default;
};

// One match: group 0 is the whole match; a group that took no part is absent.
struct Match {
    std::vector<std::optional<Span>> groups;

    std::size_t start() const { return groups[0]->start; }
    std::size_t end() const { return groups[0]->end; }
    bool has(std::size_t g) const { return g < groups.size() && groups[g].has_value(); }
    // Text of group g in `subject`; empty when the group is absent.
    std::string_view str(std::string_view subject, std::size_t g = 0) const;
};

// Raised when the engine gives up (match or stack limit) or the pattern does not compile.
struct PatternError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Pattern {
public:
    // `written` is the pattern as written. `run`, when given, is an equivalent form that the
    // engine runs instead (for patterns that backtrack badly); tests prove the two agree.
    explicit Pattern(std::string_view written, std::string_view run = {}, bool jit = true);
    ~Pattern();
    Pattern(Pattern&&) noexcept;
    Pattern& operator=(Pattern&&) noexcept;
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    const std::string& written_text() const { return written_; }
    // The equivalent form the engine runs, or empty when it runs the written text itself.
    const std::string& run_text() const { return run_; }

    // Subjects must be valid UTF-8. Searches see the whole subject, starting at `offset`.
    bool is_match(std::string_view subject, std::size_t offset = 0) const;
    std::optional<Match> find(std::string_view subject, std::size_t offset = 0) const;
    // All non-overlapping matches, left to right.
    std::vector<Match> find_all(std::string_view subject) const;
    // The last of those, without keeping the others.
    std::optional<Match> find_last(std::string_view subject) const;
    // `replacement` may use $1..$9 for groups (absent groups give the empty text).
    std::string replace_first(std::string_view subject, std::string_view replacement) const;
    std::string replace_all(std::string_view subject, std::string_view replacement) const;

private:
    struct Impl;                  // the engine's state
    friend struct PatternAccess;  // the engine's own code reaches it (pattern.cpp)

    std::string written_;
    std::string run_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarsk
