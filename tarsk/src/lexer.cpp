#include <algorithm>
#include <array>
#include <stdexcept>

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
    const Lexicon& lx = lexicon();
    const LexiconIndex& ix = lexicon_index();
    bool vietnamese = false;
    bool size_mode = false;
    bool word_seen = false;
    std::vector<TokenView> tokens{};
    std::forward_list<std::string>& codes;

    void emit(TokenView t, bool new_size_mode) {
        tokens.push_back(t);
        size_mode = new_size_mode;
    }

    void emit_word(std::string_view word, bool new_size_mode) {
        emit(text_token(TokenKind::Word, word), new_size_mode);
        word_seen = true;
    }

    // Takes the first step that succeeds at the start of `rest`; returns the bytes consumed.
    std::size_t step(std::string_view rest) {
        if (const std::size_t ws = white_space_at(rest)) return ws;
        const LexiconHits hits = lexicon_hits(rest);
        if (const std::size_t n = hits.length(ix.INTENT_PHRASES)) return n;
        if (size_mode) {
            if (const std::size_t n = hits.length(ix.SIZE_MAP)) {
                emit(text_token(TokenKind::Size, hits.value(ix.SIZE_MAP, lx.SIZE_MAP)), true);
                return n;
            }
            if (const auto n = number_match(rest); n && is_boundary(rest.substr(*n))) {
                emit_word(rest.substr(0, *n), true);
                return *n;
            }
        } else if (const auto q = read_quantity(rest)) {
            emit(TokenView{TokenKind::Quantity, q->unit, q->value, {}}, false);
            return q->consumed;
        }
        return later_step(rest, hits);
    }

    // Steps 4 onwards: everything but white space, intent phrases, sizes in size mode and numbers.
    std::size_t later_step(std::string_view rest, const LexiconHits& hits) {
        if (rest[0] == '/' || rest[0] == ',') {
            emit(connector_token(Connector::ListSep), false);
            return 1;
        }
        if (const std::size_t n = hits.length(ix.TO_WORDS)) {
            tokens.push_back(connector_token(Connector::To));
            return n;
        }
        for (const auto& [words, code] : {std::pair{ix.AND_WORDS, Connector::And}, std::pair{ix.OR_WORDS, Connector::Or}}) {
            if (const std::size_t n = hits.length(words)) {
                emit(connector_token(code), false);
                word_seen = false;
                return n;
            }
        }
        if (const std::size_t n = hits.length(ix.SIZE_KEYWORDS)) {
            emit(TokenView{TokenKind::SizeKeyword, 0, 0.0, {}}, true);
            return n;
        }
        if (const std::size_t n = hits.length(ix.COLOR_KEYWORDS)) {
            emit(TokenView{TokenKind::ColorKeyword, 0, 0.0, {}}, false);
            return n;
        }
        if (const std::size_t n = hits.length(ix.MATERIAL_KEYWORDS)) {
            emit(TokenView{TokenKind::MaterialKeyword, 0, 0.0, {}}, false);
            return n;
        }
        if (const std::size_t n = hits.length(ix.PROTECTED_PHRASES)) {
            emit_word(rest.substr(0, n), false);
            return n;
        }
        if (!vietnamese || word_seen) {
            if (const std::size_t n = map_token(TokenKind::Gender, hits, ix.GENDER_MAP, lx.GENDER_MAP)) return n;
        }
        const auto prefix = hits.first(ix.STANDARD_PREFIXES);
        if (auto standard = read_standard(rest, prefix ? prefix->length : 0)) {
            const std::string& code = codes.emplace_front(std::move(standard->code));
            emit(text_token(TokenKind::Standard, code), false);
            return standard->consumed;
        }
        if (const std::size_t n = map_token(TokenKind::Color, hits, ix.COLOR_MAP, lx.COLOR_MAP)) return n;
        if (const std::size_t n = hits.length(ix.SIZE_MAP)) {
            tokens.push_back(text_token(TokenKind::Size, hits.value(ix.SIZE_MAP, lx.SIZE_MAP)));
            return n;
        }
        if (!vietnamese || word_seen) {
            if (const std::size_t n = map_token(TokenKind::Material, hits, ix.MATERIAL_MAP, lx.MATERIAL_MAP)) return n;
        }
        if (!vietnamese) {
            if (const std::size_t n = map_token(TokenKind::Country, hits, ix.COUNTRY_MAP, lx.COUNTRY_MAP)) return n;
        }
        const std::size_t n = fallback_word_length(rest);
        emit_word(rest.substr(0, n), false);
        return n;
    }

    // A map step whose token ends size mode and leaves word_seen as it is; returns the bytes
    // consumed, 0 when the map has no qualifying key here.
    std::size_t map_token(TokenKind kind, const LexiconHits& hits, KeyIndex keys, const LexiconMap& map) {
        const std::size_t n = hits.length(keys);
        if (n != 0) emit(text_token(kind, hits.value(keys, map)), false);
        return n;
    }
};

// Lower-cases text that is all ASCII without ICU, through a table that ICU filled once: ASCII
// letters map to single ASCII letters whatever surrounds them. Anything else goes to to_lower.
std::string lower_case(std::string_view s) {
    static const std::array<char, 128> ascii = [] {
        std::array<char, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            const std::string lowered = to_lower(std::string(1, static_cast<char>(c)));
            table[c] = lowered.size() == 1 ? lowered[0] : static_cast<char>(c);
        }
        return table;
    }();
    // Each byte is read once to tell ASCII text from the rest, and once more to map it.
    if (std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return to_lower(s);
    std::string out(s);
    for (char& c : out) c = ascii[static_cast<unsigned char>(c)];
    return out;
}

}  // namespace

std::string prepare_query(std::string_view input) {
    // The scan cuts the text at byte offsets and the number search skips its UTF-8 check.
    if (!is_valid_utf8(input)) throw std::invalid_argument("tokenize: text is not valid UTF-8");
    return lower_case(trim(input));
}

std::vector<TokenView> scan_query(std::string_view prepared, std::forward_list<std::string>& codes) {
    Scan scan{.codes = codes};
    scan.vietnamese = is_vietnamese(prepared);
    // Short queries, the usual case, fit at once; longer ones grow from there.
    scan.tokens.reserve(std::min<std::size_t>(prepared.size() / 2 + 1, 64));
    // Each step consumes at least one byte. Beyond what it consumes a step reads only lexicon
    // keys of at most 20 bytes and the boundary after them, a number run it leaves (the number
    // search reads each digit at most twice: a failed number leaves at most the part after its
    // separator) and the white space after a number it takes (skipped next by step 0), so every
    // byte is read a fixed number of times.
    for (std::size_t pos = 0; pos < prepared.size();) {
        pos += scan.step(prepared.substr(pos));
    }
    return std::move(scan.tokens);
}

std::vector<Token> tokenize(std::string_view input) {
    const std::string prepared = prepare_query(input);
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
