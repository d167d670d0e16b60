// Generated line items for the agreement runs of the dimension step against its plain reference
// (the test suite's short run and bench/dims_agreement's long one).
#pragma once

#include <cstdint>
#include <string>

namespace growth {

// Item `index` of the run seeded with `seed`, made from those two numbers alone, so that a
// disagreement can be made again whatever the thread count. Mostly under 200 bytes: short
// pieces, one or two random units repeated, a fixed hostile family built small.
std::string dims_item(std::uint64_t seed, std::uint64_t index);

}  // namespace growth
