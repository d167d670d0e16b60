// Case mappings of the lexer that skip ICU's whole-text machinery where the result is plain: the
// same results as to_lower / to_upper, cheaper on the texts queries are made of.
#pragma once

#include <string>
#include <string_view>

namespace tarsk {

// to_lower(s), for valid UTF-8: `s` itself when lower-casing leaves it alone, else the mapped text,
// kept in `storage`. Text whose characters beyond ASCII are all left alone by lower-casing
// (lower-case Vietnamese, for one) is mapped byte by byte; any other goes to to_lower.
std::string_view lower_query(std::string_view s, std::string& storage);

// to_upper(s), for valid UTF-8: ASCII text byte by byte, any other through to_upper.
std::string upper_code(std::string_view s);

}  // namespace tarsk
