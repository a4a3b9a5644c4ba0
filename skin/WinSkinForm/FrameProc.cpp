// The frame's window procedure: it unpacks messages and hands them to the
// named handlers, in three layers (always, while skinning, while painting
// the non-client area).
#include "skin/WinSkinForm/WinSkinForm.h"

#include "toolkit/Notifications.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSubClass/EngineTrace.h"
#include "toolkit/Assert.h"

#include <windowsx.h>

namespace skin {
namespace {

// Rows at the top of the title bar where the system's own hit test answer
// (a sizing edge) is kept.
constexpr int TopSizingRows = 3;
// WM_MENUSELECT's flags when a menu has closed.
constexpr WORD MenuClosedFlags = 0xFFFF;
// Undocumented messages with which Windows' default handling draws a themed
// window's caption and frame, over what the frame paints.
constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE;
constexpr UINT WM_NCUAHDRAWFRAME = 0x00AF;

// Takes WS_VISIBLE off a window and puts it back when it goes.
class TVisibleBitOff {
public:
    TVisibleBitOff(HWND window, bool& changingStyle)
        : window_(window), changingStyle_(changingStyle) {
        Set(GetWindowLongPtrW(window_, GWL_STYLE) & ~LONG_PTR(WS_VISIBLE));
    }
    TVisibleBitOff(const TVisibleBitOff&) = delete;
    TVisibleBitOff& operator=(const TVisibleBitOff&) = delete;
    ~TVisibleBitOff() {
        if (IsWindow(window_)) {
            Set(GetWindowLongPtrW(window_, GWL_STYLE) | WS_VISIBLE);
        }
    }

private:
    void Set(LONG_PTR style) {
        changingStyle_ = true;
        SetWindowLongPtrW(window_, GWL_STYLE, style);
        changingStyle_ = false;
    }
    HWND window_;
    bool& changingStyle_;
};

} // namespace

LRESULT TWinSkinForm::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclass_.CallNext(msg, wParam, lParam);
}

// On Windows the default handling of a new caption text or icon paints the
// system's caption straight onto the window; Wine's does not. With the window
// marked invisible for the call nothing is painted, and the frame paints its
// own title bar afterwards.
LRESULT TWinSkinForm::CallDefaultUnpainted(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!(GetWindowLongPtrW(FWindow, GWL_STYLE) & WS_VISIBLE)) {
        return CallDefault(msg, wParam, lParam);
    }
    const TVisibleBitOff hidden(FWindow, changingStyle_);
    return CallDefault(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    SKIN_TRACE_MESSAGE("TWinSkinForm", FWindow, msg);
    switch (msg) {
    case WM_TIMER:
        return OnTimer(wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(wParam, lParam);
    case WM_STYLECHANGING:
        return OnStyleChanging(wParam, lParam);
    case WM_STYLECHANGED:
        return OnStyleChanged(wParam, lParam);
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, wParam, lParam);
    case WM_SKINQUERY:
        return SkinQueryAnswer;
    default:
        return SkinnedWndProc(msg, wParam, lParam);
    }
}

// The messages handled only while the frame skins the window (not a plain
// child window).
LRESULT TWinSkinForm::SkinnedWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!SkinsWindow()) {
        return CallDefault(msg, wParam, lParam);
    }
    switch (msg) {
    case WM_SIZE:
        return OnSize(wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(wParam, lParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(wParam, lParam);
    case WM_NCACTIVATE:
        return OnNcActivate(wParam, lParam);
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
    case WM_MENUCHAR:
        return OnMenuChar(wParam, lParam);
    case WM_SKINSTART:
        return OnSkinStart();
    case WM_DPICHANGED:
        // The window moved to a screen of another scale: the skin is drawn at
        // that scale from now on, and the frames take it with the next
        // skin change.
        FSkinData->ScaleTo(HIWORD(wParam));
        return CallDefault(msg, wParam, lParam);
    case tk::NotifyMenuChanged:
        return OnMenuChanged(wParam, lParam);
    default:
        return NonClientWndProc(msg, wParam, lParam);
    }
}

bool TWinSkinForm::PaintsNonClient() const {
    return !MdiChildNotNormal() && FShowState != TShowState::Minimized &&
           FState != TFrameState::Attached;
}

// The non-client messages, handled only while the frame paints the
// non-client area.
LRESULT TWinSkinForm::NonClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!PaintsNonClient()) {
        return CallDefault(msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT:
        return OnNcPaint(wParam, lParam);
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
    case WM_SKINPAINTFRAME:
        return OnSkinPaintFrame();
    case WM_MENUSELECT:
        return OnMenuSelect(wParam, lParam);
    case WM_SETICON:
        return OnSetIcon(wParam, lParam);
    case WM_NCUAHDRAWCAPTION:
    case WM_NCUAHDRAWFRAME:
        return 0;
    default:
        return CallDefault(msg, wParam, lParam);
    }
}

LRESULT TWinSkinForm::OnTimer(WPARAM wParam, LPARAM lParam) {
    if (wParam != HoverTimerId) {
        return SkinnedWndProc(WM_TIMER, wParam, lParam);
    }
    OnHoverTimer();
    return 0;
}

LRESULT TWinSkinForm::OnStyleChanged(WPARAM wParam, LPARAM lParam) {
    if (LONG(wParam) == GWL_STYLE) {
        FStyle = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
    }
    return CallDefault(WM_STYLECHANGED, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    SkinTrace("WM_NCDESTROY " + tk::Narrow(FCaption));
    FState = TFrameState::Destroying;
    DetachDestroyed();
    const LRESULT result = CallDefault(WM_NCDESTROY, wParam, lParam);
    FState = TFrameState::Destroyed;
    return result;
}

LRESULT TWinSkinForm::OnActivate(WPARAM wParam, LPARAM lParam) {
    FActive = LOWORD(wParam) != WA_INACTIVE;
    return CallDefault(WM_ACTIVATE, wParam, lParam);
}

LRESULT TWinSkinForm::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    ReadShowState();
    return CallDefault(WM_WINDOWPOSCHANGED, wParam, lParam);
}

LRESULT TWinSkinForm::OnSkinPaintFrame() {
    PaintFrame(nullptr);
    return 0;
}

// While the system tracks the window's system menu from the keyboard
// (Alt+Space) it draws the window's icon, lit and then plain, where its own
// caption would have it, over the skin's title bar; each time it tells the
// selection (the last time with the menu closed) and the title bar is
// painted again over it.
LRESULT TWinSkinForm::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefault(WM_MENUSELECT, wParam, lParam);
    const WORD flags = HIWORD(wParam);
    const bool closed = flags == MenuClosedFlags && !lParam;
    if ((!closed && (flags & MF_SYSMENU)) || (closed && systemMenuTracked_)) {
        systemMenuTracked_ = !closed;
        PaintFrame(nullptr);
    }
    return result;
}

// The frame forgets its hot push button, which shows its normal look again.
void TWinSkinForm::LeaveHotControl() {
    TSkinControl* hot = FHotControl;
    if (!hot) {
        return;
    }
    TK_ASSERT(hot->FForm == this);
    FHotControl = nullptr;
    hot->SendMouseLeave();
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
    if (!IsMdiChild()) {
        FitMaximizedToWorkArea(*reinterpret_cast<MINMAXINFO*>(lParam));
    }
    return result;
}

// The system maximises a window with a sizing frame so that the frame lies
// off the screen's edges, where the skin's borders would be cut; the skinned
// window fills the work area of the monitor it is on instead (given relative
// to that monitor, which the system carries over to any other). How far it
// can be sized stays the system's answer, so it can grow across a larger
// second monitor.
void TWinSkinForm::FitMaximizedToWorkArea(MINMAXINFO& info) const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(FWindow, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& work = monitor.rcWork;
    info.ptMaxPosition = {work.left - monitor.rcMonitor.left, work.top - monitor.rcMonitor.top};
    info.ptMaxSize = {work.right - work.left, work.bottom - work.top};
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
    if (const LRESULT edge = SizingEdgeAt(p); edge != HTNOWHERE) {
        return edge;
    }
    if (p.y > FSkinData->Measure(TopSizingRows)) {
        result = HTCAPTION;
    }
    if (p.y > FBorderTop) {
        result = HTMENU;
    }
    return result;
}

// The system sizes a window only along its own frame, a few pixels wide; the
// skin's borders of a sizeable window in its normal state are sizing edges
// all across, with corners as long along the edges as the system's.
LRESULT TWinSkinForm::SizingEdgeAt(POINT p) const {
    if (FBorderKind != TBorderKind::Sizeable || FShowState != TShowState::Normal ||
        !(FStyle & WS_THICKFRAME)) {
        return HTNOWHERE;
    }
    RECT window{};
    GetWindowRect(FWindow, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const int corner = GetSystemMetrics(SM_CXSIZE);
    const bool left = p.x < FBorderLeft;
    const bool right = p.x >= w - FBorderRight;
    const bool bottom = p.y >= h - FBorderBottom;
    const bool nearLeft = p.x < corner;
    const bool nearRight = p.x >= w - corner;
    const bool nearBottom = p.y >= h - corner;
    if (bottom || ((left || right) && nearBottom)) {
        if (left || nearLeft) {
            return HTBOTTOMLEFT;
        }
        if (right || nearRight) {
            return HTBOTTOMRIGHT;
        }
        return HTBOTTOM;
    }
    if (left) {
        return HTLEFT;
    }
    return right ? HTRIGHT : HTNOWHERE;
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

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
    FActive = wParam != FALSE;
    if (!PaintsNonClient()) {
        return CallDefault(WM_NCACTIVATE, wParam, lParam);
    }
    SetHoverTimer(FActive);
    if (!FActive) {
        LeaveHotControl();
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
    // A window without a form had its client erased natively before it was
    // framed: it is erased again in the skin's face, controls and all.
    if (!FAppForm) {
        RedrawWindow(FWindow, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    return 0;
}

// A new caption: a window without a form object takes the text itself (a
// form's hook does it for a form), and the title bar is painted again.
LRESULT TWinSkinForm::OnSetText(WPARAM wParam, LPARAM lParam) {
    const bool painted = PaintsNonClient();
    const LRESULT result = painted ? CallDefaultUnpainted(WM_SETTEXT, wParam, lParam)
                                   : CallDefault(WM_SETTEXT, wParam, lParam);
    if (!FAppForm) {
        FCaption = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
    }
    if (painted && PaintsNonClient()) {
        PaintFrame(nullptr);
    }
    return result;
}

LRESULT TWinSkinForm::OnSetIcon(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallDefaultUnpainted(WM_SETICON, wParam, lParam);
    PaintFrame(nullptr);
    return result;
}

// Somebody else (the toolkit applying a border style) changes the style: the
// caption bits it asks for are recorded, and stay off while skinned.
LRESULT TWinSkinForm::OnStyleChanging(WPARAM wParam, LPARAM lParam) {
    auto* change = reinterpret_cast<STYLESTRUCT*>(lParam);
    if (!changingStyle_ && LONG(wParam) == GWL_STYLE && FSkinFrame) {
        const DWORD wanted = change->styleNew;
        FStyleBits &= style_bit::CaptionRemoved;
        if (wanted & WS_SYSMENU) {
            FStyleBits |= style_bit::SystemMenu;
        }
        if (wanted & WS_MINIMIZEBOX) {
            FStyleBits |= style_bit::MinimizeBox;
        }
        if (wanted & WS_MAXIMIZEBOX) {
            FStyleBits |= style_bit::MaximizeBox;
        }
        if (FStyleBits & style_bit::CaptionRemoved) {
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
// A form left without a menu loses the bar's height, as a native window
// that loses its menu does; a menu given again brings it back.
LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
    FSkinData->FramePaintEnabled = false;
    const LRESULT result = CallDefault(tk::NotifyMenuChanged, wParam, lParam);
    FSkinData->FramePaintEnabled = true;
    if (!FMenuBar || !FMenuBar->FormMenuChanged(FSkinData->MenuUpdate())) {
        return result;
    }
    const int height = FMenuBar->NativeMenu() ? GetSystemMetrics(SM_CYMENU) : 0;
    if (height != FMenuHeight) {
        FMenuHeight = height;
        ForceFrameChange();
    } else if (PaintsNonClient()) {
        PaintFrame(nullptr);
    }
    return result;
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
        LeaveHotControl();
    }
}

} // namespace skin
