// Caption buttons: which show, where they lie, how they look in each state,
// and what the non-client mouse does with them.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "toolkit/win32/Compositor.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <windowsx.h>

namespace skin {
namespace {

bool IsIconAction(int32_t action) {
    return action == button_action::SystemMenu || action == button_action::IconMenu;
}

// System commands the native system menu reports as WM_COMMAND.
bool IsSystemCommand(WORD command) {
    switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

constexpr WPARAM SystemCommandMask = 0xFFF0;
constexpr wchar_t KeyMenuSpace = L' ';
constexpr wchar_t KeyMenuHyphen = L'-';

} // namespace

// --- TNCObject -----------------------------------------------------------------

void TNCObject::Press() {
    if (FFrame.FHotObject && FFrame.FHotObject != this) {
        FFrame.FHotObject->Leave();
    }
    if (FVisible) {
        FFrame.FHotObject = this;
        FMouseState = TMouseState::Pressed;
        Paint();
    }
}

void TNCObject::Release() {
    if (FVisible) {
        FMouseState = TMouseState::Hot;
        Paint();
    }
}

void TNCObject::Hover() {
    if (FFrame.FHotObject == this) {
        return;
    }
    if (FFrame.FHotObject) {
        FFrame.FHotObject->Leave();
    }
    if (FVisible) {
        FFrame.FHotObject = this;
        FMouseState = TMouseState::Hot;
        Paint();
    }
}

void TNCObject::Leave() {
    if (FVisible) {
        FFrame.FHotObject = nullptr;
        FMouseState = TMouseState::Normal;
        Paint();
    }
}

void TWinSysButton::Paint() {
    FFrame.PaintSysButton(*this, FMouseState);
}

// --- Layout ----------------------------------------------------------------------

void TWinSkinForm::BuildSysButtons() {
    FHotObject = nullptr;
    FSysButtons.clear();
    for (const auto& element : FSkinData->SysButtons) {
        if (IsIconAction(element->Action)) {
            if (element->Bitmap.Empty() || FSkinData->IconBitmap.Empty()) {
                element->Bitmap = FIconBitmap;
            }
            if (FSkinData->IconBitmap.Empty()) {
                FSkinData->IconBitmap = FIconBitmap;
            }
            element->Frame = 1;
        }
        FSysButtons.push_back(std::make_unique<TWinSysButton>(*this, *element));
    }
}

bool TWinSkinForm::IsSysButtonVisible(size_t index) {
    TWinSysButton& button = *FSysButtons[index];
    const TDataSkinSysButton& e = button.FElement;
    const bool maxBox = (FStyleBits & style_bit::MaximizeBox) != 0;
    const bool minBox = (FStyleBits & style_bit::MinimizeBox) != 0;
    const bool sysMenu = (FStyleBits & style_bit::SystemMenu) != 0;
    const bool maximized = FShowState == TShowState::Maximized;
    const bool mdiButtons = HasMaximizedMdiChild() && FMenuHeight > 0;
    const auto condition = [&](int32_t code, bool first) {
        switch (code) {
        case visibility::Always:
            return first ? (e.Action != button_action::Close || sysMenu) : true;
        case visibility::Maximized:
            return maximized;
        case visibility::NotMaximized:
            return !maximized;
        case visibility::Active:
            return FActive;
        case visibility::Inactive:
            return !FActive;
        case visibility::MaximizeBox:
            return first ? (maxBox && sysMenu) : maxBox;
        case visibility::NoMaximizeBox:
            return !maxBox;
        case visibility::MinimizeBox:
            return first ? (minBox && sysMenu) : minBox;
        case visibility::NoMinimizeBox:
            return !minBox;
        case visibility::MdiChild:
            return mdiButtons;
        default:
            return code >= visibility::AlwaysFirst && code <= visibility::AlwaysLast;
        }
    };
    bool visible = condition(e.Visibility, true) && condition(e.Visibility1, false);
    if ((e.Action == button_action::Maximize && !maxBox) ||
        (e.Action == button_action::Minimize && !minBox)) {
        visible = false;
    }
    button.FVisible = visible;
    return visible;
}

void TWinSkinForm::LayoutSysButtons() {
    FRightmostButtonLeft = 0;
    for (size_t i = 0; i < FSysButtons.size(); ++i) {
        TWinSysButton& button = *FSysButtons[i];
        const TDataSkinSysButton& e = button.FElement;
        if (!IsSysButtonVisible(i) || e.Bitmap.Empty()) {
            continue;
        }
        const int w = e.Bitmap.Width() / std::max(e.Frame, 1);
        const int h = e.Bitmap.Height();
        int x = 0;
        int y = e.Ycoord;
        switch (e.Align) {
        case button_align::Left:
            x = e.Xcoord;
            break;
        case button_align::Right:
            x = FWidth - e.Xcoord;
            FRightmostButtonLeft = std::max(FRightmostButtonLeft, x);
            break;
        case button_align::BeforeCaption:
        case button_align::BeforeCaptionAlt:
            x = FCaptionRect.left - w - e.Xcoord;
            break;
        case button_align::AfterCaption:
        case button_align::AfterCaptionAlt:
            x = FCaptionRect.right + e.Xcoord;
            break;
        case button_align::MdiChild: {
            const int barEnd = FSkinData->MenuBar ? FSkinData->MenuBar->LeftWidth : 0;
            x = FRightToLeft ? e.Xcoord + FBorderLeft + barEnd
                             : FWidth - e.Xcoord - FBorderRight - barEnd;
            y = (FMenuHeight - h) / 2 + FBorderTop;
            break;
        }
        default:
            y = 0;
            break;
        }
        button.FRect = {x, y, x + w, y + h};
    }
}

// Composes the visible buttons into the title bar bitmap: a cell is copied
// pixel by pixel, leaving the title where the cell has the colour key (the
// cells are drawn at their own size, so nothing is scaled).
void TWinSkinForm::PaintSysButtons(HDC dc) {
    GdiFlush();
    for (size_t i = 0; i < FSysButtons.size(); ++i) {
        const TWinSysButton& button = *FSysButtons[i];
        const TDataSkinSysButton& e = button.FElement;
        if (!IsSysButtonVisible(i) || e.Bitmap.Empty() || e.Visibility == visibility::MdiChild) {
            continue;
        }
        if (IsIconAction(e.Action)) {
            DrawIcon(dc, button.FRect.left, button.FRect.top);
            GdiFlush();
            continue;
        }
        const int cell = FActive || e.Frame < button_cell::Inactive ? button_cell::Normal
                                                                    : button_cell::Inactive;
        const TCell c = FrameCellOf(e.Bitmap, false, e.Frame, cell);
        for (int y = 0; y < c.height; ++y) {
            const int ty = button.FRect.top + y;
            if (ty < 0 || ty >= FTitleBitmap.Height()) {
                continue;
            }
            for (int x = 0; x < c.width; ++x) {
                const int tx = button.FRect.left + x;
                const Colour pixel = e.Bitmap.Pixel(c.x + x, c.y + y);
                if (tx >= 0 && tx < FTitleBitmap.Width() && pixel != KeyColour) {
                    FTitleBitmap.SetPixel(tx, ty, pixel);
                }
            }
        }
    }
}

void TWinSkinForm::PaintSysButton(TWinSysButton& button, TMouseState state) {
    const TDataSkinSysButton& e = button.FElement;
    if (e.Bitmap.Empty()) {
        return;
    }
    tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
    if (IsIconAction(e.Action)) {
        DrawIcon(dc, button.FRect.left, button.FRect.top);
        return;
    }
    int cell = int(state);
    if (state == TMouseState::Hot && e.Visibility == visibility::MdiChild) {
        cell = button_cell::Inactive;
    }
    // The title bar under the button first, so the keyed pixels of this
    // state's cell show the title and not the previous state.
    if (!FTitleBitmap.Empty() && button.FRect.bottom <= FTitleBitmap.Height()) {
        tk::BitmapDC title(NativeBitmap(FTitleBitmap));
        RECT under = button.FRect;
        BitBlt(dc, under.left, under.top, under.right - under.left, under.bottom - under.top, title,
               under.left, under.top, SRCCOPY);
    }
    DrawFrameCell(dc, button.FRect, e.Bitmap, true, e.Frame, cell);
}

TWinSysButton* TWinSkinForm::SysButtonAt(POINT point) {
    for (const auto& button : FSysButtons) {
        if (button->FVisible && button->FElement.Action > button_action::Decoration &&
            PtInRect(&button->FRect, point)) {
            return button.get();
        }
    }
    return nullptr;
}

TNCObject* TWinSkinForm::ObjectAt(POINT point) {
    if (TWinSysButton* button = SysButtonAt(point)) {
        return button;
    }
    return FMenuBar ? FMenuBar->MenuButtonAt(point) : nullptr;
}

// --- Non-client mouse ----------------------------------------------------------------

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!FActive) {
        return 0;
    }
    if (TNCObject* object = ObjectAt(ScreenToFrame({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))) {
        object->Hover();
        return 0;
    }
    if (FHotObject) {
        FHotObject->Leave();
    }
    return CallDefault(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    const POINT p = ScreenToFrame({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (TNCObject* object = ObjectAt(p)) {
        if (!FActive) {
            SetForegroundWindow(FWindow);
        }
        object->Press();
        if (!SysButtonAt(p) && FMenuBar) {
            FMenuBar->OpenMenuButton(*object);
        }
        return 0;
    }
    if (FShowState == TShowState::Maximized && FActive && wParam == HTCAPTION) {
        wParam = HTMENU;
    }
    return CallDefault(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const POINT p = ScreenToFrame(screen);
    if (TWinSysButton* button = SysButtonAt(p)) {
        if (FHotObject == button) {
            button->Release();
            DoSysButtonAction(screen.x, screen.y);
        }
        return 0;
    }
    if (FMenuBar && FMenuBar->MenuButtonAt(p)) {
        return 0;
    }
    return CallDefault(WM_NCLBUTTONUP, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM, LPARAM) {
    if (FShowState != TShowState::Normal) {
        Restore();
    } else if (FStyleBits & style_bit::MaximizeBox) {
        ToggleMaximize();
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == HTCAPTION && !IsMdiChild()) {
        ShowSysMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    return CallDefault(WM_NCRBUTTONDOWN, wParam, lParam);
}

// --- Actions -------------------------------------------------------------------------

void TWinSkinForm::DoSysButtonAction(int x, int y) {
    auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
    if (!button) {
        return;
    }
    switch (const int32_t action = button->FElement.Action) {
    case button_action::Close:
        SetHoverTimer(false);
        PostMessageW(FWindow, WM_CLOSE, 0, 0);
        break;
    case button_action::Maximize:
    case button_action::MaximizeAlt:
        ToggleMaximize();
        break;
    case button_action::Minimize:
    case button_action::MinimizeAlt:
        ToggleMinimize();
        break;
    case button_action::SystemMenu:
    case button_action::IconMenu:
    case button_action::SystemMenuAlt:
        ShowSysMenu(x + 1, y + 1);
        break;
    case button_action::MdiMinimize:
    case button_action::MdiMinimizeAlt:
        MdiChildCommand(SC_MINIMIZE);
        break;
    case button_action::MdiRestore:
    case button_action::MdiRestoreAlt:
        MdiChildCommand(SC_RESTORE);
        break;
    case button_action::MdiClose:
    case button_action::MdiCloseAlt:
        MdiChildCommand(SC_CLOSE);
        break;
    default:
        PostMessageW(FWindow, WM_SKINBUTTONACTION, WPARAM(action), 0);
        break;
    }
}

// The frame's own maximise, minimise and restore are posted; the system's
// animation is off only while the posted command is carried out.
void TWinSkinForm::ToggleMaximize() {
    if (FShowState == TShowState::Maximized) {
        Restore();
        return;
    }
    FShowState = TShowState::Maximized;
    ownCommand_ = SC_MAXIMIZE;
    PostMessageW(FWindow, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    FHotObject = nullptr;
}

void TWinSkinForm::Restore() {
    FShowState = TShowState::Normal;
    ownCommand_ = SC_RESTORE;
    PostMessageW(FWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
    if (FShowState == TShowState::Minimized) {
        Restore();
        return;
    }
    FShowState = TShowState::Minimized;
    ownCommand_ = SC_MINIMIZE;
    PostMessageW(FWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD command = LOWORD(wParam);
    if (IsSystemCommand(command)) {
        PostMessageW(FWindow, WM_SYSCOMMAND, command, 0);
        return 0;
    }
    return CallDefault(WM_COMMAND, wParam, lParam);
}

bool TWinSkinForm::IsKeyMenu(WPARAM command) {
    return (command & SystemCommandMask) == SC_KEYMENU;
}

bool TWinSkinForm::TakesKeyMenu(wchar_t key) const {
    return !FMenuTracking && key != KeyMenuSpace && key != KeyMenuHyphen && !GetCapture() &&
           (key == 0 || (FMenuBar && FMenuBar->FindAccelerator(key)));
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    const wchar_t key = wchar_t(LOWORD(lParam));
    if (IsKeyMenu(wParam) && TakesKeyMenu(key)) {
        // Alone (F10, a lone Alt) or with a menu accelerator, the key opens
        // the skin's menu bar (when it has one), never the system's menu mode.
        TNCObject* button = !FMenuBar  ? nullptr
                            : key == 0 ? FMenuBar->FirstButton()
                                       : FMenuBar->FindAccelerator(key);
        if (button) {
            FMenuBar->PostMenuClick(*button);
        }
        return 1;
    }
    switch (wParam) {
    case SC_MINIMIZE:
        FShowState = TShowState::Minimized;
        if (IsMdiChild()) {
            SetNativeCaption(true);
        }
        break;
    case SC_MAXIMIZE:
        FShowState = TShowState::Maximized;
        break;
    case SC_RESTORE:
        FShowState = TShowState::Normal;
        if (IsMdiChild()) {
            SetNativeCaption(false);
        }
        break;
    default:
        break;
    }
    if (ownCommand_ != 0 && wParam == ownCommand_) {
        ownCommand_ = 0;
        const tk::compositor::TransitionsOff transitionsOff(FWindow);
        return CallDefault(WM_SYSCOMMAND, wParam, lParam);
    }
    return CallDefault(WM_SYSCOMMAND, wParam, lParam);
}

} // namespace skin
