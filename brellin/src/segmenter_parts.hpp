// The two ways the segmenter cuts a document, for segment_document and its tests.
#pragma once

#include <string_view>

#include "brellin/records.hpp"
#include "tarsk/pattern.hpp"

namespace brellin {

// Items between the matches of a list-marker pattern, with the text before the first marker as
// the preamble and the trade lines after the last item as the trailer.
Segments split_by_marker(std::string_view text, const tarsk::Pattern& marker);
// One item per line that looks like one (a leading number or a unit word), when there is no list
// marker.
Segments segment_by_lines(std::string_view text);

}  // namespace brellin
