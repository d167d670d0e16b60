#include "tarsk/text.hpp"

#include <unicode/uchar.h>
#include <unicode/ucasemap.h>
#include <unicode/utf8.h>

#include <memory>
#include <stdexcept>

namespace tarsk {

bool is_white_space(char32_t c) { return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE); }

bool is_alphabetic(char32_t c) { return u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_ALPHABETIC); }

bool is_numeric(char32_t c) {
    const auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    return (mask & (U_GC_ND_MASK | U_GC_NL_MASK | U_GC_NO_MASK)) != 0;
}

std::size_t utf8_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

char32_t decode_utf8(std::string_view s, std::size_t pos, std::size_t& len) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    len = utf8_length(lead);
    if (pos + len > s.size()) throw std::logic_error("truncated UTF-8 sequence");
    if (len == 1) return lead;
    char32_t c = lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) c = (c << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    return c;
}

bool is_valid_utf8(std::string_view s) {
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto n = static_cast<int32_t>(s.size());
    if (s.size() > static_cast<std::size_t>(INT32_MAX)) {
        // ICU's macros index with int32_t; check huge texts in slices cut at ASCII bytes.
        std::size_t start = 0;
        while (start < s.size()) {
            std::size_t end = std::min(s.size(), start + (std::size_t{1} << 30));
            while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
            if (!is_valid_utf8(s.substr(start, end - start))) return false;
            start = end;
        }
        return true;
    }
    int32_t i = 0;
    while (i < n) {
        UChar32 c;
        U8_NEXT(p, i, n, c);
        if (c < 0) return false;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size()) {
        std::size_t len;
        if (!is_white_space(decode_utf8(s, begin, len))) break;
        begin += len;
    }
    std::size_t end = s.size();
    while (end > begin) {
        std::size_t start = end - 1;
        while (start > begin && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
        std::size_t len;
        if (!is_white_space(decode_utf8(s, start, len))) break;
        end = start;
    }
    return s.substr(begin, end - begin);
}

namespace {

struct CaseMapCloser {
    void operator()(UCaseMap* m) const { ucasemap_close(m); }
};

using CaseMapping = int32_t (*)(const UCaseMap*, char*, int32_t, const char*, int32_t, UErrorCode*);

// One text through ICU's full case mapping; texts beyond int32_t range go in slices cut
// after a white-space character, where no mapping looks across.
std::string map_case(std::string_view s, CaseMapping mapping) {
    if (s.empty()) return {};
    constexpr std::size_t slice = std::size_t{1} << 28;
    if (s.size() > slice) {
        std::string out;
        std::size_t start = 0;
        while (start < s.size()) {
            std::size_t end = std::min(s.size(), start + slice);
            while (end < s.size() && static_cast<unsigned char>(s[end]) != ' ') ++end;
            out += map_case(s.substr(start, end - start), mapping);
            start = end;
        }
        return out;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, CaseMapCloser> map(ucasemap_open("", 0, &status));
    if (U_FAILURE(status)) throw std::runtime_error("ucasemap_open failed");
    std::string out(s.size() + s.size() / 2 + 16, '\0');
    for (;;) {
        status = U_ZERO_ERROR;
        const int32_t n = mapping(map.get(), out.data(), static_cast<int32_t>(out.size()), s.data(),
                                  static_cast<int32_t>(s.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(static_cast<std::size_t>(n));
            continue;
        }
        if (U_FAILURE(status)) throw std::runtime_error("ICU case mapping failed");
        out.resize(static_cast<std::size_t>(n));
        return out;
    }
}

}  // namespace

std::string to_lower(std::string_view s) { return map_case(s, ucasemap_utf8ToLower); }

std::string to_upper(std::string_view s) { return map_case(s, ucasemap_utf8ToUpper); }

}  // namespace tarsk
