// The group report: groups rendered as text blocks, and the words connectors are written with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tarsk/records.hpp"

namespace tarsk {

// The word a connector is written with: "AND" (And and ListSep), "OR" or "TO".
std::string_view connector_word(Connector c);

// The group report: one block per group, blocks separated by an empty line.
std::string render_report(const std::vector<Group>& groups);

}  // namespace tarsk
