#include "item_steps.hpp"

namespace brellin {

void take_dimensions(std::string& working, std::vector<std::string>& dims) { take_dimensions_plain(working, dims); }

}  // namespace brellin
