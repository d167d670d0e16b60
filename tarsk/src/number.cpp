#include "tarsk/number.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace tarsk {

namespace {

std::uint64_t saturate_u64(double v) {
    if (!(v > 0.0)) return 0;
    if (v >= 18446744073709551616.0) return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(v);
}

template <typename... Args>
std::string chars(double v, Args... args) {
    // Fixed notation of a double needs at most ~330 digits before the point.
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, args...);
    if (res.ec != std::errc{}) throw std::logic_error("number does not fit its buffer");
    return std::string(buf, res.ptr);
}

}  // namespace

std::string format_number(double v, int decimals) {
    if (std::isinf(v) && v > 0) return "inf";
    if (v - std::trunc(v) == 0.0) return std::to_string(saturate_u64(v));
    return chars(v, std::chars_format::fixed, decimals);
}

std::string format_shortest(double v) {
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    if (std::isnan(v)) return "NaN";
    return chars(v, std::chars_format::fixed);
}

namespace {

// Reads digits with at most a "." between them (already without commas), as read_number does.
std::optional<double> read_digits(std::string_view digits) {
    if (digits.empty() || digits.front() == '.' || digits.back() == '.') return std::nullopt;
    double value = 0.0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (res.ptr != digits.data() + digits.size()) return std::nullopt;
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on range errors: tell overflow from underflow.
        const bool overflow = digits.find_first_of("123456789") < digits.find('.');
        return overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (res.ec != std::errc{}) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> read_number(std::string_view match) {
    // Each character of the match is read once here, and once more below.
    for (char c : match) {
        if (c != ',' && c != '.' && (c < '0' || c > '9')) return std::nullopt;
    }
    // Without commas the match is read where it lies.
    if (match.find(',') == std::string_view::npos) return read_digits(match);
    std::string digits;
    digits.reserve(match.size());
    for (char c : match)
        if (c != ',') digits.push_back(c);
    return read_digits(digits);
}

}  // namespace tarsk
