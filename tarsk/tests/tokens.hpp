// Token builders for the lexer, parser and query tests.
#pragma once

#include <string>

#include "tarsk/records.hpp"
#include "tarsk/token.hpp"

namespace tarsk_test {

inline tarsk::Token Q(double v, tarsk::Unit unit = tarsk::Unit::NO_UNIT) {
    return {tarsk::TokenKind::Quantity, static_cast<std::uint8_t>(unit), v, {}};
}
inline tarsk::Token C(tarsk::Connector c) {
    return {tarsk::TokenKind::Connector, static_cast<std::uint8_t>(c), 0.0, {}};
}
inline tarsk::Token T(tarsk::TokenKind kind, std::string text = {}) { return {kind, 0, 0.0, std::move(text)}; }
inline tarsk::Token W(std::string text) { return T(tarsk::TokenKind::Word, std::move(text)); }
inline tarsk::Token Col(std::string text) { return T(tarsk::TokenKind::Color, std::move(text)); }
inline tarsk::Token Sz(std::string text) { return T(tarsk::TokenKind::Size, std::move(text)); }
inline tarsk::Token Mat(std::string text) { return T(tarsk::TokenKind::Material, std::move(text)); }
inline tarsk::Token Gen(std::string text) { return T(tarsk::TokenKind::Gender, std::move(text)); }
inline tarsk::Token Std(std::string text) { return T(tarsk::TokenKind::Standard, std::move(text)); }
inline tarsk::Token Cty(std::string text) { return T(tarsk::TokenKind::Country, std::move(text)); }

inline const tarsk::Token AND = C(tarsk::Connector::And);
inline const tarsk::Token OR = C(tarsk::Connector::Or);
inline const tarsk::Token LS = C(tarsk::Connector::ListSep);
inline const tarsk::Token TO = C(tarsk::Connector::To);
inline const tarsk::Token COLOR_KW = T(tarsk::TokenKind::ColorKeyword);
inline const tarsk::Token SIZE_KW = T(tarsk::TokenKind::SizeKeyword);
inline const tarsk::Token MATERIAL_KW = T(tarsk::TokenKind::MaterialKeyword);

}  // namespace tarsk_test
