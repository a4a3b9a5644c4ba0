#include "toolkit/FocusCue.h"

namespace tk {

bool FocusCuesShown(HWND window) {
    return window && (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void DrawFocusCue(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) {
        return;
    }
    // Walks round the edge once, so the dots keep their rhythm at the corners.
    int step = 0;
    const auto dot = [&](int x, int y) {
        if (step++ % 2 == 0) {
            SetPixelV(dc, x, y, colour);
        }
    };
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    for (int x = rect.left; x < right; ++x) {
        dot(x, rect.top);
    }
    for (int y = rect.top; y < bottom; ++y) {
        dot(right, y);
    }
    for (int x = right; x > rect.left; --x) {
        dot(x, bottom);
    }
    for (int y = bottom; y > rect.top; --y) {
        dot(rect.left, y);
    }
}

} // namespace tk
