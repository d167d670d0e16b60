// The module's own allocations: exhausted memory ends the process with a fixed message instead of
// surfacing as an exception, so no half-built record can ever reach Python.
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void allocation_failed(std::size_t size) {
    std::fprintf(stderr, "memory allocation of %zu bytes failed\n", size);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    allocation_failed(size);
}

void* operator new[](std::size_t size) { return operator new(size); }
