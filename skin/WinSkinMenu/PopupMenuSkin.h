// TWinSkinPopMenu: one per system popup-menu window ("#32768") the skin
// manager skins, from the window's creation to its destruction. The window
// gets the skin's MenuBackground as its background and frame: the element
// rendered at the window's size (kept by the engine's menu looks for the
// next opening, MenuLooks.h), whose outer ring is painted over the system's
// menu frame and whose inside the owner-drawn items copy under themselves
// (MenuItemPaint.h).
//
// Where the ring and the items lie is read from the window itself: on some
// systems the frame is the window's non-client area and items start at the
// client origin, on others the window has no non-client area and the system
// draws the frame inside the client area, items starting inside it.
//
// A menu that nobody draws for the skin (no toolkit items, none owner-drawn:
// an edit control's own context menu) is lent owner drawing for the window's
// life (LentOwnerDraw.h), so its items come from the skin's MenuItem too.
//
// Error policy: nothing throws out of the window procedure; without a
// MenuBackground element the window paints itself.
#pragma once

#include "skin/WinSkinMenu/LentOwnerDraw.h"
#include "skin/WinSkinMenu/ReplacedProcedure.h"

#include <windows.h>

#include <vector>

namespace skin {

class TDataSkinObject;
class TRenderedCell;
class TSkinData;

// The thread's popup-menu windows on screen, the newest (topmost) first, and
// the menu one shows.
std::vector<HWND> OpenPopupMenuWindows();
HMENU MenuOfPopupWindow(HWND popup);

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    // Takes the window's messages (ReplacedProcedure.h); `menu` may be none
    // (learned from the window).
    void Attach(HWND window, const TSkinData& skin, HMENU menu);
    // Gives the window its own procedure back (when still taken).
    void Detach();
    HWND Window() const { return FWindow; }
    // The menu the window shows; asked of the window until known.
    HMENU Menu();
    // The MenuBackground element at the window's size, kept by the engine's
    // menu looks; none without one.
    TRenderedCell* Background();
    // A surface to compose the item at `rect` (client coordinates) on, with
    // the window's background under it at (0, 0). None without a background.
    HDC ItemSurface(HDC reference, const RECT& rect);
    // The MenuItem element's cell rendered at an item's size and put at the
    // origin of `target` (colour-keyed when the element is). False when the
    // cell cannot be rendered.
    bool PutItemFace(HDC target, const TDataSkinObject& element, int width, int height, int cell);

    // The width of the frame ring (the system's popup menu frame).
    static constexpr int FrameWidth = 3;

private:
    LRESULT PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    using TPaintHandler = LRESULT (TWinSkinPopMenu::*)(WPARAM wParam, LPARAM lParam);
    LRESULT SkinPainted(TPaintHandler handler, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    // The window was created for its menu: the items are lent owner drawing
    // when nobody draws them.
    void Created(const CREATESTRUCTW& create);
    bool HasBackground() const;
    void PaintPopupFrame(HDC windowDC);
    LRESULT PrintPopup(WPARAM wParam, LPARAM lParam);

    TReplacedProcedure procedure_;
    HWND FWindow = nullptr;
    const TSkinData* FSkinData = nullptr;
    HMENU FMenu = nullptr;
    TLentOwnerDraw lent_;
};

} // namespace skin
