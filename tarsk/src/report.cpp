#include "tarsk/report.hpp"

#include "tarsk/number.hpp"

namespace tarsk {

namespace {

void append_chunks(std::string& out, const std::vector<Chunk>& chunks) {
    if (chunks.empty()) {
        out += "[_]";
        return;
    }
    out += '[';
    // Each chunk's text is copied once.
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (i > 0) out += ' ';
        out += chunks[i].text;
        // The last chunk's connector links to nothing, so it is not shown.
        if (i + 1 < chunks.size() && chunks[i].connector) {
            out += " [";
            out += connector_word(*chunks[i].connector);
            out += ']';
        }
    }
    out += ']';
}

void append_list(std::string& out, std::string_view label, const std::vector<std::string>& texts) {
    if (texts.empty()) return;
    out += "\n  ";
    out += label;
    out += ": [";
    // Each text is copied once.
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) out += ", ";
        out += texts[i];
    }
    out += ']';
}

void append_group(std::string& out, const Group& g, std::size_t n) {
    out += "GROUP_" + std::to_string(n) + ":";
    out += "\n  QTY: " + (g.qty ? format_number(*g.qty, 2) : std::string("null"));
    if (g.qty_max) out += "\n  QTY_MAX: " + format_number(*g.qty_max, 2);
    out += "\n  UOM: " + (g.uom ? *g.uom : std::string("null"));
    out += "\n  CHUNKS: ";
    append_chunks(out, g.chunks);
    append_list(out, "COLOR", g.colors);
    append_list(out, "SIZE", g.sizes);
    append_list(out, "MATERIAL", g.materials);
    append_list(out, "GENDER", g.genders);
    append_list(out, "SPEC", g.specs);
    append_list(out, "STANDARD", g.standards);
    append_list(out, "AMBIGUOUS", g.ambiguous);
}

}  // namespace

std::string_view connector_word(Connector c) {
    switch (c) {
        case Connector::Or: return "OR";
        case Connector::To: return "TO";
        case Connector::And:
        case Connector::ListSep: break;
    }
    return "AND";
}

std::string render_report(const std::vector<Group>& groups) {
    std::string out;
    // Each group is written once.
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) out += "\n\n";
        append_group(out, groups[i], i + 1);
    }
    return out;
}

}  // namespace tarsk
