// TWinSkinMenu: a skinned window's menu bar. The frame takes the native menu
// off the window and reserves the bar's height below the title; the bar is
// painted from the skin's MenuBar element with one button (TMenuBtn) per
// top-level item, built from the form's main menu (or the window's native
// menu). A click drops the button's submenu down with TrackPopupMenu; while
// it is open a message-filter hook moves between the bar's menus with the
// arrow keys and the mouse, as a native menu bar would, and the drop-down's
// items are owner-drawn from the skin (MenuItemPaint.h).
//
// Error policy: nothing throws out of painting or the message-filter hook; a
// failed paint leaves the bar as it was, and the tracking state and the hook
// are given up on every way out of a drop-down.
#pragma once

#include "skin/WinSkinForm/WinSkinForm.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {
class MainMenu;
class MenuItem;
} // namespace tk

namespace skin {

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& frame, const TSkinData& skin, int index)
        : TNCObject(frame), FSkinData(skin), FIndex(index) {}
    // Hover and press feedback straight onto the window: the bar under the
    // button as last painted, a frame around it when hot or pressed, the
    // caption.
    void Paint() override;

    tk::MenuItem* FItem = nullptr;
    const TSkinData& FSkinData;
    int FIndex;
    std::wstring FCaption;
    bool FEnabled = true;
    HMENU FSubMenu = nullptr;
    UINT FCommand = 0;
};

class TWinSkinMenu : public TFrameMenuBar {
public:
    TWinSkinMenu(TWinSkinForm& frame, const TSkinData& skin);
    ~TWinSkinMenu() override;

    // Button indices that stand for no button: none current, no neighbour to
    // open next; and the answer of a button without a drop-down.
    static constexpr int NoButton = -1;
    static constexpr int NoDropDown = -2;

    void BuildFromForm() override;
    void RebuildFromForm() override;
    void BuildFromNative(HMENU menu) override;
    bool FormMenuChanged(bool follow) override;
    void PaintBar(HDC dc, const RECT& rect) override;
    TNCObject* MenuButtonAt(POINT point) override;
    bool OpenMenuButton(TNCObject& button) override;
    void PostMenuClick(TNCObject& button) override;
    TNCObject* FindAccelerator(wchar_t key) override;
    TNCObject* FirstButton() override;
    HMENU NativeMenu() const override { return FNativeMenu; }

    // The bar lays its buttons out from the right: the form's menu says so,
    // or (without one) the window's layout.
    bool RightToLeft() const;
    // The message-filter hook's work on one message of the open drop-down.
    void OnMenuMessage(MSG& msg);

    std::vector<std::unique_ptr<TMenuBtn>> FButtons;
    tk::MainMenu* FMenu = nullptr;
    // The bar in window coordinates at the last paint, and its background
    // as painted then, without captions (single buttons repaint from it).
    RECT FBarRect{};
    TDib FBarBitmap;
    const TSkinData& FSkinData;
    TWinSkinForm& FFrame;
    HMENU FNativeMenu = nullptr;

private:
    void ClearButtons();
    TMenuBtn& AddButton();
    void AddFormButton(tk::MenuItem& item);
    void AddNativeButton(int position);
    void TakeMenuOff();
    void PaintMdiButtons(HDC bar, const RECT& rect);
    // The drop-down of button `index`, once, after the item's own click when
    // `clicked`; the index of the neighbour to open next, NoButton, or
    // NoDropDown when the button has none.
    int TrackButton(int index, bool clicked);
    // The next button shown `step` away from `index`, round the bar.
    TMenuBtn* Neighbour(int index, int step);
    // Moving onto a button opens its drop-down when it has an enabled one.
    static bool DropsDown(const TMenuBtn& button);
    // The bar in menu mode with button `index` highlighted and no menu open
    // (moved onto from a drop-down): the arrow keys and the pointer move
    // on, Enter and a click run a command item, Escape, Alt and a click
    // elsewhere leave. Answers the button to open next, or NoButton.
    int HoldHighlight(int index);
    // The drop-down's messages while it is open (OnMenuMessage).
    void SelectFirstItem(HWND window);
    TMenuBtn* OnMenuKeyDown(WPARAM key);
    void OnMenuSysKeyDown(WPARAM key);
    TMenuBtn* OnMenuMouseMove(POINT cursor);
    void OpenInstead(TMenuBtn* target);
};

// The bar's caption cell: the text centred in `rect`, in `colour`, or in the
// system's shadow colour when disabled.
void DrawMenuCaption(HDC dc, const RECT& rect, const std::wstring& text, bool enabled,
                     COLORREF colour);

} // namespace skin
