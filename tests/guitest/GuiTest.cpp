#include "tests/guitest/GuiTest.h"

#include "tools/png/PngWriter.h"
#include "tools/screencapture/ScreenCapture.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <sstream>

namespace guitest {
namespace {

bool DispatchPending() {
    bool any = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        any = true;
    }
    return any;
}

LPARAM PointParam(POINT p) {
    return MAKELPARAM(p.x, p.y);
}

// The deepest enabled, visible child under a screen point, as the system
// chooses the window that receives mouse input.
HWND TargetAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child = ChildWindowFromPointEx(
            window, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
        if (!child || child == window) {
            break;
        }
        window = child;
    }
    return window;
}

std::string TestFileStem() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string stem = info ? std::string(info->test_suite_name()) + "." + info->name() : "capture";
    std::replace(stem.begin(), stem.end(), '/', '_');
    return stem;
}

std::string Hex(uint32_t rgb) {
    char text[16];
    snprintf(text, sizeof text, "#%06X", unsigned(rgb & 0xFFFFFF));
    return text;
}

} // namespace

void PumpUntilIdle(int quietMs, int maxMs) {
    const DWORD start = GetTickCount();
    DWORD lastActivity = start;
    for (;;) {
        if (DispatchPending()) {
            lastActivity = GetTickCount();
        }
        const DWORD now = GetTickCount();
        if (now - lastActivity >= DWORD(quietMs) || now - start >= DWORD(maxMs)) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(int ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < DWORD(ms)) {
        DispatchPending();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void ParkPointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    PumpUntilIdle();
}

void MouseMove(HWND window, POINT client, int quietMs) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, PointParam(client));
    PumpUntilIdle(quietMs);
}

void Click(HWND window, POINT client, int quietMs) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, PointParam(client));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(client));
    PostMessageW(window, WM_LBUTTONUP, 0, PointParam(client));
    PumpUntilIdle(quietMs);
}

HWND MouseMoveScreen(POINT screen) {
    HWND target = TargetAt(screen);
    if (target) {
        POINT client = screen;
        ScreenToClient(target, &client);
        MouseMove(target, client);
    }
    return target;
}

HWND ClickScreen(POINT screen) {
    HWND target = TargetAt(screen);
    if (target) {
        POINT client = screen;
        ScreenToClient(target, &client);
        Click(target, client);
    }
    return target;
}

HWND VisibleDialog() {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (wcscmp(name, L"#32770") == 0 && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
}

bool Capture::SavePng(const std::string& path) const {
    return width > 0 && height > 0 && png::Save(path, width, height, pixels);
}

Capture CaptureScreen(const RECT& screen) {
    screencapture::TScreenPixels shot = screencapture::CaptureScreen(screen);
    Capture capture;
    capture.width = shot.width;
    capture.height = shot.height;
    capture.pixels = std::move(shot.pixels);
    return capture;
}

Capture CaptureWindow(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

Capture CaptureClient(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return CaptureScreen(rect);
}

std::string SaveForTest(const Capture& capture, const std::string& label) {
    const std::string path = TestFileStem() + "-" + label + ".png";
    return capture.SavePng(path) ? path : "(capture could not be saved)";
}

::testing::AssertionResult PixelIs(const Capture& capture, int x, int y, COLORREF expected) {
    if (x < 0 || y < 0 || x >= capture.width || y >= capture.height) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << "," << y << ") lies outside the " << capture.width << "x"
               << capture.height << " capture";
    }
    const uint32_t want = Rgb(expected);
    const uint32_t got = capture.At(x, y);
    if (got == want) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel (" << x << "," << y << ") is " << Hex(got) << ", expected " << Hex(want)
           << "; capture saved as " << SaveForTest(capture, "pixel");
}

::testing::AssertionResult RectIs(const Capture& capture, const RECT& rect, COLORREF expected) {
    const uint32_t want = Rgb(expected);
    if (rect.left < 0 || rect.top < 0 || rect.right > capture.width ||
        rect.bottom > capture.height) {
        return ::testing::AssertionFailure() << "rectangle lies outside the capture";
    }
    int wrong = 0;
    POINT first = {};
    uint32_t firstValue = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (capture.At(x, y) != want && wrong++ == 0) {
                first = {x, y};
                firstValue = capture.At(x, y);
            }
        }
    }
    if (wrong == 0) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream text;
    text << wrong << " pixels differ from " << Hex(want) << " in (" << rect.left << "," << rect.top
         << ")-(" << rect.right << "," << rect.bottom << "), first at (" << first.x << ","
         << first.y << ") = " << Hex(firstValue) << "; capture saved as "
         << SaveForTest(capture, "rect");
    return ::testing::AssertionFailure() << text.str();
}

::testing::AssertionResult SameRect(const Capture& a, const RECT& ra, const Capture& b, POINT at) {
    const int w = ra.right - ra.left;
    const int h = ra.bottom - ra.top;
    if (ra.left < 0 || ra.top < 0 || ra.right > a.width || ra.bottom > a.height || at.x < 0 ||
        at.y < 0 || at.x + w > b.width || at.y + h > b.height) {
        return ::testing::AssertionFailure() << "compared rectangles lie outside the captures";
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (a.At(ra.left + x, ra.top + y) != b.At(at.x + x, at.y + y)) {
                return ::testing::AssertionFailure()
                       << "first difference at offset (" << x << "," << y
                       << "): " << Hex(a.At(ra.left + x, ra.top + y)) << " vs "
                       << Hex(b.At(at.x + x, at.y + y)) << "; captures saved as "
                       << SaveForTest(a, "first") << " and " << SaveForTest(b, "second");
            }
        }
    }
    return ::testing::AssertionSuccess();
}

double MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](FILETIME t) {
        return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

namespace {

constexpr int SelfRunAttempts = 3;

DWORD RunSelfOnce(const std::wstring& arguments) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + self + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code > DWORD(INT_MAX) ? 0 : code;
}

} // namespace

DWORD RunSelf(const std::wstring& arguments) {
    DWORD code = 0;
    for (int attempt = 0; attempt < SelfRunAttempts && code == 0; ++attempt) {
        code = RunSelfOnce(arguments);
    }
    return code;
}

} // namespace guitest
