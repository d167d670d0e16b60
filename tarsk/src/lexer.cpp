#include <array>
#include <stdexcept>

#include "lexer_case.hpp"
#include "lexer_match.hpp"
#include "lexer_steps.hpp"
#include "lexicon.hpp"
#include "tarsk/records.hpp"
#include "tarsk/text.hpp"
#include "tarsk/tokenize.hpp"
#include "token_view.hpp"

namespace tarsk {

namespace {

TokenView text_token(TokenKind kind, std::string_view text) { return TokenView{kind, 0, 0.0, text}; }

TokenView connector_token(Connector c) { return TokenView{TokenKind::Connector, static_cast<std::uint8_t>(c), 0.0, {}}; }

struct Scan {
    bool vietnamese = false;
    bool size_mode = false;
    bool word_seen = false;
    std::string_view text;
    std::forward_list<std::string>& codes;
    std::vector<TokenView> tokens{};
    // The lexicon at the current position, and at ahead_at, where the last number's unit would
    // start: lookups[ahead]. The step after a number without unit starts there.
    std::array<LexiconHits, 2> lookups{};
    std::size_t ahead = 0;
    std::size_t ahead_at = std::string_view::npos;

    void emit(TokenView t, bool new_size_mode) {
        tokens.push_back(t);
        size_mode = new_size_mode;
    }

    void emit_word(std::string_view word, bool new_size_mode) {
        emit(text_token(TokenKind::Word, word), new_size_mode);
        word_seen = true;
    }

    // Takes the first step that succeeds at `pos`; returns the bytes consumed.
    std::size_t step(std::size_t pos) {
        const std::string_view rest = text.substr(pos);
        if (const std::size_t ws = white_space_at(rest)) return ws;
        // A number without unit is followed by the place its unit was looked for.
        const std::size_t here = pos == ahead_at ? ahead : 1 - ahead;
        if (pos != ahead_at) find_lexicon_hits(rest, lookups[here]);
        const LexiconHits& hits = lookups[here];
        if (const std::size_t n = hits.length(KeyIndex::INTENT_PHRASES)) return n;
        if (size_mode) {
            if (const std::size_t n = hits.length(KeyIndex::SIZE_MAP)) {
                emit(text_token(TokenKind::Size, hits.value<KeyIndex::SIZE_MAP>()), true);
                return n;
            }
            if (const std::size_t n = number_match(rest); n != 0 && is_boundary(rest.substr(n))) {
                emit_word(rest.substr(0, n), true);
                return n;
            }
        } else if (const auto number = read_nonzero_number(rest)) {
            // A number with a unit, or one followed by a boundary.
            ahead = 1 - here;
            ahead_at = pos + number->unit_at;
            const LexiconHits& unit_hits = lookups[ahead];
            find_lexicon_hits(rest.substr(number->unit_at), lookups[ahead]);
            if (const std::size_t n = unit_hits.length(KeyIndex::UNIT_MAP)) {
                const Unit unit = unit_hits.value<KeyIndex::UNIT_MAP>();
                emit(TokenView{TokenKind::Quantity, static_cast<std::uint8_t>(unit), number->value, {}}, false);
                return number->unit_at + n;
            }
            if (is_boundary(rest.substr(number->length))) {
                const auto no_unit = static_cast<std::uint8_t>(Unit::NO_UNIT);
                emit(TokenView{TokenKind::Quantity, no_unit, number->value, {}}, false);
                return number->length;
            }
        }
        return word_or_lexicon_step(rest, hits);
    }

    // Connectors, size keywords, lexicon entries and plain words: everything but white space,
    // intent phrases, sizes in size mode and numbers.
    std::size_t word_or_lexicon_step(std::string_view rest, const LexiconHits& hits) {
        if (rest[0] == '/' || rest[0] == ',') {
            emit(connector_token(Connector::ListSep), false);
            return 1;
        }
        if (const std::size_t n = hits.length(KeyIndex::TO_WORDS)) {
            tokens.push_back(connector_token(Connector::To));
            return n;
        }
        for (const auto& [words, code] :
             {std::pair{KeyIndex::AND_WORDS, Connector::And}, std::pair{KeyIndex::OR_WORDS, Connector::Or}}) {
            if (const std::size_t n = hits.length(words)) {
                emit(connector_token(code), false);
                word_seen = false;
                return n;
            }
        }
        if (const std::size_t n = hits.length(KeyIndex::SIZE_KEYWORDS)) {
            emit(TokenView{TokenKind::SizeKeyword, 0, 0.0, {}}, true);
            return n;
        }
        if (const std::size_t n = hits.length(KeyIndex::COLOR_KEYWORDS)) {
            emit(TokenView{TokenKind::ColorKeyword, 0, 0.0, {}}, false);
            return n;
        }
        if (const std::size_t n = hits.length(KeyIndex::MATERIAL_KEYWORDS)) {
            emit(TokenView{TokenKind::MaterialKeyword, 0, 0.0, {}}, false);
            return n;
        }
        if (const std::size_t n = hits.length(KeyIndex::PROTECTED_PHRASES)) {
            emit_word(rest.substr(0, n), false);
            return n;
        }
        if (!vietnamese || word_seen) {
            if (const std::size_t n = map_token<KeyIndex::GENDER_MAP>(TokenKind::Gender, hits)) return n;
        }
        const auto prefix = hits.first(KeyIndex::STANDARD_PREFIXES);
        if (auto standard = read_standard(rest, prefix ? prefix->length : 0)) {
            const std::string& code = codes.emplace_front(std::move(standard->code));
            emit(text_token(TokenKind::Standard, code), false);
            return standard->consumed;
        }
        if (const std::size_t n = map_token<KeyIndex::COLOR_MAP>(TokenKind::Color, hits)) return n;
        if (const std::size_t n = hits.length(KeyIndex::SIZE_MAP)) {
            tokens.push_back(text_token(TokenKind::Size, hits.value<KeyIndex::SIZE_MAP>()));
            return n;
        }
        if (!vietnamese || word_seen) {
            if (const std::size_t n = map_token<KeyIndex::MATERIAL_MAP>(TokenKind::Material, hits)) return n;
        }
        if (!vietnamese) {
            if (const std::size_t n = map_token<KeyIndex::COUNTRY_MAP>(TokenKind::Country, hits)) return n;
        }
        const std::size_t n = fallback_word_length(rest);
        emit_word(rest.substr(0, n), false);
        return n;
    }

    // A map step whose token ends size mode and leaves word_seen as it is; returns the bytes
    // consumed, 0 when the map has no qualifying key here.
    template <KeyIndex I>
    std::size_t map_token(TokenKind kind, const LexiconHits& hits) {
        const std::size_t n = hits.length(I);
        if (n != 0) emit(text_token(kind, hits.value<I>()), false);
        return n;
    }
};

}  // namespace

std::string_view prepare_query(std::string_view input, std::string& storage) {
    // The scan cuts the text at byte offsets and the number search skips its UTF-8 check.
    if (!is_valid_utf8(input)) throw std::invalid_argument("tokenize: text is not valid UTF-8");
    return lower_query(trim(input), storage);
}

std::vector<TokenView> scan_query(std::string_view prepared, std::forward_list<std::string>& codes) {
    Scan scan{.text = prepared, .codes = codes};
    scan.vietnamese = is_vietnamese(prepared);
    // Short queries, the usual case, fit at once; longer ones grow from there.
    scan.tokens.reserve(std::min<std::size_t>(prepared.size() / 2 + 1, 64));
    // Each step consumes at least one byte. Beyond what it consumes a step reads only lexicon
    // keys of at most 20 bytes and the boundary after them, a number run it leaves (the number
    // search reads each digit at most twice: a failed number leaves at most the part after its
    // separator) and the white space after a number it takes (skipped next by the white-space step), so every
    // byte is read a fixed number of times.
    for (std::size_t pos = 0; pos < prepared.size();) {
        pos += scan.step(pos);
    }
    return std::move(scan.tokens);
}

const Pattern& NUMBER_RE() {
    static const Pattern pattern("^(\\d+(?:[.,]\\d+)?)");
    return pattern;
}

std::vector<Token> tokenize(std::string_view input) {
    std::string storage;
    const std::string_view prepared = prepare_query(input, storage);
    std::forward_list<std::string> codes;
    const std::vector<TokenView> scanned = scan_query(prepared, codes);
    std::vector<Token> merged;
    merged.reserve(scanned.size());
    // Adjacent words become one, joined by a single space; each token is copied once and each
    // word's text appended once.
    for (const TokenView& t : scanned) {
        if (t.kind == TokenKind::Word && !merged.empty() && merged.back().kind == TokenKind::Word) {
            merged.back().text += ' ';
            merged.back().text += t.text;
            continue;
        }
        merged.push_back(Token{t.kind, t.sub, t.value, std::string(t.text)});
    }
    return merged;
}

}  // namespace tarsk
