// The pattern helper's internals that its tests and benchmarks look at: the PCRE2 source a
// pattern text becomes, what a compiled pattern costs, and what PCRE2 knows about where its
// matches can start. Not part of the library's interface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarsk/pattern.hpp"

namespace tarsk {

// The PCRE2 source that `Pattern` compiles for `text` (escapes rewritten); the size tests compile
// it on the bare engine to see a run form's own stack use.
std::string translate_pattern(std::string_view text);

// For the cost table (bench/bench_pattern_costs.cpp). Searches are counted only in a build with
// MORVANE_PATTERN_STATS defined, which the cost table's program makes for itself.
struct PatternStats {
    std::uint64_t searches = 0;
    std::uint64_t bytes = 0;  // subject bytes from the search offset to the end
    std::uint64_t ns = 0;
};

PatternStats& pattern_stats(const Pattern& p);

// PCRE2_INFO_FIRSTCODETYPE (0 none, 1 a first code unit, 2 a line start) with the unit, and
// PCRE2_INFO_LASTCODETYPE (the "required" code unit: 0 none, 1 one) with the unit; whether a
// start bitmap exists, and the minimum match length.
struct StartInfo {
    std::uint32_t first_type = 0;
    std::uint32_t first_unit = 0;
    std::uint32_t required_type = 0;
    std::uint32_t required_unit = 0;
    bool start_bitmap = false;
    std::uint32_t min_length = 0;
};

StartInfo start_info(const Pattern& p);

}  // namespace tarsk
