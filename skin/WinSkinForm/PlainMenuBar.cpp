#include "PlainMenuBar.h"

#include "SkinManager.h"
#include "WinSkinData.h"

namespace skin {
namespace {

// Room around each caption, and before the first one.
constexpr int CaptionPadding = 10;
constexpr int BarStart = 6;
constexpr int MaxCaptionLength = 80;

} // namespace

TPlainMenuBar::TPlainMenuBar(TWinSkinForm& frame, HMENU nativeMenu)
    : frame_(frame), nativeMenu_(nativeMenu) {
    BuildButtons();
}

void TPlainMenuBar::SetNativeMenu(HMENU menu) {
    nativeMenu_ = menu;
    BuildButtons();
}

void TPlainMenuBar::BuildButtons() {
    frame_.FHotObject = nullptr;
    buttons_.clear();
    const int count = nativeMenu_ ? GetMenuItemCount(nativeMenu_) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[MaxCaptionLength + 1] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = MaxCaptionLength;
        if (!GetMenuItemInfoW(nativeMenu_, UINT(i), TRUE, &info)) {
            continue;
        }
        auto button = std::make_unique<TBarButton>(frame_);
        button->caption = text;
        button->command = info.wID;
        button->subMenu = info.hSubMenu;
        button->enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
        buttons_.push_back(std::move(button));
    }
}

// The bar in the skin's menu bar colour with the item captions; on an MDI
// frame showing a maximised child, the child's buttons on it, and the
// maximised mode switched on.
void TPlainMenuBar::PaintBar(HDC dc, const RECT& rect) {
    const TSkinData& skin = *frame_.FSkinData;
    tk::OwnedBrush brush(CreateSolidBrush(ResolveColour(skin.MenubarColour)));
    FillRect(dc, &rect, brush.get());
    tk::SavedDC saved(dc);
    tk::OwnedFont font = SystemMenuFont();
    SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    int x = rect.left + BarStart;
    for (const auto& button : buttons_) {
        RECT measure{0, 0, 0, 0};
        DrawTextW(dc, button->caption.c_str(), int(button->caption.size()), &measure,
                  DT_CALCRECT | DT_SINGLELINE);
        const int w = measure.right > 0 ? measure.right + CaptionPadding : 0;
        button->FRect = {x, rect.top, x + w, rect.bottom - 1};
        button->FVisible = w > 0;
        SetTextColor(
            dc, ResolveColour(button->enabled ? skin.MenuBarTextColour : skin.ButtonShadowColour));
        DrawSkinText(dc, button->caption, button->FRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        x += w;
    }
    PaintMdiButtons(dc);
}

void TPlainMenuBar::PaintMdiButtons(HDC dc) {
    if (!frame_.HasMaximizedMdiChild()) {
        return;
    }
    for (const auto& button : frame_.FSysButtons) {
        const TDataSkinSysButton& e = button->FElement;
        if (e.Visibility == Visibility::MdiChild && button->FVisible && !e.Bitmap.Empty()) {
            DrawFrameCell(dc, button->FRect, e.Bitmap, true, e.Frame, ButtonCell::Normal);
        }
    }
    if (SkinManager && !SkinManager->MdiMaximized()) {
        SkinManager->SetMdiMax(true);
    }
}

TNCObject* TPlainMenuBar::MenuButtonAt(POINT point) {
    for (const auto& button : buttons_) {
        if (button->FVisible && !button->caption.empty() && PtInRect(&button->FRect, point)) {
            return button.get();
        }
    }
    return nullptr;
}

// An item without a submenu sends its command; one with a submenu drops it
// down below its caption until the user chooses or cancels.
bool TPlainMenuBar::OpenMenuButton(TNCObject& object) {
    auto& button = static_cast<TBarButton&>(object);
    if (!button.enabled) {
        return false;
    }
    if (!button.subMenu) {
        PostMessageW(frame_.FWindow, WM_COMMAND, button.command, 0);
        return false;
    }
    RECT window{};
    GetWindowRect(frame_.FWindow, &window);
    TrackPopupMenu(button.subMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                   window.left + button.FRect.left, window.top + button.FRect.bottom, 0,
                   frame_.FWindow, nullptr);
    if (frame_.FHotObject == &button) {
        frame_.FHotObject = nullptr;
    }
    return true;
}

} // namespace skin
