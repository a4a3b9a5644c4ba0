#include "tools/skinview/MenuShot.h"

#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace skinview {
namespace {

// How often the open menu is looked at, how many looks in a row must find
// it drawn, and how long it may take to open.
constexpr UINT LookMs = 50;
constexpr int SettledLooks = 3;
constexpr DWORD OpenTimeoutMs = 5000;

// The capture in progress; the timer's callback has no other way to it.
struct TMenuCapture {
    HWND window = nullptr;
    HMENU menu = nullptr;
    int settled = 0;
    DWORD deadline = 0;
    screencapture::TScreenPixels shot;
};
TMenuCapture* Current = nullptr;

bool FirstItemSelected(HMENU menu) {
    return (GetMenuState(menu, 0, MF_BYPOSITION) & MF_HILITE) != 0;
}

// The window and every open menu, cut to the screen.
RECT AreaWithMenus(HWND window, const std::vector<HWND>& popups) {
    RECT area;
    GetWindowRect(window, &area);
    for (HWND popup : popups) {
        RECT r;
        GetWindowRect(popup, &r);
        UnionRect(&area, &area, &r);
    }
    const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    IntersectRect(&area, &area, &screen);
    return area;
}

// Runs inside the menu's own loop: once the drop-down has shown its first
// item selected for a few looks in a row, the screen is read and the menu
// closed.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD) {
    TMenuCapture& c = *Current;
    const std::vector<HWND> popups = skin::OpenPopupMenuWindows();
    const bool shown = !popups.empty() && skin::MenuOfPopupWindow(popups.front()) == c.menu &&
                       FirstItemSelected(c.menu);
    c.settled = shown ? c.settled + 1 : 0;
    if (c.settled >= SettledLooks) {
        GdiFlush();
        c.shot = screencapture::CaptureScreen(AreaWithMenus(c.window, popups));
    }
    if ((c.settled >= SettledLooks || GetTickCount() > c.deadline) && !popups.empty()) {
        EndMenu();
    }
}

skin::TMenuBtn& BarButton(HWND window, int number) {
    skin::TWinSkinForm* frame = skin::SkinManager ? skin::SkinManager->FindFrame(window) : nullptr;
    auto* bar = frame ? dynamic_cast<skin::TWinSkinMenu*>(frame->FMenuBar.get()) : nullptr;
    if (!bar) {
        throw std::runtime_error("--open-menu: the window has no skinned menu bar");
    }
    if (number < 1 || size_t(number) > bar->FButtons.size()) {
        throw std::runtime_error("--open-menu: the menu bar has " +
                                 std::to_string(bar->FButtons.size()) + " menus, not " +
                                 std::to_string(number));
    }
    skin::TMenuBtn& button = *bar->FButtons[size_t(number) - 1];
    if (!button.FSubMenu || !button.FEnabled || IsRectEmpty(&button.FRect)) {
        throw std::runtime_error("--open-menu: menu " + std::to_string(number) +
                                 " drops nothing down");
    }
    return button;
}

} // namespace

screencapture::TScreenPixels CaptureOpenMenu(HWND window, int number) {
    const skin::TMenuBtn& button = BarButton(window, number);
    TMenuCapture capture{window, button.FSubMenu, 0, GetTickCount() + OpenTimeoutMs, {}};
    Current = &capture;
    const UINT_PTR timer = SetTimer(nullptr, 0, LookMs, LookAtMenu);
    RECT outer;
    GetWindowRect(window, &outer);
    const POINT at{outer.left + (button.FRect.left + button.FRect.right) / 2,
                   outer.top + (button.FRect.top + button.FRect.bottom) / 2};
    // Returns when the drop-down has closed again.
    SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
    KillTimer(nullptr, timer);
    Current = nullptr;
    if (capture.shot.pixels.empty()) {
        throw std::runtime_error("--open-menu: menu " + std::to_string(number) + " did not open");
    }
    return std::move(capture.shot);
}

} // namespace skinview
