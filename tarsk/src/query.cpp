#include "tarsk/query.hpp"

namespace tarsk {

ParseOutput parse_query(std::string_view text) { return {{}, {}, std::string(text)}; }

}  // namespace tarsk
