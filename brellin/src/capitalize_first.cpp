#include <string>

#include "brellin/item_normalizer.hpp"
#include "tarsk/text.hpp"
#include "item_steps.hpp"

namespace brellin {

// The first character is case-mapped, the rest copied once.
std::string capitalize_first(std::string_view text) {
    if (text.empty()) return {};
    std::size_t len = 0;
    tarsk::decode_utf8(text, 0, len);
    std::string out = tarsk::to_upper(text.substr(0, len));
    out += text.substr(len);
    return out;
}

}  // namespace brellin
