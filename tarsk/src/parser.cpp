#include "tarsk/parser.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "parser_sizes.hpp"
#include "parser_split.hpp"
#include "parser_text_list.hpp"
#include "tarsk/number.hpp"
#include "token_view.hpp"

namespace tarsk {

namespace {

struct UnitName {
    Unit unit;
    std::string_view name;
};

// Each unit beside its name; UNIT_NAMES is this table in the units' order, which the check below
// holds it to.
constexpr std::array<UnitName, UNIT_COUNT> unit_table() {
    using enum Unit;
    return {{
        {KG, "kg"}, {G, "g"}, {TONNE, "tonne"}, {PCS, "pcs"}, {SETS, "sets"}, {DOZENS, "dozens"},
        {ROLLS, "rolls"}, {SHEETS, "sheets"}, {DOI, "đôi"}, {M2, "m²"}, {CM, "cm"}, {MM, "mm"},
        {METERS, "meters"}, {LITERS, "l"}, {ML, "ml"}, {CAI, "cái"}, {BO, "bộ"}, {CUON, "cuộn"},
        {TAM, "tấm"}, {DRUMS, "drums"}, {PALLETS, "pallets"}, {CARTONS, "cartons"}, {BOX, "box"},
        {REELS, "reels"}, {HUNDREDS, "hundreds"}, {THOUSANDS, "thousands"}, {FCL, "FCL"},
    }};
}
constexpr std::array<UnitName, UNIT_COUNT> UNITS = unit_table();

constexpr bool in_unit_order() {
    for (std::size_t i = 0; i < UNITS.size(); ++i) {
        if (static_cast<std::size_t>(UNITS[i].unit) != i) return false;
    }
    return true;
}
static_assert(in_unit_order(), "the unit names stand in the order of the units");

}  // namespace

const std::array<std::string_view, UNIT_COUNT> UNIT_NAMES = [] {
    std::array<std::string_view, UNIT_COUNT> names{};
    for (std::size_t i = 0; i < UNITS.size(); ++i) names[i] = UNITS[i].name;
    return names;
}();

namespace {

// One segment's group while it is being built.
struct GroupBuilder {
    Group& group;  // built in place in the list of groups
    TextList colors, sizes, materials, genders, specs, standards, ambiguous;
    std::string pending;  // words since the last chunk closed, joined by one space (words are never empty)
};

std::optional<std::string> unit_name(const TokenView& t) {
    if (!has_unit(t)) return std::nullopt;
    return std::string(UNIT_NAMES[t.sub]);
}

// A connector standing before one of these joins nothing.
bool absorbs_connector(TokenKind kind) {
    switch (kind) {
        case TokenKind::ColorKeyword:
        case TokenKind::SizeKeyword:
        case TokenKind::MaterialKeyword:
        case TokenKind::Color:
        case TokenKind::Size:
        case TokenKind::Material:
            return true;
        default:
            return false;
    }
}

// Closes the pending words into a chunk, or hands the connector to the last chunk when it
// has none yet.
void flush_chunk(Group& group, std::string& pending, std::optional<Connector> c) {
    if (!pending.empty()) {
        group.chunks.push_back(Chunk{std::move(pending), c});
        pending.clear();
        return;
    }
    if (c && !group.chunks.empty() && !group.chunks.back().connector) group.chunks.back().connector = c;
}

// Each word is copied once, into the chunk that will close it.
void add_word(std::string& pending, std::string_view word) {
    if (!pending.empty()) pending += ' ';
    pending += word;
}

// Returns the index of the first token of the loop.
std::size_t read_leading_quantity(std::span<const TokenView> seg, Group& group) {
    if (!is_kind(seg, 0, TokenKind::Quantity)) return 0;
    group.qty = seg[0].value;
    if (is_kind(seg, 1, TokenKind::Connector) && is_kind(seg, 2, TokenKind::Quantity)) {
        group.qty_max = seg[2].value;
        group.uom = has_unit(seg[2]) ? unit_name(seg[2]) : unit_name(seg[0]);
        return 3;
    }
    group.uom = unit_name(seg[0]);
    return 1;
}

// Returns how many tokens the connector at i consumed.
std::size_t read_connector(std::span<const TokenView> seg, std::size_t i, GroupBuilder& b) {
    const auto c = static_cast<Connector>(seg[i].sub);
    if (c == Connector::To && i > 0 && is_kind(seg, i - 1, TokenKind::Size) && is_kind(seg, i + 1, TokenKind::Size)) {
        expand_size_range(b.sizes, seg[i - 1].text, seg[i + 1].text);
        return 2;
    }
    if (i + 1 == seg.size() || !absorbs_connector(seg[i + 1].kind)) flush_chunk(b.group, b.pending, c);
    return 1;
}

void read_token(const TokenView& t, GroupBuilder& b) {
    switch (t.kind) {
        case TokenKind::Quantity:
            if (!b.group.qty && has_unit(t)) {
                b.group.qty = t.value;
                b.group.uom = unit_name(t);
            } else {
                push_unique(b.specs, format_number(t.value, 1));
            }
            break;
        case TokenKind::ColorKeyword:
        case TokenKind::SizeKeyword:
        case TokenKind::MaterialKeyword:
            flush_chunk(b.group, b.pending, std::nullopt);
            break;
        case TokenKind::Color: push_unique(b.colors, t.text); break;
        case TokenKind::Size: push_unique(b.sizes, t.text); break;
        case TokenKind::Material: push_unique(b.materials, t.text); break;
        case TokenKind::Gender: push_unique(b.genders, t.text); break;
        case TokenKind::Standard: push_unique(b.standards, t.text); break;
        case TokenKind::Country: push_unique(b.ambiguous, t.text); break;
        case TokenKind::Word: add_word(b.pending, t.text); break;
        case TokenKind::Connector: break;  // handled with its neighbours by read_connector
    }
}

// Builds the segment's group into `group`; false when the segment makes none.
bool build_group(std::span<const TokenView> seg, Group& group) {
    GroupBuilder b{group, {}, {}, {}, {}, {}, {}, {}, {}};
    std::size_t i = read_leading_quantity(seg, b.group);
    // Each token is read once (a connector also looks at its two neighbours); list entries are
    // kept unique through an ordered index of slots, so no long list is searched.
    while (i < seg.size()) {
        if (seg[i].kind == TokenKind::Connector) {
            i += read_connector(seg, i, b);
        } else {
            read_token(seg[i], b);
            ++i;
        }
    }
    flush_chunk(b.group, b.pending, std::nullopt);
    if (!b.group.qty && b.group.chunks.empty()) return false;
    Group& g = b.group;
    g.colors = take_texts(std::move(b.colors));
    g.sizes = take_texts(std::move(b.sizes));
    g.materials = take_texts(std::move(b.materials));
    g.genders = take_texts(std::move(b.genders));
    g.specs = take_texts(std::move(b.specs));
    g.standards = take_texts(std::move(b.standards));
    g.ambiguous = take_texts(std::move(b.ambiguous));
    return true;
}

}  // namespace

std::vector<Group> parse_token_views(std::span<const TokenView> all, std::size_t most) {
    // The segments are disjoint and each is scanned twice to find its end, once to count them
    // (a text of many short groups would otherwise move every group each time the list grows),
    // once to build them, so each token goes into one group. A caller that keeps only the first
    // groups stops there.
    std::vector<Group> groups;
    if (most == SIZE_MAX) {
        std::size_t segments = 0;
        for (std::size_t start = 0; start < all.size(); start = segment_end(all, start)) ++segments;
        groups.reserve(segments);
    }
    for (std::size_t start = 0; start < all.size() && groups.size() < most;) {
        const std::size_t end = segment_end(all, start);
        if (!build_group(all.subspan(start, end - start), groups.emplace_back())) groups.pop_back();
        start = end;
    }
    return groups;
}

std::vector<Group> parse_tokens(const std::vector<Token>& tokens) {
    std::vector<TokenView> views;
    views.reserve(tokens.size());
    // One view per token; the tokens outlive the views.
    for (const Token& t : tokens) views.push_back(TokenView{t.kind, t.sub, t.value, t.text});
    return parse_token_views(views);
}

}  // namespace tarsk
