// Polynomial hashes of character sequences modulo 2^61 - 1, with a base drawn at random once per
// process: whoever writes the text cannot aim at a collision without knowing the base, so two
// different sequences of at most n characters share a hash with probability below n / 2^60.
// Results never depend on the base; where a hash decides anything, the text is checked too, or
// the probability above is what is at stake.
#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace brellin::dims::hash {

constexpr std::uint64_t P = (std::uint64_t{1} << 61) - 1;

inline std::uint64_t add(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t s = a + b;
    return s >= P ? s - P : s;
}

inline std::uint64_t sub(std::uint64_t a, std::uint64_t b) { return a >= b ? a - b : a + P - b; }

inline std::uint64_t mul(std::uint64_t a, std::uint64_t b) {
    const __uint128_t r = static_cast<__uint128_t>(a) * b;
    const std::uint64_t s = static_cast<std::uint64_t>(r & P) + static_cast<std::uint64_t>(r >> 61);
    return s >= P ? s - P : s;
}

inline std::uint64_t random_word() {
    std::random_device rd;
    return (static_cast<std::uint64_t>(rd()) << 32) | rd();
}

inline std::uint64_t base() {
    static const std::uint64_t b = random_word() % (P - 1024) + 512;
    return b;
}

// A second word drawn once per process, for what needs a key but no base (the copy index's
// treap priorities); drawn once since the random device costs a system call.
inline std::uint64_t process_key() {
    static const std::uint64_t k = random_word();
    return k;
}

// base^k in two multiplications: three tables of 2048 powers each cover every k below 2^33.
inline std::uint64_t power(std::uint64_t k) {
    struct Tables {
        std::array<std::array<std::uint64_t, 2048>, 3> t{};
        Tables() {
            std::uint64_t step = base();
            for (auto& table : t) {
                table[0] = 1;
                for (std::size_t i = 1; i < table.size(); ++i) table[i] = mul(table[i - 1], step);
                step = mul(table[2047], step);  // step^2048
            }
        }
    };
    static const Tables tables;
    return mul(mul(tables.t[0][k & 2047], tables.t[1][(k >> 11) & 2047]), tables.t[2][(k >> 22) & 2047]);
}

// The hash of a sequence extended by one more symbol at its end.
inline std::uint64_t push(std::uint64_t h, std::uint64_t symbol) { return add(mul(h, base()), symbol); }

}  // namespace brellin::dims::hash
