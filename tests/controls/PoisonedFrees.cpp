// The program's own operator new and delete: plain malloc and free, with the
// freed block overwritten while a PoisonedFrees is in scope.
#include "tests/controls/PoisonedFrees.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace controlstest {
namespace {

// How many PoisonedFrees are in scope.
int& Depth() {
    static int depth = 0;
    return depth;
}
constexpr unsigned char Poison = 0xDD;

void Release(void* block) noexcept {
    if (block && Depth() > 0) {
        std::memset(block, Poison, _msize(block));
    }
    std::free(block);
}

void* Allocate(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

PoisonedFrees::PoisonedFrees() {
    ++Depth();
}
PoisonedFrees::~PoisonedFrees() {
    --Depth();
}

} // namespace controlstest

void* operator new(std::size_t size) {
    return controlstest::Allocate(size);
}
void* operator new[](std::size_t size) {
    return controlstest::Allocate(size);
}
void operator delete(void* block) noexcept {
    controlstest::Release(block);
}
void operator delete[](void* block) noexcept {
    controlstest::Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    controlstest::Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    controlstest::Release(block);
}
