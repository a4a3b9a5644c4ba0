// The frame's life: attaching to a window, its geometry from the skin, the
// switch from the native frame to the skin's and back, and detaching.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "toolkit/Form.h"
#include "toolkit/win32/Compositor.h"
#include "skin/WinSkinMenu/MenuItemPaint.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include <algorithm>

namespace skin {
namespace {

// The class of the MDI client window of an MDI frame.
constexpr const char* MdiClientClass = "MDIClient";
// Native caption bits the frame takes away and gives back.
constexpr DWORD CaptionButtonBits = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
// Classes whose caption may need a wider window than their client area.
constexpr const char* MessageFormClass = "TMessageForm";
constexpr const char* DialogClass = "#32770";

// Cell thickness of a border bitmap whose `Frame` cells lie side by side
// (left, right) or stacked (top, bottom). A count below 1 counts as 1.
int BorderThickness(const TDataSkinBorder& border, bool stacked) {
    const int cells = std::max(border.Frame, 1);
    return (stacked ? border.Bitmap.Height() : border.Bitmap.Width()) / cells;
}

} // namespace

const tk::ClassInfo& TWinSkinForm::StaticClass() {
    static const tk::ClassInfo info("TWinSkinForm", &tk::Component::StaticClass());
    return info;
}

TWinSkinForm::TWinSkinForm(tk::Component* owner) : tk::Component(owner) {
    dblClickTime_ = GetDoubleClickTime();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    captionFont_.reset(CreateFontIndirectW(&metrics.lfCaptionFont));
}

TWinSkinForm::~TWinSkinForm() {
    SetHoverTimer(false);
    FreeControls();
    FSysButtons.clear();
    if (formHooked_) {
        RestoreFormHandler();
    }
    if (SkinManager) {
        SkinManager->RemoveFrame(*this);
    }
    SkinTrace("Skinform DESTROY " + tk::Narrow(FCaption));
}

void TWinSkinForm::AttachToForm(TSkinData& skin, tk::Form& form) {
    FAppForm = &form;
    if (skin.Skins(xcMainMenu)) {
        oldFormHandlers_.push_back(form.WindowProc());
        form.SetWindowProc([this](tk::Message& message) { FormMessageHook(message); });
        formHooked_ = true;
    }
    AttachToWindow(skin);
    formColor_ = form.GetColor();
    form.SetColor(ResolveColour(skin.ButtonFaceColour));
    if (skin.Skins(xcMainMenu)) {
        SetPopupsOwnerDraw(form, skin, true);
    }
}

void TWinSkinForm::AttachToWindow(TSkinData& skin) {
    if (Subclassed()) {
        return;
    }
    FSkinData = &skin;
    FSkinFrame = skin.Skins(xcMainMenu);
    FStyle = DWORD(GetWindowLongPtrW(FWindow, GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongPtrW(FWindow, GWL_EXSTYLE));
    FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    nativeSysMenu_ = GetSystemMenu(FWindow, FALSE);
    LoadIcon();
    FCaption = WindowTextOf(FWindow);
    FClassName = ClassNameOf(FWindow);
    FOwnerWnd = GetWindow(FWindow, GW_OWNER);
    RECT window{};
    GetWindowRect(FWindow, &window);
    GetClientRect(FWindow, &FClientRect);
    FNativeFrameSize = {0, 0, (window.right - window.left) - FClientRect.right,
                        (window.bottom - window.top) - FClientRect.bottom};
    FStyleBits = 0;
    if ((FStyle & WS_SYSMENU) || nativeSysMenu_) {
        FStyleBits |= style_bit::SystemMenu;
    }
    if (FStyle & WS_MINIMIZEBOX) {
        FStyleBits |= style_bit::MinimizeBox;
    }
    if (FStyle & WS_MAXIMIZEBOX) {
        FStyleBits |= style_bit::MaximizeBox;
    }
    BuildSysMenu();
    ReadShowState();
    FindMdiClient();
    if (exStyle & WS_EX_MDICHILD) {
        FWindowKind = TWindowKind::MdiChild;
    }
    // A window framed while another is in use looks inactive from its first
    // paint; activation messages keep this up to date from here on.
    FActive = IsMdiChild()
                  ? HWND(SendMessageW(GetParent(FWindow), WM_MDIGETACTIVE, 0, 0)) == FWindow
                  : GetActiveWindow() == FWindow;
    FBorderKind = TBorderKind::Fixed;
    if ((FStyle & WS_POPUP) && (FStyle & WS_CAPTION) != WS_CAPTION) {
        FBorderKind = TBorderKind::NoFrame;
    } else if (FStyle & WS_THICKFRAME) {
        FBorderKind = TBorderKind::Sizeable;
    } else if (FStyle & DS_MODALFRAME) {
        FBorderKind = TBorderKind::DialogFrame;
    }
    if (FWindowKind == TWindowKind::MdiFrame) {
        menuUpdateSaved_ = skin.MenuUpdate();
        clientSubclass_.Install(FMdiClient, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            return ClientWndProc(msg, wParam, lParam);
        });
    }
    if (FSkinFrame) {
        // On Windows the compositor draws the caption, buttons and borders of
        // a window with a caption or sizing frame over what the frame paints,
        // until it is told the frame is the window's own.
        if (!(FStyle & WS_CHILD)) {
            frameRenderingTaken_ = true;
            tk::compositor::SetFrameRendering(FWindow, false);
        }
        BuildMenuBar();
        const bool mdiMaximized = IsMdiChild() && SkinManager && SkinManager->MdiMaximized();
        if (!mdiMaximized && FShowState != TShowState::Minimized) {
            SetNativeCaption(false);
        }
        LoadGeometry();
    }
    subclass_.Install(FWindow, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return FrameWndProc(msg, wParam, lParam);
    });
    FindControls();
    InvalidateRect(FWindow, nullptr, TRUE);
}

void TWinSkinForm::BuildMenuBar() {
    nativeMenu_ = GetMenu(FWindow);
    if (nativeMenu_ && !IsMdiChild()) {
        FMenuBar = std::make_unique<TWinSkinMenu>(*this, *FSkinData);
        FMenuHeight = GetSystemMetrics(SM_CYMENU);
        FMenuBar->BuildFromForm();
    }
}

void TWinSkinForm::LoadIcon() {
    FIconSize = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    FIcon = reinterpret_cast<HICON>(SendMessageW(FWindow, WM_GETICON, ICON_SMALL, 0));
    if (!FIcon) {
        FIcon = reinterpret_cast<HICON>(SendMessageW(FWindow, WM_GETICON, ICON_BIG, 0));
    }
    if (FIcon) {
        TDib bitmap(FIconSize, height);
        tk::OwnedIcon copy(static_cast<HICON>(
            CopyImage(FIcon, IMAGE_ICON, FIconSize, height, LR_COPYFROMRESOURCE)));
        {
            tk::BitmapDC dc(NativeBitmap(bitmap));
            DrawIconEx(dc, 0, 0, copy ? copy.get() : FIcon, FIconSize, height, 0, nullptr,
                       DI_NORMAL);
        }
        FIconBitmap = bitmap;
        return;
    }
    if (FSkinData->IconBitmap.Empty()) {
        // The icon of another window of the program, kept by a main component.
        if (SkinManager) {
            const auto& datas = SkinManager->SkinDatas();
            for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
                if ((*it)->SkinFormtype() == TSkinFormType::sfMainform &&
                    !(*it)->IconBitmap.Empty()) {
                    FIconBitmap = (*it)->IconBitmap;
                    break;
                }
            }
        }
        return;
    }
    FIconBitmap = FSkinData->IconBitmap;
}

void TWinSkinForm::DrawIcon(HDC dc, int x, int y) const {
    if (!FIcon) {
        return;
    }
    tk::OwnedIcon copy(static_cast<HICON>(
        CopyImage(FIcon, IMAGE_ICON, FIconSize, FIconSize, LR_COPYFROMRESOURCE)));
    DrawIconEx(dc, x, y, copy ? copy.get() : FIcon, FIconSize, FIconSize, 0, nullptr, DI_NORMAL);
}

void TWinSkinForm::LoadGeometry() {
    if (!FSkinData || !FSkinData->SkinLoaded) {
        return;
    }
    ClearBorderPieces();
    if (FBorderKind == TBorderKind::NoFrame) {
        FBorderLeft = FBorderTop = FBorderRight = FBorderBottom = FMenuHeight = 0;
    } else {
        FBorderTop = BorderThickness(FSkinData->BorderTop, true);
        FBorderLeft = BorderThickness(FSkinData->BorderLeft, false);
        FBorderRight = BorderThickness(FSkinData->BorderRight, false);
        FBorderBottom = BorderThickness(FSkinData->BorderBottom, true);
    }
    BuildSysButtons();
}

void TWinSkinForm::SetNativeCaption(bool on) {
    const bool mdiMaximized = IsMdiChild() && SkinManager && SkinManager->MdiMaximized();
    if (!on && mdiMaximized) {
        return;
    }
    DWORD style = DWORD(GetWindowLongPtrW(FWindow, GWL_STYLE));
    if (on) {
        if (FStyleBits & style_bit::SystemMenu) {
            style |= WS_SYSMENU;
        }
        if (FStyleBits & style_bit::MinimizeBox) {
            style |= WS_MINIMIZEBOX;
        }
        if (FStyleBits & style_bit::MaximizeBox) {
            style |= WS_MAXIMIZEBOX;
        }
        if (FStyleBits & style_bit::CaptionRemoved) {
            style |= WS_CAPTION;
        }
    } else if (FOwnerWnd || IsMdiChild()) {
        style &= ~CaptionButtonBits;
    } else {
        style &= ~WS_CAPTION;
        FStyleBits |= style_bit::CaptionRemoved;
    }
    if (style == DWORD(GetWindowLongPtrW(FWindow, GWL_STYLE))) {
        return;
    }
    changingStyle_ = true;
    SetWindowLongPtrW(FWindow, GWL_STYLE, LONG_PTR(style));
    changingStyle_ = false;
}

void TWinSkinForm::ForceFrameChange() {
    SetWindowPos(FWindow, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::ReadShowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(FWindow, &placement)) {
        return;
    }
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        FShowState = TShowState::Minimized;
        break;
    case SW_SHOWMAXIMIZED:
        FShowState = TShowState::Maximized;
        break;
    default:
        FShowState = TShowState::Normal;
        break;
    }
}

// Keeps the client area while the frame changes between the native metrics
// and the skin's: the window grows or shrinks by the difference.
void TWinSkinForm::ResizeFrame(bool keepClient) {
    if (FShowState == TShowState::Maximized) {
        ForceFrameChange();
        return;
    }
    if (keepClient) {
        GetClientRect(FWindow, &FClientRect);
    }
    int width = FClientRect.right + FBorderLeft + FBorderRight;
    const int height = FClientRect.bottom + FBorderTop + FBorderBottom + FMenuHeight;
    RECT window{};
    GetWindowRect(FWindow, &window);
    // Only the frame changes: the window keeps its place in the order and
    // the activation stays where the user left it.
    UINT flags = SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE;
    if (!keepClient && (FClassName == MessageFormClass || FClassName == DialogClass) &&
        WidenMessageBox(width, window.left)) {
        flags &= ~SWP_NOMOVE;
    }
    SetWindowPos(FWindow, nullptr, window.left, window.top, width, height, flags);
}

// A message box whose caption needs more room than its client area gives is
// widened, as far as its monitor's work area allows; its controls move right
// by half the growth, and the box keeps its middle where the system put it.
bool TWinSkinForm::WidenMessageBox(int& width, LONG& left) {
    FCaption = WindowTextOf(FWindow);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(FWindow, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int needed = std::min(CaptionFitWidth(), int(work.right - work.left));
    if (width >= needed) {
        return false;
    }
    const int shift = (needed - width) / 2;
    for (HWND child = GetWindow(FWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(FWindow, &origin);
        SetWindowPos(child, nullptr, origin.x + shift, origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                         SWP_NOOWNERZORDER);
    }
    RECT window{};
    GetWindowRect(FWindow, &window);
    const LONG middle = (window.left + window.right) / 2;
    left = std::clamp(LONG(middle - needed / 2), work.left, LONG(work.right - needed));
    width = needed;
    return true;
}

void TWinSkinForm::ApplySkinColours() {
    if (FAppForm) {
        const Colour face = ResolveColour(FSkinData->ButtonFaceColour);
        FAppForm->SetColor(face);
        for (tk::Component* component : FAppForm->Components()) {
            if (auto* form = dynamic_cast<tk::Form*>(component)) {
                form->SetColor(face);
            }
        }
    }
    for (TSkinControl* skinner : FControls) {
        skinner->Refresh();
    }
    FState = TFrameState::Refreshing;
    if (FSkinFrame) {
        if (FAppForm) {
            SetPopupsOwnerDraw(*FAppForm, *FSkinData, true);
        }
        ResizeFrame(true);
        // The region is rebuilt while still refreshing: a window whose size
        // the new skin keeps (same border widths, or maximised) must not keep
        // the old skin's shape. The title bar is composed in the new skin
        // first, as its keyed pixels shape the top edge.
        PaintFrame(nullptr);
        UpdateRegion();
    }
    FState = TFrameState::Running;
}

void TWinSkinForm::SetHoverTimer(bool on) {
    if (on == hoverTimerOn_ || !FWindow) {
        return;
    }
    hoverTimerOn_ = on;
    if (on) {
        SetTimer(FWindow, HoverTimerId, HoverTimerMs, nullptr);
    } else {
        KillTimer(FWindow, HoverTimerId);
    }
}

void TWinSkinForm::RestoreFormHandler() {
    formHooked_ = false;
    if (!FAppForm || oldFormHandlers_.empty()) {
        return;
    }
    tk::MessageHandler previous = std::move(oldFormHandlers_.back());
    oldFormHandlers_.pop_back();
    if (!FAppForm->IsDestroying()) {
        FAppForm->SetWindowProc(std::move(previous));
    }
}

void TWinSkinForm::ReleaseSysMenuAndTimer() {
    sysMenu_.reset();
    SetHoverTimer(false);
}

void TWinSkinForm::RestorePopupMenus() {
    if (FAppForm && FSkinData && !FAppForm->IsDestroying()) {
        SetPopupsOwnerDraw(*FAppForm, *FSkinData, false);
    }
}

void TWinSkinForm::Detach() {
    if (!FSkinFrame) {
        DetachUnskinned();
        return;
    }
    ReleaseSysMenuAndTimer();
    if (!Subclassed()) {
        return;
    }
    RestoreFormHandler();
    subclass_.Remove();
    FreeControls();
    RestorePopupMenus();
    if (frameRenderingTaken_) {
        frameRenderingTaken_ = false;
        tk::compositor::SetFrameRendering(FWindow, true);
    }
    if (FAppForm && FState != TFrameState::Destroying) {
        FAppForm->SetColor(formColor_);
    }
    SetNativeCaption(true);
    if (FMenuBar) {
        RemovePropW(FWindow, TakenMenuProperty);
        SetMenu(FWindow, FMenuBar->NativeMenu());
        FMenuBar.reset();
    }
    clientSubclass_.Remove();
    FTitleBitmap.Clear();
    if (FState != TFrameState::Destroying && (IsMdiChild() || !(FStyle & WS_CHILD))) {
        RECT window{};
        GetWindowRect(FWindow, &window);
        POINT origin{window.left, window.top};
        if (IsMdiChild()) {
            ScreenToClient(GetParent(FWindow), &origin);
        }
        const int width =
            (window.right - window.left) + FNativeFrameSize.right - FBorderLeft - FBorderRight;
        const int height = (window.bottom - window.top) + FNativeFrameSize.bottom - FBorderTop -
                           FMenuHeight - FBorderBottom;
        SetWindowPos(FWindow, nullptr, origin.x, origin.y, width, height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (FHasRegion) {
        SetWindowRgn(FWindow, nullptr, TRUE);
        FHasRegion = false;
    }
}

// Inside WM_NCDESTROY: let go of everything without resizing or recolouring.
// The subclass layer takes itself off once the message has passed.
void TWinSkinForm::DetachDestroyed() {
    if (!FSkinFrame) {
        DetachUnskinned();
        return;
    }
    ReleaseSysMenuAndTimer();
    RestoreFormHandler();
    FreeControls();
    RestorePopupMenus();
    frameRenderingTaken_ = false;
    FMenuBar.reset();
    FTitleBitmap.Clear();
    FIconBitmap.Clear();
    ClearBorderPieces();
    FHotObject = nullptr;
    FSysButtons.clear();
    captionFont_.reset();
    FHasRegion = false;
}

void TWinSkinForm::DetachUnskinned() {
    SetHoverTimer(false);
    FreeControls();
    RestorePopupMenus();
    if (FAppForm && FState != TFrameState::Destroying) {
        FAppForm->SetColor(formColor_);
    }
    if (FState != TFrameState::Destroying) {
        subclass_.Remove();
    }
    clientSubclass_.Remove();
    if (FAppForm && FState != TFrameState::Destroying) {
        for (tk::Component* component : FAppForm->Components()) {
            if (auto* control = dynamic_cast<tk::Control*>(component)) {
                control->Invalidate();
            }
        }
    }
}

void TWinSkinForm::FindMdiClient() {
    for (HWND child = GetTopWindow(FWindow); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassNameOf(child) == MdiClientClass) {
            FWindowKind = TWindowKind::MdiFrame;
            FMdiClient = child;
            if (SkinManager) {
                SkinManager->SetMdiClient(child);
            }
            return;
        }
    }
}

} // namespace skin
