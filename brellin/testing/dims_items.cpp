#include "dims_items.hpp"

#include <vector>

#include "growth_inputs.hpp"

namespace growth {

namespace {

// Phrase pieces, uneven lower-case forms and near-units, and a few longer runs.
const std::vector<std::string> PIECES = {
    " ", "  ", ",", ", ", ".", "1", "5", "20", "1,5", "2.5", "x", " x ", "\u00D7", "mm", "cm", "m", "kg", "ml",
    "l", "kw", "v", "ah", "w", "hz", "khz", "rpm", "psi", "bar", "inch", "inches", "oz", "s", "e", "steel", "t",
    "a", "5mx", "q", "5m", "\u00E9", "\u0130", "\u212A", "\u017F", "(", ")", "\u0663",
    "|", "5 v", "\t", "\u00A0", "mpa", "kva", "mhz", "M", "1x", "9999",
};

std::string from_pieces(Rng& rng) {
    std::string text;
    // Bound: at most 24 pieces.
    for (std::size_t n = rng.below(25); n > 0; --n) text += PIECES[rng.below(PIECES.size())];
    return text;
}

}  // namespace

std::string dims_item(std::uint64_t seed, std::uint64_t index) {
    Rng rng(seed * 0x2545F4914F6CDD1DULL + index);
    static const std::vector<Family> families = fixed_families();
    const std::size_t kind = rng.below(100);
    if (kind < 40) return from_pieces(rng);
    if (kind < 60) return repeat_to(random_unit(rng), 1 + rng.below(120));
    if (kind < 75) {
        const std::string a = random_unit(rng);
        return two_part(a, random_unit(rng), 2 + rng.below(160));
    }
    if (kind < 85) {
        // A repeated unit with pieces around it.
        std::string text = from_pieces(rng);
        text += repeat_to(random_unit(rng), 1 + rng.below(80));
        return text + from_pieces(rng);
    }
    return families[rng.below(families.size())].build(8 + rng.below(192));
}

}  // namespace growth
