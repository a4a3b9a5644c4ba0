#include "tools/skinview/WindowShot.h"

#include "tools/png/PngWriter.h"
#include "toolkit/Text.h"

#include <fstream>
#include <stdexcept>

namespace skinview {

void PumpMessages(int ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= DWORD(ms)) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(ms) - elapsed, QS_ALLINPUT);
    }
}

void PaintCompletely(HWND window) {
    // Time for the window's last paint to leave the system's window surface.
    constexpr int FlushMs = 150;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    PumpMessages(FlushMs);
}

std::string DescribeWindow(HWND window) {
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -outer.left, -outer.top);
    return "window " + std::to_string(outer.right - outer.left) + " x " +
           std::to_string(outer.bottom - outer.top) + ", client " + std::to_string(client.left) +
           " " + std::to_string(client.top) + " " + std::to_string(client.right) + " " +
           std::to_string(client.bottom);
}

screencapture::TScreenPixels CaptureWindowArea(HWND window) {
    RECT area, screen;
    GetWindowRect(window, &area);
    screen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    screen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (!IntersectRect(&area, &area, &screen)) {
        throw std::runtime_error("the window is not on the screen");
    }
    screencapture::TScreenPixels shot = screencapture::CaptureScreen(area);
    if (shot.pixels.empty()) {
        throw std::runtime_error("no memory for a screen capture");
    }
    return shot;
}

void WritePng(const std::filesystem::path& file, const screencapture::TScreenPixels& shot) {
    const std::vector<uint8_t> bytes = png::Encode(shot.width, shot.height, shot.pixels);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write the screenshot to " + tk::Narrow(file.wstring()));
    }
}

} // namespace skinview
