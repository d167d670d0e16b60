#pragma once

#include <string>
#include <vector>

#include "tarsk/records.hpp"

namespace tarsk {

// The group report: one block per group, blocks separated by an empty line.
std::string render_report(const std::vector<Group>& groups);

}  // namespace tarsk
