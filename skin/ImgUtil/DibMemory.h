// Where a TDib keeps its pixels: a DIB section in the Windows build, the heap
// otherwise. One implementation file per build.
#pragma once

#include <cstdint>

namespace skin::detail {

struct DibMemory {
    uint8_t* bits = nullptr;
    void* handle = nullptr;
};

// Zero-filled, top-down rows of `stride` bytes. Throws std::bad_alloc when
// the memory cannot be had.
DibMemory AllocateDibMemory(int width, int height, int bitsPerPixel, int stride);
void FreeDibMemory(const DibMemory& memory);

} // namespace skin::detail
