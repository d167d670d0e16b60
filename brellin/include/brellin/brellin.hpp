// The RFQ document pipeline.
#pragma once

#include "brellin/document.hpp"
#include "brellin/document_text.hpp"
#include "brellin/item_normalizer.hpp"
#include "brellin/records.hpp"
#include "brellin/search_phrases.hpp"
#include "brellin/segmenter.hpp"
#include "brellin/trade_terms.hpp"
#include "tarsk/tarsk.hpp"
