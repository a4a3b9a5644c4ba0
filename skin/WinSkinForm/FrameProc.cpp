// The frame's window procedure and the form hook: they unpack messages and
// hand them to the named handlers.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "toolkit/Form.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <windowsx.h>

namespace skin {
namespace {

// Rows at the top of the title bar where the system's own hit test answer
// (a sizing edge) is kept.
constexpr int TopSizingRows = 3;

} // namespace

LRESULT TWinSkinForm::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclass_.CallNext(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == HoverTimerId) {
            OnHoverTimer();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return OnEraseBackground(wParam, lParam);
    case WM_STYLECHANGING:
        return OnStyleChanging(wParam, lParam);
    case WM_STYLECHANGED:
        if (LONG(wParam) == GWL_STYLE) {
            FStyle = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
        }
        return CallDefault(msg, wParam, lParam);
    case WM_NCDESTROY: {
        SkinTrace("WM_NCDESTROY " + tk::Narrow(FCaption));
        FState = TFrameState::Destroying;
        DetachDestroyed();
        const LRESULT result = CallDefault(msg, wParam, lParam);
        FState = TFrameState::Destroyed;
        return result;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, wParam, lParam);
    case WM_SKINQUERY:
        return SkinQueryAnswer;
    default:
        break;
    }
    if (!FSkinFrame || (!IsMdiChild() && (FStyle & WS_CHILD))) {
        return CallDefault(msg, wParam, lParam);
    }
    bool handled = false;
    const LRESULT result = FirstStage(msg, wParam, lParam, handled);
    if (handled) {
        return result;
    }
    if (!SecondStageRuns()) {
        return CallDefault(msg, wParam, lParam);
    }
    return SecondStage(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FirstStage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (msg) {
    case WM_SIZE:
        return OnSize(wParam, lParam);
    case WM_ACTIVATE:
        FActive = LOWORD(wParam) != WA_INACTIVE;
        break;
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        ReadShowState();
        return CallDefault(msg, wParam, lParam);
    case WM_NCACTIVATE:
        FActive = wParam != FALSE;
        break;
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_SETTEXT:
        return OnSetText(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    default:
        if (msg == WM_SKINSTART) {
            return OnSkinStart();
        }
        if (msg == tk::kNotifyMenuChanged) {
            return OnMenuChanged(wParam, lParam);
        }
        break;
    }
    handled = false;
    return 0;
}

bool TWinSkinForm::SecondStageRuns() const {
    return !MdiChildNotNormal() && FShowState != TShowState::Minimized &&
           FState != TFrameState::Attached;
}

LRESULT TWinSkinForm::SecondStage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT:
        return OnNcPaint(wParam, lParam);
    case WM_NCACTIVATE:
        return OnNcActivate(wParam, lParam);
    case WM_NCMOUSEMOVE:
        return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
        return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
        return OnNcRButtonDown(wParam, lParam);
    default:
        if (msg == WM_SKINPAINTFRAME) {
            PaintFrame(nullptr);
            return 0;
        }
        return CallDefault(msg, wParam, lParam);
    }
}

void TWinSkinForm::FormMessageHook(tk::Message& message) {
    // The handler this hook replaced: the hook is removed last in, first out,
    // so the newest saved handler is the one below this hook.
    const tk::MessageHandler previous =
        oldFormHandlers_.empty() ? tk::MessageHandler() : oldFormHandlers_.back();
    const auto passOn = [&] {
        if (previous) {
            previous(message);
        }
    };
    if (message.msg == WM_SETTEXT) {
        passOn();
        FCaption = reinterpret_cast<const wchar_t*>(message.lParam)
                       ? reinterpret_cast<const wchar_t*>(message.lParam)
                       : L"";
        ForceFrameChange();
        return;
    }
    if (message.msg == WM_SKINREFRESH) {
        ApplySkinColours();
        message.result = 0;
        return;
    }
    if (message.msg == tk::kNotifyDialogChar && OnDialogChar(message.wParam, message.lParam)) {
        message.result = 1;
        return;
    }
    passOn();
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_SIZE, wParam, lParam);
    switch (wParam) {
    case SIZE_MINIMIZED:
        FShowState = TShowState::Minimized;
        return result;
    case SIZE_MAXIMIZED:
        FShowState = TShowState::Maximized;
        break;
    case SIZE_RESTORED:
        FShowState = TShowState::Normal;
        break;
    default:
        break;
    }
    if (IsMdiChild() &&
        ((SkinManager && SkinManager->MdiMaximized()) || FShowState != TShowState::Normal)) {
        return result;
    }
    if (FState == TFrameState::Running || FState == TFrameState::Refreshing) {
        UpdateRegion();
    }
    return result;
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_GETMINMAXINFO, wParam, lParam);
    ReadShowState();
    if (FShowState == TShowState::Minimized) {
        SetNativeCaption(true);
    } else if (!IsMdiChild()) {
        SetNativeCaption(false);
    } else if (FShowState == TShowState::Normal) {
        if (SkinManager && SkinManager->MdiMaximized()) {
            SkinManager->SetMdiMax(false);
        }
        SetNativeCaption(false);
    } else {
        SetNativeCaption(true);
    }
    if (FBorderKind == TBorderKind::Sizeable) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    }
    return result;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_NCCALCSIZE, wParam, lParam);
    if (!wParam) {
        return result;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (MdiChildNotNormal() || FBorderKind == TBorderKind::NoFrame) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    const WINDOWPOS& pos = *params->lppos;
    const RECT client{pos.x + FBorderLeft, pos.y + FBorderTop + FMenuHeight,
                      pos.x + pos.cx - FBorderRight, pos.y + pos.cy - FBorderBottom};
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    return WVR_VALIDRECTS;
}

POINT TWinSkinForm::ScreenToFrame(POINT screen) const {
    POINT p = screen;
    ScreenToClient(FWindow, &p);
    if (FShowState != TShowState::Minimized) {
        p.x += FBorderLeft;
        p.y += FBorderTop + FMenuHeight;
    }
    return p;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallDefault(WM_NCHITTEST, wParam, lParam);
    if (result != HTNOWHERE && result != HTCAPTION) {
        return result;
    }
    const POINT p = ScreenToFrame({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (p.y > TopSizingRows) {
        result = HTCAPTION;
    }
    if (p.y > FBorderTop) {
        result = HTMENU;
    }
    return result;
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    if (!FSkinData->FramePaintEnabled) {
        return 0;
    }
    if (MdiChildNotNormal() || FBorderKind == TBorderKind::NoFrame) {
        return CallDefault(WM_NCPAINT, wParam, lParam);
    }
    // The whole frame is composed off screen and copied in a few blits, so
    // it is painted whole rather than clipped to the update region.
    PaintFrame(nullptr);
    return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM) {
    FActive = wParam != FALSE;
    SetHoverTimer(FActive);
    if (!FActive && FHotControl) {
        TSkinControl* hot = FHotControl;
        FHotControl = nullptr;
        hot->SendMouseLeave();
    }
    if (!MdiChildNotNormal()) {
        PaintFrame(nullptr);
    }
    return TRUE;
}

LRESULT TWinSkinForm::OnSkinStart() {
    if (FState == TFrameState::Attached) {
        if (IsMdiChild() && SkinManager && SkinManager->MdiMaximized()) {
            SetNativeCaption(true);
            ForceFrameChange();
        } else if (FShowState != TShowState::Minimized && FBorderKind != TBorderKind::NoFrame) {
            FState = TFrameState::Starting;
            ResizeFrame(false);
            FState = TFrameState::Running;
            UpdateRegion();
        }
    }
    FState = TFrameState::Running;
    SetHoverTimer(true);
    return 0;
}

// A window without a form object repaints its title bar itself when its text
// changes (a form's hook does it for a form).
LRESULT TWinSkinForm::OnSetText(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_SETTEXT, wParam, lParam);
    if (!FAppForm) {
        FCaption = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        if (SecondStageRuns()) {
            PaintFrame(nullptr);
        }
    }
    return result;
}

// Somebody else (the toolkit applying a border style) changes the style: the
// caption bits it asks for are recorded, and stay off while skinned.
LRESULT TWinSkinForm::OnStyleChanging(WPARAM wParam, LPARAM lParam) {
    auto* change = reinterpret_cast<STYLESTRUCT*>(lParam);
    if (!changingStyle_ && LONG(wParam) == GWL_STYLE && FSkinFrame) {
        const DWORD wanted = change->styleNew;
        FStyleBits &= StyleBit::CaptionRemoved;
        if (wanted & WS_SYSMENU) {
            FStyleBits |= StyleBit::SystemMenu;
        }
        if (wanted & WS_MINIMIZEBOX) {
            FStyleBits |= StyleBit::MinimizeBox;
        }
        if (wanted & WS_MAXIMIZEBOX) {
            FStyleBits |= StyleBit::MaximizeBox;
        }
        if (FStyleBits & StyleBit::CaptionRemoved) {
            change->styleNew &= ~DWORD(WS_CAPTION);
        } else if (FOwnerWnd || IsMdiChild()) {
            const bool nativeCaption = IsMdiChild() && SkinManager && SkinManager->MdiMaximized();
            if (!nativeCaption && FShowState != TShowState::Minimized) {
                change->styleNew &= ~DWORD(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
            }
        }
    }
    return CallDefault(WM_STYLECHANGING, wParam, lParam);
}

LRESULT TWinSkinForm::OnEraseBackground(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_ERASEBKGND, wParam, lParam);
    if (FAppForm || !FSkinData->ButtonFaceBrush()) {
        return result;
    }
    RECT client{};
    GetClientRect(FWindow, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, FSkinData->ButtonFaceBrush());
    return 1;
}

LRESULT TWinSkinForm::OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(msg, wParam, lParam);
    if (FAppForm) {
        return result;
    }
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    if (msg == WM_CTLCOLORSTATIC && FSkinData->ButtonFaceBrush()) {
        // The text of a message box stands on the skin's face colour: in the
        // system's text colour it could vanish on a dark skin.
        SetTextColor(reinterpret_cast<HDC>(wParam), ResolveColour(FSkinData->ButtonTextColour));
        return reinterpret_cast<LRESULT>(FSkinData->ButtonFaceBrush());
    }
    return result;
}

// The toolkit gives the form its native menu back after a menu change: that
// passes unpainted, and the bar follows the form's menu (while MenuUpdate).
LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
    FSkinData->FramePaintEnabled = false;
    const LRESULT result = CallDefault(tk::kNotifyMenuChanged, wParam, lParam);
    FSkinData->FramePaintEnabled = true;
    if (FMenuBar && FSkinData->MenuUpdate() && GetMenu(FWindow)) {
        FMenuBar->BuildFromForm();
        if (SecondStageRuns()) {
            PaintFrame(nullptr);
        }
    }
    return result;
}

// Alt with a menu bar button's accelerator (no other modifier) opens that
// button's drop-down once the key's message is done.
bool TWinSkinForm::OnDialogChar(WPARAM key, LPARAM flags) {
    constexpr LPARAM AltDown = LPARAM(1) << 29;
    const bool onlyAlt =
        (flags & AltDown) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    TNCObject* button = onlyAlt && FMenuBar ? FMenuBar->FindAccelerator(wchar_t(key)) : nullptr;
    if (!button) {
        return false;
    }
    FMenuBar->PostMenuClick(*button);
    return true;
}

void TWinSkinForm::OnHoverTimer() {
    if (FMenuTracking) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (FHotObject) {
        RECT window{};
        GetWindowRect(FWindow, &window);
        const POINT p{cursor.x - window.left, cursor.y - window.top};
        if (!PtInRect(&FHotObject->FRect, p)) {
            FHotObject->Leave();
        }
    }
    if (!FAppForm && FHotControl && !PtInRect(&FHotControl->FWindowRect, cursor)) {
        TSkinControl* hot = FHotControl;
        FHotControl = nullptr;
        hot->SendMouseLeave();
    }
}

} // namespace skin
