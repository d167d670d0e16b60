#include <stdexcept>

#include "lexer_match.hpp"
#include "lexer_steps.hpp"
#include "lexicon.hpp"
#include "tarsk/records.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"

namespace tarsk {

namespace {

Token text_token(TokenKind kind, std::string_view text) { return Token{kind, 0, 0.0, std::string(text)}; }

Token connector_token(Connector c) { return Token{TokenKind::Connector, static_cast<std::uint8_t>(c), 0.0, {}}; }

struct Scan {
    const Lexicon& lx = lexicon();
    const LexiconIndex& ix = lexicon_index();
    bool vietnamese = false;
    bool size_mode = false;
    bool word_seen = false;
    std::vector<Token> tokens;

    void emit(Token t, bool new_size_mode) {
        tokens.push_back(std::move(t));
        size_mode = new_size_mode;
    }

    void emit_word(std::string_view word, bool new_size_mode) {
        emit(text_token(TokenKind::Word, word), new_size_mode);
        word_seen = true;
    }

    // Takes the first step that succeeds at the start of `rest`; returns the bytes consumed.
    std::size_t step(std::string_view rest) {
        if (const std::size_t ws = white_space_at(rest)) return ws;
        if (const auto n = longest_list_match(ix.INTENT_PHRASES, rest)) return *n;
        if (size_mode) {
            if (const auto hit = longest_map_match(ix.SIZE_MAP, lx.SIZE_MAP, rest)) {
                emit(text_token(TokenKind::Size, hit->value), true);
                return hit->length;
            }
            if (const auto n = number_match(rest); n && is_boundary(rest.substr(*n))) {
                emit_word(rest.substr(0, *n), true);
                return *n;
            }
        } else if (const auto q = read_quantity(rest)) {
            emit(Token{TokenKind::Quantity, q->unit, q->value, {}}, false);
            return q->consumed;
        }
        return later_step(rest);
    }

    // Steps 4 onwards: everything but white space, intent phrases, sizes in size mode and numbers.
    std::size_t later_step(std::string_view rest) {
        if (rest[0] == '/' || rest[0] == ',') {
            emit(connector_token(Connector::ListSep), false);
            return 1;
        }
        if (const auto n = longest_list_match(ix.TO_WORDS, rest)) {
            tokens.push_back(connector_token(Connector::To));
            return *n;
        }
        for (const auto& [words, code] : {std::pair{&ix.AND_WORDS, Connector::And}, std::pair{&ix.OR_WORDS, Connector::Or}}) {
            if (const auto n = longest_list_match(*words, rest)) {
                emit(connector_token(code), false);
                word_seen = false;
                return *n;
            }
        }
        if (const auto n = longest_list_match(ix.SIZE_KEYWORDS, rest)) {
            emit(Token{TokenKind::SizeKeyword, 0, 0.0, {}}, true);
            return *n;
        }
        if (const auto n = longest_list_match(ix.COLOR_KEYWORDS, rest)) {
            emit(Token{TokenKind::ColorKeyword, 0, 0.0, {}}, false);
            return *n;
        }
        if (const auto n = longest_list_match(ix.MATERIAL_KEYWORDS, rest)) {
            emit(Token{TokenKind::MaterialKeyword, 0, 0.0, {}}, false);
            return *n;
        }
        if (const auto n = longest_list_match(ix.PROTECTED_PHRASES, rest)) {
            emit_word(rest.substr(0, *n), false);
            return *n;
        }
        if (!vietnamese || word_seen) {
            if (const auto n = map_token(TokenKind::Gender, ix.GENDER_MAP, lx.GENDER_MAP, rest)) return *n;
        }
        if (auto standard = read_standard(rest)) {
            emit(text_token(TokenKind::Standard, standard->code), false);
            return standard->consumed;
        }
        if (const auto n = map_token(TokenKind::Color, ix.COLOR_MAP, lx.COLOR_MAP, rest)) return *n;
        if (const auto hit = longest_map_match(ix.SIZE_MAP, lx.SIZE_MAP, rest)) {
            tokens.push_back(text_token(TokenKind::Size, hit->value));
            return hit->length;
        }
        if (!vietnamese || word_seen) {
            if (const auto n = map_token(TokenKind::Material, ix.MATERIAL_MAP, lx.MATERIAL_MAP, rest)) return *n;
        }
        if (!vietnamese) {
            if (const auto n = map_token(TokenKind::Country, ix.COUNTRY_MAP, lx.COUNTRY_MAP, rest)) return *n;
        }
        const std::size_t n = fallback_word_length(rest);
        emit_word(rest.substr(0, n), false);
        return n;
    }

    // A map step whose token ends size mode and leaves word_seen as it is.
    std::optional<std::size_t> map_token(TokenKind kind, const KeyIndex& keys, const LexiconMap& map,
                                         std::string_view rest) {
        const auto hit = longest_map_match(keys, map, rest);
        if (!hit) return std::nullopt;
        emit(text_token(kind, hit->value), false);
        return hit->length;
    }
};

// Adjacent words become one, joined by a single space.
std::vector<Token> merge_words(std::vector<Token> scanned) {
    std::vector<Token> merged;
    merged.reserve(scanned.size());
    // Each token is moved once and each word's text appended once.
    for (Token& t : scanned) {
        if (t.kind == TokenKind::Word && !merged.empty() && merged.back().kind == TokenKind::Word) {
            merged.back().text += ' ';
            merged.back().text += t.text;
            continue;
        }
        merged.push_back(std::move(t));
    }
    return merged;
}

}  // namespace

std::vector<Token> tokenize(std::string_view input) {
    // The scan cuts the text at byte offsets and the number search skips its UTF-8 check.
    if (!is_valid_utf8(input)) throw std::invalid_argument("tokenize: text is not valid UTF-8");
    const std::string prepared = to_lower(trim(input));
    Scan scan;
    scan.vietnamese = is_vietnamese(prepared);
    // Each step consumes at least one byte. Beyond what it consumes a step reads only lexicon
    // keys of at most 20 bytes and the boundary after them, a number run it leaves (the number
    // search reads each digit at most twice: a failed number leaves at most the part after its
    // separator) and the white space after a number it takes (skipped next by step 0), so every
    // byte is read a fixed number of times.
    for (std::size_t pos = 0; pos < prepared.size();) {
        pos += scan.step(std::string_view(prepared).substr(pos));
    }
    return merge_words(std::move(scan.tokens));
}

}  // namespace tarsk
