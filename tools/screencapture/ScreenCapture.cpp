#include "tools/screencapture/ScreenCapture.h"

#include "toolkit/win32/GdiOwners.h"

#include <algorithm>

namespace screencapture {

TScreenPixels CaptureScreen(const RECT& screen) {
    TScreenPixels shot;
    shot.width = std::max(0, int(screen.right - screen.left));
    shot.height = std::max(0, int(screen.bottom - screen.top));
    if (shot.width == 0 || shot.height == 0) {
        return {};
    }

    const tk::WindowDC screenDc = tk::WindowDC::Client(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const tk::OwnedBitmap section(
        CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) {
        return {};
    }
    {
        const tk::BitmapDC memory(section.get(), screenDc);
        BitBlt(memory, 0, 0, shot.width, shot.height, screenDc, screen.left, screen.top, SRCCOPY);
        GdiFlush();
    }
    const auto* source = static_cast<const uint32_t*>(bits);
    shot.pixels.assign(source, source + size_t(shot.width) * size_t(shot.height));
    for (uint32_t& p : shot.pixels) {
        p &= 0xFFFFFF;
    }
    return shot;
}

} // namespace screencapture
