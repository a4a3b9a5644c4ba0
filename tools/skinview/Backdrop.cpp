#include "tools/skinview/Backdrop.h"

#include "skin/WinSkinData/SkinCodes.h"

#include <stdexcept>

namespace skinview {
namespace {

constexpr wchar_t ClassName[] = L"SkinViewBackdrop";

void RegisterBackdropClass(WNDPROC procedure) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), ClassName, &cls)) {
        return;
    }
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = ClassName;
    if (!RegisterClassExW(&cls)) {
        throw std::runtime_error("cannot register the backdrop's window class");
    }
}

} // namespace

TBackdrop::TBackdrop() : brush_(CreateSolidBrush(BackdropColour)) {
    RegisterBackdropClass(&WindowProc);
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"skinview backdrop", WS_POPUP, x, y, w,
                              h, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) {
        throw std::runtime_error("cannot create the backdrop window");
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush_.get()));
    SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

TBackdrop::~TBackdrop() {
    if (window_) {
        DestroyWindow(window_);
    }
}

void TBackdrop::ActivateBehind(HWND front) {
    SetActiveWindow(window_);
    SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CALLBACK TBackdrop::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case skin::WM_SKINQUERY:
        // As a window that has a frame already: the engine leaves it alone.
        return skin::SkinQueryAnswer;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 reinterpret_cast<HBRUSH>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 1;
    }
    default:
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

} // namespace skinview
