// Fuzzes the RFQ document pipeline.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "brellin/document.hpp"
#include "checks.hpp"
#include "tarsk/text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!tarsk::is_valid_utf8(text)) return -1;
    const auto result = brellin::parse_rfq_document(text);
    fuzzcheck::check_text(result.text);
    fuzzcheck::check_text(result.report);
    std::uint64_t index = 0;
    for (const auto& item : result.items) {
        fuzzcheck::require(item.index == ++index, "item indices run 1..n");
        if (item.qty) fuzzcheck::require(*item.qty >= 0 && !std::isnan(*item.qty), "item qty not NaN");
        if (item.price) fuzzcheck::require(!std::isnan(*item.price), "price not NaN");
        for (const auto& g : item.groups) fuzzcheck::check_group(g);
        for (const auto* opt : {&item.uom, &item.currency, &item.origin})
            if (*opt) fuzzcheck::check_text(**opt);
        for (const auto& d : item.dims) fuzzcheck::check_text(d);
        for (const auto& q : item.queries) fuzzcheck::check_text(q);
        fuzzcheck::check_text(item.group_text);
    }
    const auto& t = result.trade;
    for (const auto* opt : {&t.currency, &t.incoterm, &t.destination, &t.lead_time, &t.payment})
        if (*opt) fuzzcheck::check_text(**opt);
    fuzzcheck::check_patterns(result.text);
    return 0;
}
