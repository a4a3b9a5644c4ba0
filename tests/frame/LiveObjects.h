// Live GDI objects and windows of this process, for leak tests: GDI handles
// are probed with GetObjectType below 0x40000 (GetGuiResources answers 0
// under Wine); windows are enumerated per thread with their children.
#pragma once

#include <windows.h>

#include <string>

namespace frametest {

struct TLiveObjects {
    int gdi = 0;
    // Of them, regions: Wine keeps the clip region of a destroyed shaped
    // window until its window surface goes, a moment later.
    int regions = 0;
    int windows = 0;
    // Live objects by GetObjectType kind, for the failure message.
    int byType[16] = {};
};

inline std::string Describe(const TLiveObjects& c) {
    static const char* names[16] = {
        "?",      "pen",      "brush", "dc",     "metadc",    "palette",     "font",       "bitmap",
        "region", "metafile", "memdc", "extpen", "enhmetadc", "enhmetafile", "colorspace", "?"};
    std::string text;
    for (int i = 0; i < 16; ++i) {
        if (c.byType[i]) {
            text += std::string(names[i]) + " " + std::to_string(c.byType[i]) + ", ";
        }
    }
    return text + std::to_string(c.windows) + " windows";
}

inline TLiveObjects CountLiveObjects() {
    TLiveObjects counts;
    constexpr uintptr_t HandleLimit = 0x40000;
    for (uintptr_t h = 4; h < HandleLimit; h += 4) {
        if (const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(h))) {
            ++counts.gdi;
            counts.regions += type == OBJ_REGION;
            if (type < 16) {
                ++counts.byType[type];
            }
        }
    }
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* n = reinterpret_cast<int*>(param);
            ++*n;
            EnumChildWindows(
                window,
                [](HWND, LPARAM inner) -> BOOL {
                    ++*reinterpret_cast<int*>(inner);
                    return TRUE;
                },
                param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&counts.windows));
    return counts;
}

} // namespace frametest
