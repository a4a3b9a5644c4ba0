// The frame's system menu: restore, maximise, minimise and close, drawn by
// the frame (owner-drawn, with the component's MenuGlyphs), or the window's
// native system menu when system menus are not skinned.
#include "WinSkinForm.h"

#include "ShortCut.h"
#include "Text.h"
#include "WinSkinData.h"

#include <iterator>

namespace skin {
namespace {

// Command identifiers of the items: the base plus the item's tag.
constexpr UINT SysMenuCommandBase = 0x5300;
// Owner-drawn metrics: glyph column, padding, minimum row height.
constexpr int GlyphColumn = 22;
constexpr int GlyphSize = 16;
constexpr int ItemPadding = 8;
constexpr int ShortcutGap = 24;
constexpr int MinItemHeight = 20;

struct TSysMenuItem {
    int tag;
    const wchar_t* caption;
    uint8_t needs; // a StyleBit the window must have, or 0
};
constexpr TSysMenuItem SysMenuItems[] = {
    {SysMenuTag::Restore, L" Restore ", 0},
    {SysMenuTag::Maximize, L" Maximize ", StyleBit::MaximizeBox},
    {SysMenuTag::Minimize, L" Minimize ", StyleBit::MinimizeBox},
    {SysMenuTag::Separator, L"-", 0},
    {SysMenuTag::Close, L" Close ", 0},
};

const TSysMenuItem* ItemOfCommand(UINT command) {
    for (const TSysMenuItem& item : SysMenuItems) {
        if (SysMenuCommandBase + UINT(item.tag) == command) {
            return &item;
        }
    }
    return nullptr;
}

// The close item's shortcut, as the menu items of forms store theirs.
constexpr const char* CloseShortcut = "Shift+F4";

std::wstring ShortcutText(int tag) {
    return tag == SysMenuTag::Close
               ? tk::Widen(tk::ShortCutToText(tk::TextToShortCut(CloseShortcut)))
               : std::wstring();
}

} // namespace

tk::OwnedFont SystemMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return tk::OwnedFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

void TWinSkinForm::BuildSysMenu() {
    if (sysMenu_) {
        DestroyMenu(sysMenu_);
    }
    sysMenu_ = CreatePopupMenu();
    for (const TSysMenuItem& item : SysMenuItems) {
        if (item.needs && !(FStyleBits & item.needs)) {
            continue;
        }
        if (item.tag == SysMenuTag::Separator) {
            AppendMenuW(sysMenu_, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(sysMenu_, MF_OWNERDRAW, SysMenuCommandBase + UINT(item.tag),
                        reinterpret_cast<const wchar_t*>(&item));
        }
    }
}

void TWinSkinForm::ShowSysMenu(int x, int y) {
    const auto enable = [&](int tag, bool on) {
        EnableMenuItem(sysMenu_, SysMenuCommandBase + UINT(tag),
                       MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(SysMenuTag::Restore, FShowState != TShowState::Normal);
    enable(SysMenuTag::Maximize, FShowState != TShowState::Maximized);
    enable(SysMenuTag::Minimize, FShowState != TShowState::Minimized);
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
    const UINT command =
        UINT(TrackPopupMenu(sysMenu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, FWindow, nullptr));
    if (const TSysMenuItem* item = ItemOfCommand(command)) {
        OnSysMenuItemClick(item->tag);
    }
}

void TWinSkinForm::OnSysMenuItemClick(int tag) {
    switch (tag) {
    case SysMenuTag::Restore:
        Restore();
        break;
    case SysMenuTag::Maximize:
        ToggleMaximize();
        break;
    case SysMenuTag::Minimize:
        ToggleMinimize();
        break;
    case SysMenuTag::Close:
        SetHoverTimer(false);
        PostMessageW(FWindow, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

// Measuring and drawing of the system menu's items; other owner-drawn items
// pass on.
LRESULT TWinSkinForm::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    const TSysMenuItem* item =
        measure.CtlType == ODT_MENU ? ItemOfCommand(measure.itemID) : nullptr;
    if (!item) {
        return CallDefault(WM_MEASUREITEM, wParam, lParam);
    }
    tk::WindowDC dc = tk::WindowDC::Client(FWindow);
    tk::OwnedFont font = SystemMenuFont();
    tk::SelectedObject selected(dc, font.get());
    SIZE text{}, shortcut{};
    const std::wstring caption = item->caption;
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &text);
    const std::wstring keys = ShortcutText(item->tag);
    if (!keys.empty()) {
        GetTextExtentPoint32W(dc, keys.c_str(), int(keys.size()), &shortcut);
        shortcut.cx += ShortcutGap;
    }
    measure.itemWidth = UINT(GlyphColumn + text.cx + shortcut.cx + ItemPadding);
    measure.itemHeight = UINT(std::max(MinItemHeight, int(text.cy) + ItemPadding / 2));
    return TRUE;
}

LRESULT TWinSkinForm::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const TSysMenuItem* item = draw.CtlType == ODT_MENU ? ItemOfCommand(draw.itemID) : nullptr;
    if (!item) {
        return CallDefault(WM_DRAWITEM, wParam, lParam);
    }
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const TSkinData& skin = *FSkinData;
    tk::OwnedBrush back(CreateSolidBrush(
        ResolveColour(selected && !disabled ? skin.HilightColour : skin.MenuColour)));
    FillRect(draw.hDC, &draw.rcItem, back.get());
    const int height = draw.rcItem.bottom - draw.rcItem.top;
    if (skin.MenuGlyphs()) {
        ImageList_Draw(skin.MenuGlyphs(), item->tag, draw.hDC, draw.rcItem.left + 3,
                       draw.rcItem.top + (height - GlyphSize) / 2, ILD_TRANSPARENT);
    }
    tk::SavedDC saved(draw.hDC);
    tk::OwnedFont font = SystemMenuFont();
    SelectObject(draw.hDC, font.get());
    SetBkMode(draw.hDC, TRANSPARENT);
    const Colour text = disabled   ? skin.ButtonShadowColour
                        : selected ? skin.HilightTextColour
                                   : skin.MenuTextColour;
    SetTextColor(draw.hDC, ResolveColour(text));
    RECT r = draw.rcItem;
    r.left += GlyphColumn;
    r.right -= ItemPadding;
    DrawSkinText(draw.hDC, item->caption, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    const std::wstring keys = ShortcutText(item->tag);
    if (!keys.empty()) {
        DrawSkinText(draw.hDC, keys, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    return TRUE;
}

} // namespace skin
