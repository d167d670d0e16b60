#include "brellin/patterns.hpp"

#include "brellin/item_normalizer.hpp"
#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/tokenize.hpp"

namespace brellin {

std::vector<const tarsk::Pattern*> all_patterns() {
    return {
        &tarsk::NUMBER_RE(),   &RFQ_DETECT_RE(),     &NUMBERED_ITEM_RE(), &BULLET_ITEM_RE(),
        &ITEM_LINE_RE(),       &TRADE_HEADER_RE(),   &CURRENCY_RE(),      &INCOTERM_PLACE_RE(),
        &INCOTERM_RE(),        &DESTINATION_RE(),    &LEAD_TIME_RE(),     &PAYMENT_RE(),
        &BOLD_RE(),            &PRODUCT_PREFIX_RE(), &SPEC_LABEL_RE(),    &QTY_NA_RE(),
        &TARGET_PRICE_RE(),    &QTY_EN_RE(),         &QTY_VI_RE(),        &ORIGIN_VI_RE(),
        &EMPTY_PARENS_RE(),    &DIMS_RE(),
    };
}

}  // namespace brellin
