#include "toolkit/Dpi.h"

namespace tk {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

// Systems before Windows 10 have no per-window scale: they run at the
// system's.
DpiForWindow PerWindowDpi() {
    static const auto query = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return query;
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

} // namespace

int WindowDpi(HWND window) {
    if (window && PerWindowDpi()) {
        if (const UINT dpi = PerWindowDpi()(window)) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

} // namespace tk
