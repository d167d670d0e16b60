#include "checks.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "dimension_automaton.hpp"
#include "dims_reference.hpp"
#include "tarsk/pattern.hpp"
#include "tarsk/text.hpp"

namespace fuzzcheck {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant failed: %s\n", what);
        std::abort();
    }
}

void check_text(std::string_view text) { require(tarsk::is_valid_utf8(text), "output text is valid UTF-8"); }

void check_distinct(const std::vector<std::string>& list) {
    std::set<std::string> seen;
    for (const auto& s : list) {
        check_text(s);
        require(seen.insert(s).second, "attribute lists hold no text twice");
    }
}

void check_group(const tarsk::Group& g) {
    require(g.qty.has_value() || !g.chunks.empty(), "a group has a quantity or a chunk");
    if (g.qty) require(*g.qty > 0 && !std::isnan(*g.qty), "qty > 0 and not NaN");
    if (g.qty_max) {
        require(g.qty.has_value(), "qty_max only with qty");
        require(*g.qty_max > 0 && !std::isnan(*g.qty_max), "qty_max > 0 and not NaN");
    }
    if (g.uom) {
        require(g.qty.has_value(), "uom only with qty");
        check_text(*g.uom);
    }
    for (const auto& c : g.chunks) {
        require(!c.text.empty(), "chunk text is never empty");
        check_text(c.text);
    }
    for (const auto* list : {&g.colors, &g.sizes, &g.materials, &g.genders, &g.specs, &g.standards, &g.ambiguous})
        check_distinct(*list);
}

namespace {

bool same(const std::vector<tarsk::Match>& a, const std::vector<tarsk::Match>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].groups != b[i].groups) return false;
    return true;
}

}  // namespace

void check_patterns(std::string_view subject) {
    struct Forms {
        const tarsk::Pattern* jit;
        std::unique_ptr<tarsk::Pattern> interpreted;  // the same form without JIT
        std::unique_ptr<tarsk::Pattern> quoted;       // the pattern as written, when it runs another form
    };
    const auto forms_of = [](const std::vector<const tarsk::Pattern*>& patterns) {
        std::vector<Forms> all;
        for (const tarsk::Pattern* p : patterns) {
            Forms f{p, std::make_unique<tarsk::Pattern>(p->written_text(), p->run_text(), false), nullptr};
            if (!p->run_text().empty()) f.quoted = std::make_unique<tarsk::Pattern>(p->written_text(), "", false);
            all.push_back(std::move(f));
        }
        return all;
    };
    static const std::vector<Forms> forms = forms_of(brellin::every_pattern());
    // The dimension automaton's character classes, asked one character at a time.
    static const std::vector<Forms> classes = forms_of(brellin::dims::class_patterns());
    for (const Forms& f : forms) {
        const auto jit = f.jit->find_all(subject);
        require(same(jit, f.interpreted->find_all(subject)), "JIT and interpreter agree");
        if (f.quoted) require(same(jit, f.quoted->find_all(subject)), "compiled form agrees with the pattern as written");
    }
    std::set<std::string_view> characters;
    for (std::size_t at = 0, len = 0; at < subject.size(); at += len) {
        tarsk::decode_utf8(subject, at, len);
        characters.insert(subject.substr(at, len));
    }
    for (const std::string_view c : characters) {
        for (const Forms& f : classes)
            require(f.jit->is_match(c) == f.interpreted->is_match(c), "JIT and interpreter agree on a character class");
    }
}

}  // namespace fuzzcheck
