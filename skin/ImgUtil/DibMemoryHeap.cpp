#include "DibMemory.h"

#include <cstring>
#include <new>

namespace skin::detail {

DibMemory AllocateDibMemory(int, int height, int, int stride) {
    const size_t size = size_t(height) * size_t(stride);
    auto* bits = new uint8_t[size];
    std::memset(bits, 0, size);
    return {bits, nullptr};
}

void FreeDibMemory(const DibMemory& memory) {
    delete[] memory.bits;
}

} // namespace skin::detail
