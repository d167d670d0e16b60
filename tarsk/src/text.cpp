#include "tarsk/text.hpp"

#include "text_slices.hpp"

#include <unicode/uchar.h>
#include <unicode/ucasemap.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace tarsk {

bool is_white_space_wide(char32_t c) { return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE); }

bool is_alphabetic(char32_t c) { return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_ALPHABETIC); }

bool is_numeric(char32_t c) {
    const auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_ND_MASK | U_GC_NL_MASK | U_GC_NO_MASK)) != 0;
}

char32_t decode_utf8_wide(std::string_view s, std::size_t pos, std::size_t& len) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    len = utf8_length(lead);
    if (pos + len > s.size()) throw std::logic_error("truncated UTF-8 sequence");
    if (len == 1) return lead;
    char32_t c = lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) c = (c << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    return c;
}

namespace {


// One piece through ICU's check; ICU indexes with int32_t, so at most utf8_check_slice + 3 bytes.
bool is_valid_piece(std::string_view s) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto n = static_cast<int32_t>(s.size());
    int32_t i = 0;
    while (i < n) {  // each pass moves i forward by at least one byte
        // ASCII, the usual case, eight bytes at a time: none of them has its top bit set.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080ULL) != 0) break;
            i += 8;
        }
        if (i >= n) break;
        UChar32 c;
        U8_NEXT(p, i, n, c);
        if (c < 0) return false;
    }
    return true;
}

}  // namespace

bool detail::is_valid_utf8_in_slices(std::string_view s, std::size_t slice) {
    if (slice == 0 || slice > utf8_check_slice) throw std::invalid_argument("UTF-8 check slice out of range");
    // A piece ends before a byte that is no continuation byte: in valid UTF-8 that is a character boundary,
    // so the text is valid exactly when every piece is. Four continuation bytes in a row are never valid.
    std::size_t start = 0;
    while (start < s.size()) {  // each pass moves start at least `slice` bytes on, or to the end
        std::size_t end = std::min(s.size(), start + slice);
        for (int k = 0; k < 3 && end < s.size() && is_continuation(s[end]); ++k) ++end;
        if (end < s.size() && is_continuation(s[end])) return false;
        if (!is_valid_piece(s.substr(start, end - start))) return false;
        start = end;
    }
    return true;
}

bool is_valid_utf8(std::string_view s) { return detail::is_valid_utf8_in_slices(s, detail::utf8_check_slice); }

std::string_view trim(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size()) {
        std::size_t len;
        if (!is_white_space(decode_utf8(s, begin, len))) break;
        begin += len;
    }
    std::size_t end = s.size();
    while (end > begin) {
        const std::size_t start = char_start_before(s, end, begin);
        std::size_t len;
        if (!is_white_space(decode_utf8(s, start, len))) break;
        end = start;
    }
    return s.substr(begin, end - begin);
}

namespace {

// Where ICU's root-locale full case mappings look beyond one character. Upper-casing never does, and
// lower-casing does for U+03A3 only: it becomes final ς when a cased character comes before it and none
// after it, "before" and "after" skipping case-ignorable characters (the lt, tr and az conditions belong
// to those locales). ICU walks from the Σ over case-ignorables and stops at the first other character,
// cased or not; it tests Case_Ignorable first, so a character that is both (U+0345) is skipped, and an
// ill-formed sequence or the end of its input stops the walk as "not cased".
//
// A cut between characters x and y is therefore invisible to ICU when
//   - x or y blocks: it is neither cased nor case-ignorable. A walk that reaches it stops there with
//     "not cased", as it would at the slice edge; a blocker is no Σ, so no walk starts on it; or
//   - x and y are both solid: not case-ignorable and no Σ. A walk from either side stops on one of them
//     before the cut, and neither starts a walk across it.
// Elsewhere (a Σ beside a cased or case-ignorable character, or inside a run of case-ignorables between
// cased characters) ICU would read across the cut.

constexpr UChar32 capital_sigma = 0x03A3;

bool case_ignorable(UChar32 c) { return c >= 0 && u_hasBinaryProperty(c, UCHAR_CASE_IGNORABLE); }
bool cased(UChar32 c) { return c >= 0 && u_hasBinaryProperty(c, UCHAR_CASED); }
bool blocks(UChar32 c) { return !cased(c) && !case_ignorable(c); }
bool solid(UChar32 c) { return c != capital_sigma && !case_ignorable(c); }
bool invisible_cut(UChar32 x, UChar32 y) { return blocks(x) || blocks(y) || (solid(x) && solid(y)); }

struct CodePoint {
    UChar32 c;  // negative for an ill-formed sequence, as ICU reads it
    std::size_t begin;
    std::size_t end;
};

// The character that starts at `pos` (< s.size()).
CodePoint code_point_at(std::string_view s, std::size_t pos) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data() + pos);
    const auto n = static_cast<int32_t>(std::min<std::size_t>(4, s.size() - pos));
    int32_t i = 0;
    UChar32 c;
    U8_NEXT(p, i, n, c);
    return {c, pos, pos + static_cast<std::size_t>(i)};
}

// The character that ends at `pos` (> 0); it never starts before a byte that is no continuation byte.
CodePoint code_point_before(std::string_view s, std::size_t pos) {
    const std::size_t back = std::min<std::size_t>(4, pos);
    const auto* p = reinterpret_cast<const uint8_t*>(s.data() + pos - back);
    auto i = static_cast<int32_t>(back);
    UChar32 c;
    U8_PREV(p, 0, i, c);
    return {c, pos - back + static_cast<std::size_t>(i), pos};
}

// The last position in (floor, pos] that starts a character, or floor; pos < s.size().
std::size_t boundary_at_or_before(std::string_view s, std::size_t pos, std::size_t floor) {
    while (pos > floor && is_continuation(s[pos])) --pos;  // at most pos - floor steps (three in valid UTF-8)
    return pos;
}

// ICU's walk backwards from a cut at `pos`: is the nearest character that is not case-ignorable a cased
// one? The walk ends at `floor`, the slice's own start, whose verdict is known.
bool cased_before(std::string_view s, std::size_t pos, std::size_t floor, bool floor_verdict) {
    while (pos > floor) {  // one character back per pass, at most pos - floor bytes
        const CodePoint x = code_point_before(s, pos);
        if (!case_ignorable(x.c)) return cased(x.c);
        pos = x.begin;
    }
    return floor_verdict;
}

// The last forward walk: it crossed case-ignorables up to `to` and read `cased` there.
struct Lookahead {
    std::size_t to = 0;
    bool cased = false;
};

// ICU's walk forwards from a cut at `pos`. Cuts only move on, so a cut before the last walk's end lies in
// the run of case-ignorables that walk crossed and reads its verdict: no byte is walked over twice.
bool cased_after(std::string_view s, std::size_t pos, Lookahead& last) {
    if (pos < last.to) return last.cased;
    while (pos < s.size()) {  // one character on per pass, at most to the end of the text
        const CodePoint y = code_point_at(s, pos);
        if (!case_ignorable(y.c)) break;
        pos = y.end;
    }
    last = {pos, pos < s.size() && cased(code_point_at(s, pos).c)};
    return last.cased;
}

}  // namespace

// How far back from its size limit a slice looks for an invisible cut. Ordinary text has one within a
// few bytes; the bound keeps texts that have none (where the fallback below is exact anyway) from being
// searched over and over.
constexpr std::size_t cut_search_span = std::size_t{1} << 16;

// A slice ends at the last invisible cut that fits, looking back cut_search_span bytes at most. A window
// with none there (a run of Σ, a long run of case-ignorables between cased letters) ends at the last
// character boundary that fits instead, and the slice records what ICU would have read across each of its
// edges; map_case then puts a cased stand-in letter there, so each Σ reads the same verdict as in the
// whole text. Nothing loops and nothing recurses.
std::vector<detail::CaseSlice> detail::case_map_slices(std::string_view s, std::size_t slice) {
    if (slice == 0 || slice > case_map_slice) throw std::invalid_argument("case map slice out of range");
    std::vector<CaseSlice> slices;
    Lookahead lookahead;
    CaseSlice current;
    while (s.size() - current.begin > slice) {  // each pass ends a slice of at least one byte
        const std::size_t limit = current.begin + slice;
        const std::size_t last = boundary_at_or_before(s, limit, current.begin);
        const std::size_t search_floor = limit - std::min(slice, cut_search_span);
        std::size_t cut = last;
        while (cut > search_floor) {  // one character back per pass, over at most cut_search_span bytes
            const CodePoint x = code_point_before(s, cut);
            if (invisible_cut(x.c, code_point_at(s, cut).c)) break;
            cut = boundary_at_or_before(s, x.begin, search_floor);
        }
        bool next_before = false;
        if (cut <= search_floor) {
            cut = last;
            if (cut == current.begin) {  // the slice is shorter than the character at its start: take it whole
                cut = limit;
                for (int k = 0; k < 3 && cut < s.size() && is_continuation(s[cut]); ++k) ++cut;
            }
            current.cased_after = cased_after(s, cut, lookahead);
            // A walk back that reaches this slice's start crossed case-ignorables only. If the start is an
            // invisible cut, the character after it is case-ignorable, so the one before it blocks: the
            // recorded "not cased" is then the true verdict, as a computed one is after a fallback cut.
            next_before = cased_before(s, cut, current.begin, current.cased_before);
        }
        current.end = cut;
        slices.push_back(current);
        current = CaseSlice{cut, cut, next_before, false};
    }
    if (current.begin < s.size()) {
        current.end = s.size();
        slices.push_back(current);
    }
    return slices;
}

namespace {

struct CaseMapCloser {
    void operator()(UCaseMap* m) const { ucasemap_close(m); }
};

using CaseMapping = int32_t (*)(const UCaseMap*, char*, int32_t, const char*, int32_t, UErrorCode*);

// Appends ICU's mapping of `text` (a slice and its stand-ins, well within int32_t) to `out`.
void append_mapped(std::string& out, const UCaseMap* map, CaseMapping mapping, std::string_view text) {
    const std::size_t at = out.size();
    std::size_t room = text.size() + text.size() / 2 + 16;
    for (int attempt = 0; attempt < 2; ++attempt) {  // on overflow ICU tells the exact size for the second
        out.resize(at + room);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t n = mapping(map, out.data() + at, static_cast<int32_t>(room), text.data(),
                                  static_cast<int32_t>(text.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            room = static_cast<std::size_t>(n);
            continue;
        }
        if (U_FAILURE(status)) break;
        out.resize(at + static_cast<std::size_t>(n));
        return;
    }
    throw std::runtime_error("ICU case mapping failed");
}

std::string map_case(std::string_view s, CaseMapping mapping, std::size_t slice) {
    std::string out;
    if (s.empty()) return out;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, CaseMapCloser> map(ucasemap_open("", 0, &status));
    if (U_FAILURE(status)) throw std::runtime_error("ucasemap_open failed");
    std::string padded;
    for (const detail::CaseSlice& piece : detail::case_map_slices(s, slice)) {  // slices tile the text once
        const std::string_view text = s.substr(piece.begin, piece.end - piece.begin);
        if (!piece.cased_before && !piece.cased_after) {
            append_mapped(out, map.get(), mapping, text);
            continue;
        }
        // 'a' is cased, not case-ignorable, and maps to one byte in both directions whatever surrounds it.
        padded.clear();
        if (piece.cased_before) padded += 'a';
        padded += text;
        if (piece.cased_after) padded += 'a';
        const std::size_t at = out.size();
        append_mapped(out, map.get(), mapping, padded);
        if (piece.cased_after) out.pop_back();
        if (piece.cased_before) out.erase(at, 1);
    }
    return out;
}

}  // namespace

std::string detail::to_lower_in_slices(std::string_view s, std::size_t slice) {
    return map_case(s, ucasemap_utf8ToLower, slice);
}

std::string detail::to_upper_in_slices(std::string_view s, std::size_t slice) {
    return map_case(s, ucasemap_utf8ToUpper, slice);
}

std::string to_lower(std::string_view s) { return detail::to_lower_in_slices(s, detail::case_map_slice); }

std::string to_upper(std::string_view s) { return detail::to_upper_in_slices(s, detail::case_map_slice); }

}  // namespace tarsk
