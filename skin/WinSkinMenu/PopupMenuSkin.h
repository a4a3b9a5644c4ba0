// TWinSkinPopMenu: one per system popup-menu window ("#32768") the skin
// manager skins, from the window's creation to its destruction. The window
// gets the skin's MenuBackground as its background and frame: the element
// rendered at the window's size, whose outer ring is painted over the
// system's menu frame and whose inside the owner-drawn items copy under
// themselves (MenuItemPaint.h).
//
// Where the ring and the items lie is read from the window itself: on some
// systems the frame is the window's non-client area and items start at the
// client origin, on others the window has no non-client area and the system
// draws the frame inside the client area, items starting inside it.
//
// Error policy: nothing throws out of the window procedure; without a
// MenuBackground element the window paints itself.
#pragma once

#include "Dib.h"
#include "WindowSubclass.h"

#include <windows.h>

namespace skin {

class TSkinData;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    // Subclasses the window; `menu` may be none (learned from the window).
    void Attach(HWND window, const TSkinData& skin, HMENU menu);
    // Restores the window's procedure (when still subclassed).
    void Detach();
    HWND Window() const { return FWindow; }
    // The menu the window shows; asked of the window until known.
    HMENU Menu();
    // The MenuBackground element at the window's size (empty without one),
    // and where the window's client origin lies on it: items are placed in
    // client coordinates.
    const TDib& Background();
    POINT ClientOrigin() const;

    // The width of the frame ring (the system's popup menu frame).
    static constexpr int FrameWidth = 3;

private:
    LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    bool HasBackground() const;
    void PaintPopupFrame(HDC windowDC);
    LRESULT PrintPopup(WPARAM wParam, LPARAM lParam);

    tk::WindowSubclass subclass_;
    HWND FWindow = nullptr;
    const TSkinData* FSkinData = nullptr;
    TDib FBackground;
    HMENU FMenu = nullptr;
};

} // namespace skin
