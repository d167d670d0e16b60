// Fuzzes the line-item normaliser.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "brellin/item_normalizer.hpp"
#include "checks.hpp"
#include "dims_reference.hpp"
#include "item_steps.hpp"
#include "tarsk/text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!tarsk::is_valid_utf8(text)) return -1;
    const auto item = brellin::normalize_item(text);
    fuzzcheck::check_text(item.text);
    if (item.qty) {
        fuzzcheck::require(!std::isnan(*item.qty), "qty not NaN");
        fuzzcheck::require(item.uom.has_value(), "a quantity comes with its unit");
    }
    if (item.price) fuzzcheck::require(!std::isnan(*item.price), "price not NaN");
    for (const auto* opt : {&item.uom, &item.currency, &item.origin})
        if (*opt) {
            fuzzcheck::require(!(*opt)->empty(), "uom, currency and origin are never empty");
            fuzzcheck::check_text(**opt);
        }
    for (const auto& d : item.dims) fuzzcheck::check_text(d);
    // The one-pass dimension step against the plain one, on the raw input.
    std::string fast(text);
    std::string plain(text);
    std::vector<std::string> fast_dims;
    std::vector<std::string> plain_dims;
    brellin::take_dimensions(fast, fast_dims);
    brellin::take_dimensions_plain(plain, plain_dims);
    fuzzcheck::require(fast == plain && fast_dims == plain_dims, "one-pass dimension step agrees with the plain one");
    fuzzcheck::check_patterns(text);
    return 0;
}
