#include "lexer_match.hpp"

#include <algorithm>
#include <stdexcept>

#include "tarsk/text.hpp"

namespace tarsk {

std::size_t white_space_at(std::string_view rest) {
    if (rest.empty()) return 0;
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (lead < 0x80) return is_white_space(lead) ? 1 : 0;
    std::size_t len = 0;
    return is_white_space(decode_utf8(rest, 0, len)) ? len : 0;
}

bool is_boundary(std::string_view rest) {
    if (rest.empty()) return true;
    switch (rest[0]) {
        case '!': case ')': case ',': case '-': case '.': case '/': case '?':
            return true;
        default:
            return white_space_at(rest) != 0;
    }
}

KeyIndex make_index(const std::vector<std::string_view>& keys) {
    if (keys.size() > UINT16_MAX) throw std::length_error("too many lexicon keys");
    KeyIndex index;
    for (std::size_t slot = 0; slot < keys.size(); ++slot) {
        if (keys[slot].empty()) throw std::logic_error("empty lexicon key");
        index.entries.push_back({keys[slot], static_cast<std::uint16_t>(slot)});
    }
    // Grouped by first byte; within a group longest first, so the first qualifying key wins.
    std::stable_sort(index.entries.begin(), index.entries.end(), [](const auto& a, const auto& b) {
        const auto fa = static_cast<unsigned char>(a.key[0]);
        const auto fb = static_cast<unsigned char>(b.key[0]);
        if (fa != fb) return fa < fb;
        return a.key.size() > b.key.size();
    });
    std::size_t e = 0;
    // Built once per list: 257 slots, each key passed once.
    for (std::size_t b = 0; b <= 256; ++b) {
        while (e < index.entries.size() && static_cast<unsigned char>(index.entries[e].key[0]) < b) ++e;
        index.first[b] = static_cast<std::uint16_t>(e);
    }
    return index;
}

namespace {

template <typename Visit>
void visit_bucket(const KeyIndex& index, std::string_view rest, Visit visit) {
    if (rest.empty()) return;
    const auto b = static_cast<unsigned char>(rest[0]);
    // Only the keys that share the position's first byte: a fixed few, whatever the text.
    for (std::size_t i = index.first[b]; i < index.first[b + 1]; ++i) {
        if (!visit(index.entries[i])) return;
    }
}

LexiconIndex build_index(const Lexicon& lx) {
    return LexiconIndex{
        make_index(lx.STANDARD_PREFIXES), make_index(lx.SIZE_KEYWORDS),     make_index(lx.COLOR_KEYWORDS),
        make_index(lx.MATERIAL_KEYWORDS), make_index(lx.INTENT_PHRASES),    make_index(lx.PROTECTED_PHRASES),
        make_index(lx.AND_WORDS),         make_index(lx.OR_WORDS),          make_index(lx.TO_WORDS),
        make_index(map_keys(lx.COLOR_MAP)), make_index(map_keys(lx.SIZE_MAP)), make_index(map_keys(lx.MATERIAL_MAP)),
        make_index(map_keys(lx.GENDER_MAP)), make_index(map_keys(lx.COUNTRY_MAP)), make_index(map_keys(lx.UNIT_MAP)),
    };
}

}  // namespace

// Each key of the bucket is compared over at most its own length (20 bytes at the most) and the
// one boundary character after it.
std::optional<KeyHit> longest_key(const KeyIndex& index, std::string_view rest) {
    std::optional<KeyHit> hit;
    visit_bucket(index, rest, [&](const KeyIndex::Entry& e) {
        if (rest.starts_with(e.key) && is_boundary(rest.substr(e.key.size()))) {
            hit = KeyHit{e.slot, e.key.size()};
            return false;
        }
        return true;
    });
    return hit;
}

std::optional<KeyHit> first_prefix(const KeyIndex& index, std::string_view rest) {
    std::optional<KeyHit> hit;
    visit_bucket(index, rest, [&](const KeyIndex::Entry& e) {
        if (rest.starts_with(e.key) && (!hit || e.slot < hit->slot)) hit = KeyHit{e.slot, e.key.size()};
        return true;
    });
    return hit;
}

const LexiconIndex& lexicon_index() {
    static const LexiconIndex index = build_index(lexicon());
    return index;
}

std::optional<std::size_t> longest_list_match(const KeyIndex& list, std::string_view rest) {
    if (const auto hit = longest_key(list, rest)) return hit->length;
    return std::nullopt;
}

std::optional<MapHit> longest_map_match(const KeyIndex& keys, const LexiconMap& map, std::string_view rest) {
    if (const auto hit = longest_key(keys, rest)) return MapHit{map[hit->slot].value, hit->length};
    return std::nullopt;
}

}  // namespace tarsk
