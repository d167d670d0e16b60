// Prints COUNT numbers whose std::hash collides in the attribute lists' old table (see
// colliding_numbers.hpp), one a line, for bench/hostile_parse.py: the hash is libstdc++'s own,
// so the numbers come from C++ rather than a copy of it in Python.
//
//   colliding_numbers COUNT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "colliding_numbers.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: colliding_numbers COUNT\n");
        return 2;
    }
    const std::size_t count = std::strtoull(argv[1], nullptr, 10);
    const std::vector<std::string> numbers = growth::colliding_numbers(count);
    if (numbers.size() < count) {
        std::fprintf(stderr, "only %zu numbers of %zu digits qualify\n", numbers.size(), growth::NUMBER_DIGITS);
        return 1;
    }
    std::string out;
    out.reserve(count * (growth::NUMBER_DIGITS + 1));
    for (const std::string& n : numbers) out += n + '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
