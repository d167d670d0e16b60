// Records that carry the query parser's results through the system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarsk {

// The word that links two runs of words or two quantities.
enum class Connector : std::uint8_t { And = 0, Or = 1, ListSep = 2, To = 3 };

// One run of free words; `connector` is the connector that closed it, if any.
struct Chunk {
    std::string text;
    std::optional<Connector> connector;
};

// One item of a product query. Exists only with a quantity or at least one chunk.
struct Group {
    std::optional<double> qty;
    std::optional<double> qty_max;
    std::vector<Chunk> chunks;
    std::vector<std::string> colors;
    std::vector<std::string> sizes;
    std::vector<std::string> materials;
    std::vector<std::string> genders;
    std::vector<std::string> specs;
    std::vector<std::string> standards;
    std::vector<std::string> ambiguous;
    std::optional<std::string> uom;
};

// The result of parse_query: the groups in text order, their rendered text (empty when there is
// no group) and the query as given.
struct ParseOutput {
    std::vector<Group> groups;
    std::string report;
    std::string query;
};

}  // namespace tarsk
