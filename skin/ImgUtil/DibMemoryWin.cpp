#include "skin/ImgUtil/DibMemory.h"

#include <windows.h>

#include <cstring>
#include <new>

namespace skin::detail {

DibMemory MakeNativeDib(int width, int height, int bitsPerPixel, int stride, const uint8_t* rows) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle || !bits) {
        throw std::bad_alloc();
    }
    std::memcpy(bits, rows, size_t(height) * size_t(stride));
    return {static_cast<uint8_t*>(bits), handle};
}

void FreeNativeDib(void* handle) {
    DeleteObject(static_cast<HBITMAP>(handle));
}

} // namespace skin::detail
