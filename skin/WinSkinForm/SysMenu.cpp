// The frame's system menu: restore, maximise, minimise and close, drawn by
// the frame (owner-drawn, with the component's MenuGlyphs), or the window's
// native system menu when system menus are not skinned.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinMenu/MenuChar.h"
#include "skin/WinSkinMenu/MenuItemPaint.h"
#include "toolkit/ShortCut.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {
namespace {

// Command identifiers of the items: the base plus the item's tag.
constexpr UINT SysMenuCommandBase = 0x5300;

struct TSysMenuItem {
    int tag;
    const wchar_t* caption;
    uint8_t needs; // a StyleBit the window must have, or 0
};
constexpr TSysMenuItem SysMenuItems[] = {
    {sys_menu_tag::Restore, L" Restore ", 0},
    {sys_menu_tag::Maximize, L" Maximize ", style_bit::MaximizeBox},
    {sys_menu_tag::Minimize, L" Minimize ", style_bit::MinimizeBox},
    {sys_menu_tag::Separator, L"-", 0},
    {sys_menu_tag::Close, L" Close ", 0},
};

const TSysMenuItem* ItemOfCommand(UINT command) {
    for (const TSysMenuItem& item : SysMenuItems) {
        if (SysMenuCommandBase + UINT(item.tag) == command) {
            return &item;
        }
    }
    return nullptr;
}

// The item an owner-drawn message names when it is one of the system menu's
// (its data points into the table).
const TSysMenuItem* OwnerDrawnItem(UINT ctlType, UINT command, ULONG_PTR data) {
    const TSysMenuItem* item = ctlType == ODT_MENU ? ItemOfCommand(command) : nullptr;
    return item && reinterpret_cast<ULONG_PTR>(item) == data ? item : nullptr;
}

// The close item's shortcut, as the menu items of forms store theirs.
constexpr const char* CloseShortcut = "Shift+F4";

} // namespace

tk::OwnedFont SystemMenuFont(bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    if (bold) {
        metrics.lfMenuFont.lfWeight = FW_BOLD;
    }
    return tk::OwnedFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

void TWinSkinForm::BuildSysMenu() {
    sysMenu_.reset(CreatePopupMenu());
    for (const TSysMenuItem& item : SysMenuItems) {
        if (item.needs && !(FStyleBits & item.needs)) {
            continue;
        }
        const UINT separator = item.tag == sys_menu_tag::Separator ? MF_SEPARATOR : 0;
        AppendMenuW(sysMenu_.get(), MF_OWNERDRAW | separator, SysMenuCommandBase + UINT(item.tag),
                    reinterpret_cast<const wchar_t*>(&item));
    }
}

void TWinSkinForm::ShowSysMenu(int x, int y) {
    const auto enable = [&](int tag, bool on) {
        EnableMenuItem(sysMenu_.get(), SysMenuCommandBase + UINT(tag),
                       MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(sys_menu_tag::Restore, FShowState != TShowState::Normal);
    enable(sys_menu_tag::Maximize, FShowState != TShowState::Maximized);
    enable(sys_menu_tag::Minimize, FShowState != TShowState::Minimized);
    const DWORD now = GetTickCount();
    if (now - lastSysMenuTick_ <= dblClickTime_) {
        // A second request within the double-click time: from the icon
        // button, it closes the window.
        if (FHotObject) {
            SetHoverTimer(false);
            PostMessageW(FWindow, WM_CLOSE, 0, 0);
        }
        return;
    }
    lastSysMenuTick_ = now;
    if (!FSkinData->Skins(xcSystemMenu) || IsMdiChild()) {
        TrackPopupMenu(nativeSysMenu_, TPM_RIGHTBUTTON, x, y, 0, FWindow, nullptr);
        return;
    }
    const UINT command = UINT(
        TrackPopupMenu(sysMenu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, FWindow, nullptr));
    if (const TSysMenuItem* item = ItemOfCommand(command)) {
        OnSysMenuItemClick(item->tag);
    }
}

void TWinSkinForm::OnSysMenuItemClick(int tag) {
    switch (tag) {
    case sys_menu_tag::Restore:
        Restore();
        break;
    case sys_menu_tag::Maximize:
        ToggleMaximize();
        break;
    case sys_menu_tag::Minimize:
        ToggleMinimize();
        break;
    case sys_menu_tag::Close:
        SetHoverTimer(false);
        PostMessageW(FWindow, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

// The system menu's item as the item painters see it: the component's
// glyphs, the glyph of its tag, its state in the menu.
TMenuItemView TWinSkinForm::SysMenuItemView(const void* entry) const {
    const auto& item = *static_cast<const TSysMenuItem*>(entry);
    TMenuItemView view;
    view.caption = item.caption;
    if (item.tag == sys_menu_tag::Close) {
        view.shortcut = tk::Widen(tk::ShortCutToText(tk::TextToShortCut(CloseShortcut)));
    }
    const UINT state =
        GetMenuState(sysMenu_.get(), SysMenuCommandBase + UINT(item.tag), MF_BYCOMMAND);
    view.enabled = !(state & (MF_GRAYED | MF_DISABLED));
    view.images = FSkinData->MenuGlyphs();
    view.imageIndex = item.tag;
    view.rightToLeft = FRightToLeft;
    view.menu = sysMenu_.get();
    return view;
}

// The system menu's items are measured and drawn here; the menu bar's
// drop-downs by the menu bar's painters; other owner-drawn items pass on.
LRESULT TWinSkinForm::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    if (MeasureOwnItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return CallDefault(WM_MEASUREITEM, wParam, lParam);
}

bool TWinSkinForm::MeasureOwnItem(MEASUREITEMSTRUCT& measure) {
    if (!SkinsWindow()) {
        return false;
    }
    if (const TSysMenuItem* item =
            OwnerDrawnItem(measure.CtlType, measure.itemID, measure.itemData)) {
        int width = 0, height = 0;
        MeasureViewItem(*FSkinData, SysMenuItemView(item), width, height);
        measure.itemWidth = UINT(std::max(width, 0));
        measure.itemHeight = UINT(std::max(height, 0));
        return true;
    }
    return MeasureMenuBarItem(*this, measure);
}

// The skin draws the items, so the system sees no letters in them: the
// letter is looked up in their captions.
LRESULT TWinSkinForm::OnMenuChar(WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = AnswerMenuChar(reinterpret_cast<HMENU>(lParam), wchar_t(LOWORD(wParam)));
    if (HIWORD(answer) != MNC_IGNORE) {
        return answer;
    }
    return CallDefault(WM_MENUCHAR, wParam, lParam);
}

LRESULT TWinSkinForm::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    if (DrawOwnItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return CallDefault(WM_DRAWITEM, wParam, lParam);
}

bool TWinSkinForm::DrawOwnItem(const DRAWITEMSTRUCT& draw) {
    if (!SkinsWindow()) {
        return false;
    }
    if (const TSysMenuItem* item = OwnerDrawnItem(draw.CtlType, draw.itemID, draw.itemData)) {
        DrawSkinnedItem(*FSkinData, SysMenuItemView(item), draw.hDC,
                        (draw.itemState & ODS_SELECTED) != 0, draw.rcItem);
        return true;
    }
    return DrawMenuBarItem(*this, draw);
}

} // namespace skin
