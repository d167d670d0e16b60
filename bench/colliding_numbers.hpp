// Lists of numbers whose text std::hash (libstdc++'s, for std::string_view) puts in the first
// 64th of a power-of-two table indexed by hash & (size - 1). The query parser's attribute lists
// once kept such a table with linear probing, so a query of these numbers made one cluster that
// every insert walked: they stay here as an input any later index of those lists must take in
// linear time. The consecutive numbers of the same width are the control.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace growth {

// Every number has this many digits, so a list's byte size fixes its count.
inline constexpr std::size_t NUMBER_DIGITS = 9;
inline constexpr std::size_t FIRST_NUMBER = 100'000'000;

// The table that such a list ends with after `entries` distinct texts were added one by one:
// none up to 16 entries, then one of at least 4 cells per entry (a power of two, 64 at least),
// made again whenever more than half its cells are used.
inline std::size_t list_table_size(std::size_t entries) {
    const auto sized = [](std::size_t n) {
        std::size_t size = 64;
        while (size < 4 * n) size *= 2;
        return size;
    };
    std::size_t size = 0;
    // Bound: one step per entry.
    for (std::size_t n = 1, used = 0; n <= entries; ++n) {
        if (size == 0 ? n > 16 : 2 * (used + 1) > size) {
            size = sized(n);
            used = n;
        } else if (size != 0) {
            ++used;
        }
    }
    return size == 0 ? 64 : size;
}

// `count` distinct numbers whose hash falls in the first 64th of the table a list of `count`
// entries ends with. The tables before it share the high zero bits in part, so they cluster too,
// less tightly. About one number in 64 qualifies: 64 hashes per number.
inline std::vector<std::string> colliding_numbers(std::size_t count) {
    const std::size_t size = list_table_size(count);
    const std::size_t mask = size - 1;
    const std::size_t first_64th = size / 64;
    std::vector<std::string> out;
    out.reserve(count);
    // Bound: nine-digit numbers run out only past 14 million picks, far more than any size here.
    for (std::size_t n = FIRST_NUMBER; out.size() < count && n < 10 * FIRST_NUMBER; ++n) {
        std::string s = std::to_string(n);
        if ((std::hash<std::string_view>{}(s) & mask) < first_64th) out.push_back(std::move(s));
    }
    return out;
}

inline std::vector<std::string> consecutive_numbers(std::size_t count) {
    std::vector<std::string> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) out.push_back(std::to_string(FIRST_NUMBER + i));
    return out;
}

// `head`, then as many numbers joined by `sep` as fit in `size` bytes (one at least).
inline std::string number_list(std::string_view head, std::string_view sep, std::size_t size, bool colliding) {
    const std::size_t room = size > head.size() ? size - head.size() : 0;
    const std::size_t count = std::max<std::size_t>(1, (room + sep.size()) / (NUMBER_DIGITS + sep.size()));
    const std::vector<std::string> numbers = colliding ? colliding_numbers(count) : consecutive_numbers(count);
    std::string s(head);
    s.reserve(head.size() + count * (NUMBER_DIGITS + sep.size()));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) s += sep;
        s += numbers[i];
    }
    return s;
}

}  // namespace growth
