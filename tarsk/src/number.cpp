#include "tarsk/number.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
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
    // The fewest significant digits that read back as v ("d.ddde+XX"), placed without an
    // exponent and padded with zeros: 1e23 is 100000000000000000000000, not the 23 digits of the
    // double nearest to it.
    const std::string sci = chars(v, std::chars_format::scientific);
    const std::size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (sci[i] != '.') digits += sci[i];
    }
    const long exponent = std::stol(sci.substr(e + 1));
    const long k = static_cast<long>(digits.size());
    std::string out = negative ? "-" : "";
    if (exponent >= k - 1) {
        out += digits;
        out.append(static_cast<std::size_t>(exponent - (k - 1)), '0');
    } else if (exponent >= 0) {
        out += digits.substr(0, static_cast<std::size_t>(exponent + 1));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(exponent + 1));
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
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
