// A drop-down of the menu bar as a native menu bar's: the submenu opens with
// its first item selected; while it is open a WH_MSGFILTER hook watches the
// menu's own message loop and moves to the neighbouring menu on Left and
// Right (mirrored for a right-to-left bar) and when the mouse moves onto
// another button. Moving closes the open drop-down (EndMenu) and opens the
// next one once TrackPopupMenu has returned, so one drop-down is open at a
// time and the hook is always removed before the next is installed.
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include "skin/WinSkinMenu/DropDownPlace.h"
#include "skin/WinSkinMenu/ItemMessagesAhead.h"
#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSubClass/EngineTrace.h"

#include <algorithm>
#include <vector>

namespace skin {
namespace {

// What the hook knows about the thread's drop-down open now (one at a time).
struct TTracking {
    HHOOK MenuHook = nullptr;
    TWinSkinMenu* trackingBar = nullptr;
    int CurrentIndex = TWinSkinMenu::NoButton;
    bool FirstKeyPosted = false;
    bool Switching = false;
    POINT LastCursor{};
    // The neighbour to open once the open drop-down has closed, or NoButton.
    int switchTo = TWinSkinMenu::NoButton;
};

TTracking& Tracking() {
    thread_local TTracking tracking;
    return tracking;
}

LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    TTracking& t = Tracking();
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_MENU && t.trackingBar && msg && msg->message == WM_KEYDOWN &&
        t.trackingBar->RightToLeft()) {
        if (msg->wParam == VK_LEFT) {
            msg->wParam = VK_RIGHT;
        } else if (msg->wParam == VK_RIGHT) {
            msg->wParam = VK_LEFT;
        }
    }
    const LRESULT result = CallNextHookEx(t.MenuHook, code, wParam, lParam);
    if (result == 0 && code == MSGF_MENU && t.trackingBar && msg) {
        try {
            t.trackingBar->OnMenuMessage(*msg);
        } catch (...) {
            // The menu goes on as the system runs it.
        }
    }
    return result;
}

// The hook for the time one drop-down is open.
class TFilterHook {
public:
    TFilterHook() {
        TTracking& t = Tracking();
        t.Switching = false;
        t.FirstKeyPosted = false;
        GetCursorPos(&t.LastCursor);
        if (!t.MenuHook) {
            t.MenuHook =
                SetWindowsHookExW(WH_MSGFILTER, MenuFilterHook, nullptr, GetCurrentThreadId());
        }
    }
    TFilterHook(const TFilterHook&) = delete;
    TFilterHook& operator=(const TFilterHook&) = delete;
    ~TFilterHook() {
        TTracking& t = Tracking();
        if (t.MenuHook) {
            UnhookWindowsHookEx(t.MenuHook);
            t.MenuHook = nullptr;
        }
        t.CurrentIndex = TWinSkinMenu::NoButton;
        t.FirstKeyPosted = false;
        t.trackingBar = nullptr;
    }
};

// The drop-down's items are drawn by the skin while it is open; the ones
// that were not owner-drawn become plain items again when it closes. The
// skin finds an item it draws by its command, so a submenu's item that
// shares its command with another item of its menu (an extended menu
// resource gives its submenus 0, as its separators have) carries its
// submenu's handle as its command meanwhile; a submenu's item sends no
// command, so the program never sees the stand-in.
class TOwnerDrawnItems {
public:
    explicit TOwnerDrawnItems(HMENU menu) { Take(menu); }
    TOwnerDrawnItems(const TOwnerDrawnItems&) = delete;
    TOwnerDrawnItems& operator=(const TOwnerDrawnItems&) = delete;
    ~TOwnerDrawnItems() {
        for (const auto& [menu, position] : taken_) {
            SetOwnerDrawn(menu, position, false);
        }
        for (const TRenamed& renamed : renamed_) {
            SetCommand(renamed.menu, renamed.position, renamed.command);
        }
    }

private:
    struct TRenamed {
        HMENU menu;
        UINT position;
        UINT command;
    };

    static void SetOwnerDrawn(HMENU menu, UINT position, bool on) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoW(menu, position, TRUE, &info)) {
            // A bitmap item keeps its bitmap (hbmpItem) but cannot be set
            // with the bitmap type among its others.
            info.fType = on ? (info.fType & ~UINT(MFT_BITMAP)) | MFT_OWNERDRAW
                            : info.fType & ~UINT(MFT_OWNERDRAW);
            SetMenuItemInfoW(menu, position, TRUE, &info);
        }
    }
    static void SetCommand(HMENU menu, UINT position, UINT command) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        info.wID = command;
        SetMenuItemInfoW(menu, position, TRUE, &info);
    }
    static std::vector<UINT> Commands(HMENU menu) {
        std::vector<UINT> commands;
        for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID;
            commands.push_back(GetMenuItemInfoW(menu, UINT(i), TRUE, &info) ? info.wID : 0);
        }
        return commands;
    }
    void Take(HMENU menu) {
        const std::vector<UINT> commands = Commands(menu);
        for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_ID;
            if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) {
                continue;
            }
            if (info.hSubMenu && std::count(commands.begin(), commands.end(), info.wID) > 1) {
                SetCommand(menu, UINT(i), UINT(reinterpret_cast<UINT_PTR>(info.hSubMenu)));
                renamed_.push_back({menu, UINT(i), info.wID});
            }
            if (!(info.fType & MFT_OWNERDRAW)) {
                SetOwnerDrawn(menu, UINT(i), true);
                taken_.emplace_back(menu, UINT(i));
            }
            if (info.hSubMenu) {
                Take(info.hSubMenu);
            }
        }
    }
    std::vector<std::pair<HMENU, UINT>> taken_;
    std::vector<TRenamed> renamed_;
};

// The drop-down's state as the arrow keys see it: whether a submenu of it
// is open, and whether the item selected in the innermost menu opens one.
struct TDropDownState {
    bool inSubmenu = false;
    bool onSubmenuItem = false;
};

TDropDownState ReadDropDownState() {
    TDropDownState state;
    const std::vector<HWND> windows = OpenPopupMenuWindows();
    if (windows.empty()) {
        return state;
    }
    state.inSubmenu = windows.size() > 1;
    const HMENU menu = MenuOfPopupWindow(windows.front());
    for (int i = 0, count = menu ? GetMenuItemCount(menu) : 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_SUBMENU;
        if (GetMenuItemInfoW(menu, UINT(i), TRUE, &info) && (info.fState & MFS_HILITE)) {
            state.onSubmenuItem = info.hSubMenu != nullptr;
            break;
        }
    }
    return state;
}

} // namespace

TMenuBtn* TWinSkinMenu::Neighbour(int index, int step) {
    const int count = int(FButtons.size());
    for (int i = 1; i <= count; ++i) {
        const int at = ((index + i * step) % count + count) % count;
        TMenuBtn& button = *FButtons[size_t(at)];
        if (button.FVisible && !button.FCaption.empty()) {
            return &button;
        }
    }
    return nullptr;
}

bool TWinSkinMenu::DropsDown(const TMenuBtn& button) {
    return button.FSubMenu && button.FEnabled;
}

void TWinSkinMenu::OnMenuMessage(MSG& msg) {
    SKIN_TRACE_MESSAGE("TWinSkinMenu", msg.hwnd, msg.message);
    SelectFirstItem(msg.hwnd);
    switch (msg.message) {
    case WM_KEYDOWN:
        return OpenInstead(OnMenuKeyDown(msg.wParam));
    case WM_SYSKEYDOWN:
        return OnMenuSysKeyDown(msg.wParam);
    case WM_MOUSEMOVE:
        return OpenInstead(OnMenuMouseMove(msg.pt));
    default:
        return;
    }
}

// The drop-down opens with its first item selected.
void TWinSkinMenu::SelectFirstItem(HWND window) {
    TTracking& t = Tracking();
    if (!t.FirstKeyPosted) {
        t.FirstKeyPosted = true;
        PostMessageW(window ? window : FFrame.FWindow, WM_KEYDOWN, VK_DOWN, 0);
    }
}

// Enter and Escape end the switching between buttons; Left and Right move to
// the neighbouring button where the drop-down has no submenu to enter or
// leave. Answers the button to open instead, or none.
TMenuBtn* TWinSkinMenu::OnMenuKeyDown(WPARAM key) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        Tracking().Switching = false;
    } else if (key == VK_LEFT && !ReadDropDownState().inSubmenu) {
        return Neighbour(Tracking().CurrentIndex, -1);
    } else if (key == VK_RIGHT && !ReadDropDownState().onSubmenuItem) {
        return Neighbour(Tracking().CurrentIndex, +1);
    }
    return nullptr;
}

// Alt pressed in the drop-down closes it and leaves the bar.
void TWinSkinMenu::OnMenuSysKeyDown(WPARAM key) {
    if (key == VK_MENU) {
        FFrame.FMenuTracking = false;
    }
}

// The pointer moved onto another button of the bar (a real move only).
TMenuBtn* TWinSkinMenu::OnMenuMouseMove(POINT cursor) {
    TTracking& t = Tracking();
    if (cursor.x == t.LastCursor.x && cursor.y == t.LastCursor.y) {
        return nullptr;
    }
    t.LastCursor = cursor;
    // The pointer is over the open menus, whatever lies under them.
    for (const HWND popup : OpenPopupMenuWindows()) {
        RECT r{};
        if (GetWindowRect(popup, &r) && PtInRect(&r, cursor)) {
            return nullptr;
        }
    }
    return static_cast<TMenuBtn*>(MenuButtonAt(FFrame.ScreenToFrame(cursor)));
}

void TWinSkinMenu::OpenInstead(TMenuBtn* target) {
    TTracking& t = Tracking();
    if (target && target->FIndex != t.CurrentIndex) {
        t.Switching = true;
        PostMenuClick(*target);
    }
}

// While a drop-down of this bar is open, the click becomes the switch to
// `button` once it has closed; otherwise a non-client click on the button is
// posted to the window.
void TWinSkinMenu::PostMenuClick(TNCObject& object) {
    auto& button = static_cast<TMenuBtn&>(object);
    TTracking& t = Tracking();
    if (t.trackingBar == this) {
        t.switchTo = button.FIndex;
        EndMenu();
        return;
    }
    GetWindowRect(FFrame.FWindow, &FFrame.FWindowRect);
    const POINT at{FFrame.FWindowRect.left + button.FRect.left + 1,
                   FFrame.FWindowRect.top + button.FRect.top + 1};
    PostMessageW(FFrame.FWindow, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
}

// The clicked button's command and drop-down; then, for as long as the
// user moves across the bar, the drop-down of each button moved onto, or
// the highlight of one without (moving runs no command).
bool TWinSkinMenu::OpenMenuButton(TNCObject& object) {
    int index = static_cast<TMenuBtn&>(object).FIndex;
    bool clicked = true;
    bool opened = false;
    while (index >= 0 && index < int(FButtons.size())) {
        int next = NoButton;
        if (clicked || DropsDown(*FButtons[size_t(index)])) {
            next = TrackButton(index, clicked);
            opened = opened || next != NoDropDown;
        } else {
            next = HoldHighlight(index);
        }
        if (next < 0 || next >= int(FButtons.size())) {
            break;
        }
        index = next;
        clicked = false;
        FButtons[size_t(index)]->Press();
    }
    return opened;
}

// The click of the item (when clicked), then its submenu dropped down below
// the button until it closes. Answers the neighbour to open next, NoButton
// for none, and NoDropDown when the button has no submenu.
int TWinSkinMenu::TrackButton(int index, bool clicked) {
    TMenuBtn& button = *FButtons[size_t(index)];
    // The top-level item's command, disabled or not (the toolkit runs no
    // click of a disabled item). A native item with a submenu has no command
    // of its own: its identifier is the submenu's handle.
    if (clicked && (button.FItem || !button.FSubMenu)) {
        PostMessageW(FFrame.FWindow, WM_COMMAND, button.FCommand, 0);
    }
    if (!button.FSubMenu) {
        return NoDropDown;
    }
    const HMENU subMenu = button.FSubMenu;
    const bool enabled = button.FEnabled;
    const RECT place = button.FRect;
    TTracking& t = Tracking();
    t.switchTo = NoButton;
    {
        TOwnerDrawnItems ownerDrawn(subMenu);
        TFilterHook hook;
        t.CurrentIndex = index;
        t.trackingBar = this;
        GetWindowRect(FFrame.FWindow, &FFrame.FWindowRect);
        FFrame.FMenuTracking = true;
        FFrame.FDropDownMenu = subMenu;
        const TItemMessagesAhead itemsAhead(FFrame);
        if (SkinManager) {
            SkinManager->SetMenuBarTracking(true);
        }
        if (enabled) {
            const bool mirrored = RightToLeft();
            const int x = FFrame.FWindowRect.left + (mirrored ? place.right : place.left);
            // Where it does not fit below, the drop-down opens above its
            // button, never over it.
            TPMPARAMS exclude{};
            exclude.cbSize = sizeof(exclude);
            exclude.rcExclude = place;
            OffsetRect(&exclude.rcExclude, FFrame.FWindowRect.left, FFrame.FWindowRect.top);
            const TDropDownExclusion keepOff(exclude.rcExclude);
            TrackPopupMenuEx(subMenu,
                             TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_VERTICAL |
                                 (mirrored ? TPM_RIGHTALIGN : TPM_LEFTALIGN),
                             x, FFrame.FWindowRect.top + place.bottom, FFrame.FWindow, &exclude);
        }
    }
    FFrame.FMenuTracking = false;
    FFrame.FDropDownMenu = nullptr;
    // The buttons may have been built again while the menu was open.
    if (index < int(FButtons.size()) && FFrame.FHotObject == FButtons[size_t(index)].get()) {
        FFrame.FHotObject->Leave();
    }
    const int next = t.switchTo;
    t.switchTo = NoButton;
    return next;
}

} // namespace skin
