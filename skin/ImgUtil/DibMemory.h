// Where a TDib keeps its pixels. Rows start on the heap in both builds; in
// the Windows build they move into a DIB section the first time a GDI handle
// is wanted (creating a DIB section is costly, and most skin bitmaps are only
// ever read as source pixels after loading).
#pragma once

#include <cstdint>

namespace skin::detail {

struct DibMemory {
    uint8_t* bits = nullptr;
    void* handle = nullptr;
};

// A DIB section holding a copy of the given top-down rows; {null, null} in
// the native build. Throws std::bad_alloc when it cannot be created.
DibMemory MakeNativeDib(int width, int height, int bitsPerPixel, int stride, const uint8_t* rows);
void FreeNativeDib(void* handle);

} // namespace skin::detail
