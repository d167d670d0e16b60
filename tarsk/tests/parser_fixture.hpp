// A one-line description of a group, and the units the tests name, for parser and query tests.
#pragma once

#include <string>
#include <vector>

#include "tarsk/number.hpp"
#include "tarsk/records.hpp"
#include "tarsk/token.hpp"
#include "tokens.hpp"

namespace tarsk_test {


// Units the tests name.
using tarsk::Unit::CAI;
using tarsk::Unit::FCL;
using tarsk::Unit::KG;
using tarsk::Unit::LITERS;
using tarsk::Unit::M2;
using tarsk::Unit::PCS;
using tarsk::Unit::TONNE;

// A unit code past the named ones, as a hand-made token could carry.
inline tarsk::Unit unknown_unit(int code) { return static_cast<tarsk::Unit>(code); }

// "qty=5 max=10 uom=kg chunks=[áo<LS>|quần] colors=[red]": absent and empty fields are left out,
// and every chunk shows its connector, the last one's included.
inline std::string describe(const tarsk::Group& g) {
    std::string out;
    auto field = [&](const std::string& s) { out += (out.empty() ? "" : " ") + s; };
    auto list = [&](const char* name, const std::vector<std::string>& texts) {
        if (texts.empty()) return;
        std::string s = std::string(name) + "=[";
        for (std::size_t i = 0; i < texts.size(); ++i) s += (i ? "," : "") + texts[i];
        field(s + "]");
    };
    if (g.qty) field("qty=" + tarsk::format_shortest(*g.qty));
    if (g.qty_max) field("max=" + tarsk::format_shortest(*g.qty_max));
    if (g.uom) field("uom=" + *g.uom);
    if (!g.chunks.empty()) {
        static const char* const names[] = {"<AND>", "<OR>", "<LS>", "<TO>"};
        std::string s = "chunks=[";
        for (std::size_t i = 0; i < g.chunks.size(); ++i) {
            s += (i ? "|" : "") + g.chunks[i].text;
            if (g.chunks[i].connector) s += names[static_cast<int>(*g.chunks[i].connector)];
        }
        field(s + "]");
    }
    list("colors", g.colors);
    list("sizes", g.sizes);
    list("materials", g.materials);
    list("genders", g.genders);
    list("specs", g.specs);
    list("standards", g.standards);
    list("ambiguous", g.ambiguous);
    return out;
}

inline std::vector<std::string> describe(const std::vector<tarsk::Group>& groups) {
    std::vector<std::string> out;
    for (const auto& g : groups) out.push_back(describe(g));
    return out;
}

}  // namespace tarsk_test
