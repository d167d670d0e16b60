// Reading and writing numbers, shared by the query parser and the RFQ pipeline.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarsk {

// Writes a quantity: integral values as saturated unsigned 64-bit digits, others in fixed
// notation with `decimals` digits (ties to even), +inf as "inf".
std::string format_number(double v, int decimals);

// Shortest text that reads back to the same double, positional, no exponent ("5", "2.5", "inf").
std::string format_shortest(double v);

// Reads a match of \d+(?:[.,]\d+)?: commas deleted, "." is the decimal mark, ASCII digits only
// (anything else reads as nothing), overflow gives +inf, underflow 0.
std::optional<double> read_number(std::string_view match);

}  // namespace tarsk
