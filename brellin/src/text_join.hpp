// Joining a list of texts with a separator, for the search phrases and the document text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brellin {

inline void append_joined(std::string& out, const std::vector<std::string>& list, std::string_view sep) {
    // Each text is copied once.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i) out += sep;
        out += list[i];
    }
}

}  // namespace brellin
