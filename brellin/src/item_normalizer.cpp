#include "brellin/item_normalizer.hpp"

namespace brellin {

NormalizedItem normalize_item(std::string_view text) { return {{}, {}, std::string(text), {}, {}, {}, {}}; }

}  // namespace brellin
