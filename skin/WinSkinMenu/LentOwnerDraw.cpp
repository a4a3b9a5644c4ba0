#include "skin/WinSkinMenu/LentOwnerDraw.h"

#include "skin/WinSkinMenu/MenuChar.h"
#include "skin/WinSkinMenu/MenuItemPaint.h"
#include "toolkit/Menus.h"
#include "skin/WinSubClass/EngineTrace.h"

#include <algorithm>

namespace skin {
namespace {

MENUITEMINFOW ReadItem(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) {
        info.fType = MFT_OWNERDRAW; // unreadable: left alone
    }
    return info;
}

void SetType(HMENU menu, UINT position, UINT type) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = type;
    SetMenuItemInfoW(menu, position, TRUE, &info);
}

bool IsToolkitItem(const MENUITEMINFOW& info) {
    const tk::MenuItem* item = tk::MenuItem::FromCommand(info.wID);
    return item && reinterpret_cast<ULONG_PTR>(item) == info.dwItemData;
}

} // namespace

void TLentOwnerDraw::Lend(HMENU menu, HWND owner, const TSkinData& skin) {
    // A window's native system menu follows the skin's own option for it.
    if (!menu || !owner || GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != NoSuchItem) {
        return;
    }
    const int count = GetMenuItemCount(menu);
    std::vector<MENUITEMINFOW> read;
    for (int i = 0; i < count; ++i) {
        read.push_back(ReadItem(menu, UINT(i)));
        // A menu someone draws already (or the toolkit's) stays as it is.
        if ((read.back().fType & MFT_OWNERDRAW) || IsToolkitItem(read.back())) {
            return;
        }
    }
    for (int i = 0; i < count; ++i) {
        // Only text items and separators: pictures keep the system's drawing.
        if (read[size_t(i)].fType & MFT_BITMAP) {
            continue;
        }
        SetType(menu, UINT(i), read[size_t(i)].fType | MFT_OWNERDRAW);
        items_.push_back(UINT(i));
        commands_.push_back(read[size_t(i)].wID);
    }
    if (items_.empty()) {
        return;
    }
    menu_ = menu;
    skin_ = &skin;
    owner_.Install(owner, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return OwnerProc(msg, wParam, lParam);
    });
}

void TLentOwnerDraw::GiveBack() {
    if (IsMenu(menu_)) {
        for (UINT position : items_) {
            SetType(menu_, position, ReadItem(menu_, position).fType & ~UINT(MFT_OWNERDRAW));
        }
    }
    items_.clear();
    commands_.clear();
    menu_ = nullptr;
    owner_.Remove();
}

bool TLentOwnerDraw::IsLentItem(UINT command) const {
    return std::find(commands_.begin(), commands_.end(), command) != commands_.end() &&
           GetMenuState(menu_, command, MF_BYCOMMAND) != NoSuchItem;
}

LRESULT TLentOwnerDraw::OwnerProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    SKIN_TRACE_MESSAGE("TLentOwnerDraw", owner_.Window(), msg);
    switch (msg) {
    case WM_MEASUREITEM:
        return Guarded(&TLentOwnerDraw::OnMeasureItem, msg, wParam, lParam);
    case WM_DRAWITEM:
        return Guarded(&TLentOwnerDraw::OnDrawItem, msg, wParam, lParam);
    case WM_MENUCHAR:
        // The lent items' letters, which the system no longer sees.
        if (reinterpret_cast<HMENU>(lParam) == menu_) {
            const LRESULT answer = AnswerMenuChar(menu_, wchar_t(LOWORD(wParam)));
            if (HIWORD(answer) != MNC_IGNORE) {
                return answer;
            }
        }
        return owner_.CallNext(msg, wParam, lParam);
    default:
        return owner_.CallNext(msg, wParam, lParam);
    }
}

// A lent item's message is answered here; any other goes on to the owner. A
// failure leaves the system's drawing of an owner-drawn item: nothing, then
// the next paint.
LRESULT TLentOwnerDraw::Guarded(TItemHandler handler, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        if ((this->*handler)(lParam)) {
            return TRUE;
        }
    } catch (...) {
        // drawn by nobody this time
    }
    return owner_.CallNext(msg, wParam, lParam);
}

bool TLentOwnerDraw::OnMeasureItem(LPARAM lParam) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure.CtlType != ODT_MENU || !IsLentItem(measure.itemID)) {
        return false;
    }
    int width = 0, height = 0;
    MeasureViewItem(*skin_, ViewOfNativeItem(menu_, measure.itemID), width, height);
    measure.itemWidth = UINT(std::max(width, 0));
    measure.itemHeight = UINT(std::max(height, 0));
    return true;
}

bool TLentOwnerDraw::OnDrawItem(LPARAM lParam) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw.CtlType != ODT_MENU || reinterpret_cast<HMENU>(draw.hwndItem) != menu_ ||
        !IsLentItem(draw.itemID)) {
        return false;
    }
    DrawNativeItem(*skin_, ViewOfNativeItem(menu_, draw.itemID), draw.hDC,
                   (draw.itemState & ODS_SELECTED) != 0, draw.rcItem);
    return true;
}

} // namespace skin
