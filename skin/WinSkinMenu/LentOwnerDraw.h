// Owner drawing lent to a native popup menu that nobody draws for the skin:
// a menu without toolkit items whose owner is not a skinned frame's drop-down
// (an edit control's own context menu, a program's TrackPopupMenu of a plain
// menu). While its popup window lives, its plain text items and separators
// become owner-drawn and the menu's owner window is given a layer that
// measures and draws them from the skin; both are given back when the window
// goes. Items of other menus pass through the layer untouched.
//
// Error policy: nothing throws out of the owner's layer; an item that cannot
// be read draws as the system would.
#pragma once

#include "toolkit/win32/WindowSubclass.h"

#include <windows.h>

#include <vector>

namespace skin {

class TSkinData;

class TLentOwnerDraw {
public:
    TLentOwnerDraw() = default;
    TLentOwnerDraw(const TLentOwnerDraw&) = delete;
    TLentOwnerDraw& operator=(const TLentOwnerDraw&) = delete;
    ~TLentOwnerDraw() { GiveBack(); }

    // Takes the menu's plain items over when the menu has neither toolkit
    // nor owner-drawn items and is no window's system menu; `owner` is the
    // window the system sends their measure and draw messages to.
    void Lend(HMENU menu, HWND owner, const TSkinData& skin);
    // The items' own types again and the owner's layer off.
    void GiveBack();
    bool Lent() const { return !items_.empty(); }

private:
    LRESULT OwnerProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Each answers whether the item was a lent one (and is now measured or
    // drawn).
    using TItemHandler = bool (TLentOwnerDraw::*)(LPARAM lParam);
    LRESULT Guarded(TItemHandler handler, UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnMeasureItem(LPARAM lParam);
    bool OnDrawItem(LPARAM lParam);
    // The lent item a measure or draw message names, by command.
    bool IsLentItem(UINT command) const;

    tk::WindowSubclass owner_;
    const TSkinData* skin_ = nullptr;
    HMENU menu_ = nullptr;
    // Positions of the items made owner-drawn, and their commands.
    std::vector<UINT> items_;
    std::vector<UINT> commands_;
};

} // namespace skin
