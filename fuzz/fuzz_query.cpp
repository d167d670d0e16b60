// Fuzzes the query parser: tokenize and parse_query.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "checks.hpp"
#include "tarsk/query.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!tarsk::is_valid_utf8(text)) return -1;  // Python only ever hands over valid UTF-8
    const auto out = tarsk::parse_query(text);
    fuzzcheck::require(out.query == text, "query is an exact copy");
    fuzzcheck::require(out.groups.empty() == out.report.empty(), "report empty exactly without groups");
    fuzzcheck::check_text(out.report);
    for (const auto& g : out.groups) fuzzcheck::check_group(g);
    for (const auto& t : tarsk::tokenize(text)) fuzzcheck::check_text(t.text);
    fuzzcheck::check_patterns(text);
    return 0;
}
