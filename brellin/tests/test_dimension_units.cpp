// The dimension automaton's unit list against DIMS_RE: the unit alternatives are read back out of
// the pattern as written (and out of the form the plain step runs), and the names and which of
// them carry \b must be the same set as the automaton's.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dimension_automaton.hpp"
#include "dims_reference.hpp"

namespace {

using UnitSet = std::set<std::pair<std::string, bool>>;

// One alternative of the unit group: letters, optional groups "(?:letters)?" spelling the name
// with and without them, and a trailing \b. Anything else is reported as a failure.
void spell(std::string_view alternative, UnitSet& out) {
    const std::string_view bound = R"(\b)";
    const bool bounded = alternative.ends_with(bound);
    if (bounded) alternative.remove_suffix(bound.size());
    std::vector<std::string> names{""};
    for (std::size_t i = 0; i < alternative.size();) {
        const char c = alternative[i];
        if (c >= 'a' && c <= 'z') {
            for (std::string& n : names) n += c;
            ++i;
            continue;
        }
        const std::size_t close = alternative.find(")?", i);
        if (!alternative.substr(i).starts_with("(?:") || close == std::string_view::npos) {
            ADD_FAILURE() << "unexpected unit spelling «" << alternative << "»";
            return;
        }
        const std::string_view optional = alternative.substr(i + 3, close - i - 3);
        const std::size_t before = names.size();
        for (std::size_t k = 0; k < before; ++k) names.push_back(names[k] + std::string(optional));
        i = close + 2;
    }
    for (const std::string& n : names) {
        EXPECT_TRUE(out.emplace(n, bounded).second) << "unit «" << n << "» spelled twice";
    }
}

// The unit group: the last "(?:" after a blank run, up to its closing parenthesis, split at
// its top-level bars.
UnitSet units_of(std::string_view pattern, std::string_view blanks) {
    const std::string open = std::string(blanks) + "(?:";
    const std::size_t at = pattern.rfind(open);
    if (at == std::string_view::npos) {
        ADD_FAILURE() << "no unit group in «" << pattern << "»";
        return {};
    }
    UnitSet out;
    std::string alternative;
    int depth = 0;
    for (std::size_t i = at + open.size(); i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == ')' && depth == 0) {
            spell(alternative, out);
            return out;
        }
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == '|' && depth == 0) {
            spell(alternative, out);
            alternative.clear();
        } else {
            alternative += c;
        }
    }
    ADD_FAILURE() << "unit group not closed in «" << pattern << "»";
    return out;
}

UnitSet automaton_units() {
    UnitSet out;
    for (const brellin::dims::Unit& u : brellin::dims::UNITS) {
        EXPECT_TRUE(out.emplace(u.name, u.bounded).second) << "unit «" << u.name << "» listed twice";
    }
    return out;
}

TEST(DimensionUnits, AutomatonListIsTheWrittenPatternsList) {
    EXPECT_EQ(automaton_units(), units_of(brellin::DIMS_RE_FORM.written, R"(\s*)"));
}

TEST(DimensionUnits, RunFormListIsTheWrittenPatternsList) {
    EXPECT_EQ(units_of(brellin::DIMS_RE_FORM.run, R"(\s*+)"), units_of(brellin::DIMS_RE_FORM.written, R"(\s*)"));
}

}  // namespace
