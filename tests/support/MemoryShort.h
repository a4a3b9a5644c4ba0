// Memory made to run out, for the tests of what a loader does then. The
// header replaces the program's allocator: include it in exactly one file of
// a test program of its own.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace memoryshort {

// While set, every allocation of at least this many bytes fails.
inline std::size_t FailFrom = 0;

inline void* Allocate(std::size_t size) {
    if (FailFrom != 0 && size >= FailFrom) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

} // namespace memoryshort

// Memory is short for allocations of `bytes` and more while it lives.
class TMemoryShort {
public:
    explicit TMemoryShort(std::size_t bytes) { memoryshort::FailFrom = bytes; }
    ~TMemoryShort() { memoryshort::FailFrom = 0; }
    TMemoryShort(const TMemoryShort&) = delete;
    TMemoryShort& operator=(const TMemoryShort&) = delete;
};

void* operator new(std::size_t size) {
    return memoryshort::Allocate(size);
}
void* operator new[](std::size_t size) {
    return memoryshort::Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
