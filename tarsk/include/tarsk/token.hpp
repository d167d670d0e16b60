// Tokens produced by the lexer and read by the group parser.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarsk {

enum class TokenKind : std::uint8_t {
    Quantity = 0,
    Connector = 1,
    ColorKeyword = 2,
    SizeKeyword = 3,
    MaterialKeyword = 4,
    Color = 5,
    Size = 6,
    Material = 7,
    Gender = 8,
    Standard = 9,
    Country = 10,
    Word = 11,
};

// The unit of a Quantity token; its value indexes UNIT_NAMES. NO_UNIT marks a quantity without
// unit (and any code past the names, should a token be made by hand).
enum class Unit : std::uint8_t {
    KG, G, TONNE, PCS, SETS, DOZENS, ROLLS, SHEETS, DOI, M2, CM, MM, METERS, LITERS, ML, CAI, BO, CUON, TAM,
    DRUMS, PALLETS, CARTONS, BOX, REELS, HUNDREDS, THOUSANDS, FCL,
    NO_UNIT
};
// How many units have a name: every code below NO_UNIT.
inline constexpr std::size_t UNIT_COUNT = static_cast<std::size_t>(Unit::NO_UNIT);

struct Token {
    TokenKind kind{};
    // Quantity: its Unit code. Connector: its Connector code. Otherwise 0.
    std::uint8_t sub = 0;
    // Quantity: its value (> 0, maybe +inf, never NaN).
    double value = 0.0;
    // Kinds Color..Word: the canonical value or the word text.
    std::string text;

    bool operator==(const Token&) const = default;
};

}  // namespace tarsk
