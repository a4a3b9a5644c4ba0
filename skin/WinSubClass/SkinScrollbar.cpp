#include "skin/WinSubClass/SkinScrollbar.h"

#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSubClass/SkinHeader.h"
#include "toolkit/WinControl.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace skin {
namespace {

// What GetScrollInfo reads for a bar.
constexpr UINT ScrollInfoMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
// GetVersion's top bit: one of the old consumer systems.
constexpr DWORD ConsumerSystemBit = 0x80000000;
// The frame is measured again without moving, sizing or repainting anything.
constexpr UINT FrameChangeFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED;

TBarMetrics SystemBarMetrics() {
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    return {arrow, GetSystemMetrics(SM_CXHTHUMB),
            MinimumThumb(arrow, (GetVersion() & ConsumerSystemBit) != 0)};
}

TScrollRange RangeOf(const SCROLLINFO& info) {
    return {info.nMin, info.nMax, info.nPage, info.nPos};
}

RECT ToRect(const TBarRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The part a scroll message shows pressed.
int PressedPartOf(int code, bool vertical) {
    switch (code) {
    case SB_LINEUP: // SB_LINELEFT
        return vertical ? scroll_part::UpArrow : scroll_part::LeftArrow;
    case SB_LINEDOWN: // SB_LINERIGHT
        return vertical ? scroll_part::DownArrow : scroll_part::RightArrow;
    case SB_THUMBTRACK:
        return vertical ? scroll_part::VertThumb : scroll_part::HorzThumb;
    default:
        return scroll_part::None;
    }
}

// Clears a flag when the scope ends, unless its owner went meanwhile.
class TFlagScope {
public:
    TFlagScope(bool& flag, TLifeToken::TWatch alive) : flag_(flag), alive_(std::move(alive)) {
        flag_ = true;
    }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;
    ~TFlagScope() {
        if (!alive_.expired()) {
            flag_ = false;
        }
    }

private:
    bool& flag_;
    TLifeToken::TWatch alive_;
};

} // namespace

const tk::ClassInfo& TSkinScrollbar::StaticClass() {
    static const tk::ClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

TSkinScrollbar::TSkinScrollbar(tk::Component* owner) : TSkinControl(owner) {
    FHorz.styleBit = WS_HSCROLL;
    FVert.styleBit = WS_VSCROLL;
    FHorz.info.cbSize = sizeof(SCROLLINFO);
    FVert.info.cbSize = sizeof(SCROLLINFO);
}

TSkinScrollbar::~TSkinScrollbar() {
    // The system paints its own bars again at the next paint of the frame.
    if (FAttached && FState != TSkinnerState::WindowDestroyed && IsWindow(FHandle)) {
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

void TSkinScrollbar::AttachScrolled(tk::WinControl& control, TSkinData& skin, bool handleNcDown,
                                    TWinSkinForm& frame, tk::Canvas& canvas) {
    if (FAttached) {
        return;
    }
    FControl = &control;
    FHandle = control.Handle();
    HookControl(control);
    Register(frame, skin, canvas);
    ReadWindowState();
    FHandleNcDown = handleNcDown;
    FAttached = true;
    FState = TSkinnerState::Attached;
    TakeOverBars();
}

void TSkinScrollbar::AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame,
                                  tk::Canvas& canvas) {
    if (FAttached) {
        return;
    }
    TSkinControl::AttachWindow(window, skin, frame, canvas);
    FHandleNcDown = false;
    TakeOverBars();
}

void TSkinScrollbar::TakeOverBars() {
    FDragging = false;
    FInHScroll = false;
    FInVScroll = false;
    FPressedPart = scroll_part::None;
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, FrameChangeFlags);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool TSkinScrollbar::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCCALCSIZE:
        CallOriginal(message);
        return false;
    case WM_NCMOUSEMOVE:
        return SwallowSystemHotBars(message);
    // The system takes its mark off the bar's part under the pointer when
    // the pointer leaves, drawing the bar its own way.
    case WM_NCMOUSELEAVE:
        return PassOnThenPaint(message);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return OnNcLButtonDown(message);
    case WM_HSCROLL:
        return OnScroll(message, false);
    case WM_VSCROLL:
        return OnScroll(message, true);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

// A press on a thumb drags it here (where the skinner is asked to); a second
// press soon after comes as a double click. Any other press on a bar the
// system tracks in a loop of its own inside this message, drawing the bar its
// own way at the release: it is painted again.
bool TSkinScrollbar::OnNcLButtonDown(tk::Message& message) {
    const bool onBar = message.wParam == HTHSCROLL || message.wParam == HTVSCROLL;
    if (FHandleNcDown && onBar && StartThumbDrag(message.wParam, message.lParam)) {
        message.result = 0;
        return false;
    }
    if (!onBar) {
        return true;
    }
    if (PassOnAndSurvive(message)) {
        FPressedPart = scroll_part::None;
        Paint(nullptr);
    }
    return false;
}

void TSkinScrollbar::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_SIZE:
    case WM_PRINT:
        return Repaint();
    case WM_NCPAINT:
        // Only the bars, over the system's: the system sends this from
        // inside a paint or an erase of the control, and a client paint
        // forced now would be wiped by the erase that follows it (a tree
        // shown with its tab sheet came up blank).
        return Paint(nullptr);
    case WM_PAINT:
        // The bars lie outside the client area: always the window's context.
        return Paint(nullptr);
    default:
        return TSkinControl::AfterMessage(message);
    }
}

bool TSkinScrollbar::OnScroll(tk::Message& message, bool vertical) {
    FPressedPart = PressedPartOf(LOWORD(message.wParam), vertical);
    const TLifeToken::TWatch alive = life_.Watch();
    {
        const TFlagScope running(vertical ? FInVScroll : FInHScroll, life_.Watch());
        CallOriginal(message);
    }
    if (!alive.expired()) {
        Paint(nullptr);
    }
    return false;
}

bool TSkinScrollbar::CalcBars(const RECT& window) {
    FStyle = DWORD(GetWindowLongPtrW(FHandle, GWL_STYLE));
    FExStyle = DWORD(GetWindowLongPtrW(FHandle, GWL_EXSTYLE));
    if (FInVScroll) {
        FStyle |= WS_VSCROLL;
    }
    if (FInHScroll) {
        FStyle |= WS_HSCROLL;
    }
    if (!(FStyle & (WS_HSCROLL | WS_VSCROLL)) || window.left > MaxBarImage ||
        window.top > MaxBarImage) {
        return false;
    }
    RECT client{};
    GetClientRect(FHandle, &client);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const TBarsLayout bars =
        LayoutBars(window.right - window.left, window.bottom - window.top, client.right,
                   client.bottom, FStyle, FExStyle, arrow, GetSystemMetrics(SM_CXEDGE));
    FHorz.rect = ToRect(bars.horz);
    FVert.rect = ToRect(bars.vert);
    FCornerRect = ToRect(bars.corner);
    SetBarLength(FHorz.geometry, FHorz.rect.right - FHorz.rect.left, arrow);
    SetBarLength(FVert.geometry, FVert.rect.bottom - FVert.rect.top, arrow);
    return true;
}

void TSkinScrollbar::CalcThumb(TBar& bar, int which) {
    if (FDragging) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = ScrollInfoMask;
    if (!GetScrollInfo(FHandle, which, &info)) {
        return;
    }
    if (WindowThumb(bar.geometry, RangeOf(info), SystemBarMetrics())) {
        bar.info = info;
    }
}

void TSkinScrollbar::Draw(HDC dc, const RECT& rect) {
    if (!SkinPaintsScrollBars(*FSkinData) || !CalcBars(rect)) {
        return;
    }
    const bool horz = (FStyle & WS_HSCROLL) != 0;
    const bool vert = (FStyle & WS_VSCROLL) != 0;
    if (horz) {
        CalcThumb(FHorz, SB_HORZ);
        DrawBar(dc, FHorz, false);
    }
    if (vert) {
        CalcThumb(FVert, SB_VERT);
        DrawBar(dc, FVert, true);
    }
    if (horz && vert) {
        FillBackground(dc, FCornerRect);
    }
}

void TSkinScrollbar::Refresh() {
    FHorz.pieces.Clear();
    FVert.pieces.Clear();
    TSkinControl::Refresh();
}

void TSkinScrollbar::DrawBar(HDC dc, TBar& bar, bool vertical) {
    // The control's own handling of the bar's message runs: the bar is
    // painted once it is done.
    if (vertical ? FInVScroll : FInHScroll) {
        return;
    }
    TBarLook look;
    look.vertical = vertical;
    look.geometry = bar.geometry;
    look.pressedPart = FPressedPart;
    look.disabled = !IsWindowEnabled(FHandle);
    PaintSkinBar(dc, bar.rect, look, *FSkinData, &bar.pieces);
}

bool TSkinScrollbar::StartThumbDrag(WPARAM hitCode, LPARAM screenPoint) {
    RECT window{};
    if (!GetWindowRect(FHandle, &window)) {
        return false;
    }
    const POINT screen{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    const bool vertical = hitCode == HTVSCROLL;
    TBar& bar = vertical ? FVert : FHorz;
    if (!CalcBars({0, 0, window.right - window.left, window.bottom - window.top}) ||
        !(FStyle & bar.styleBit)) {
        return false;
    }
    CalcThumb(bar, vertical ? SB_VERT : SB_HORZ);
    const int offset =
        vertical ? screen.y - window.top - bar.rect.top : screen.x - window.left - bar.rect.left;
    if (HitTestBar(bar.geometry, offset) != TBarPart::Thumb) {
        return false;
    }
    FPressedPart = vertical ? scroll_part::VertThumb : scroll_part::HorzThumb;
    Paint(nullptr);
    DragThumb(vertical, screen);
    return true;
}

void TSkinScrollbar::DragThumb(bool vertical, POINT start) {
    TBar& bar = vertical ? FVert : FHorz;
    const HWND window = FHandle;
    const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    const TLifeToken::TWatch alive = life_.Watch();
    const int startThumb = bar.geometry.thumbPos;
    const int startPosition = bar.info.nPos;
    int last = startPosition;
    FDragging = true;
    const TDragEnd end = RunThumbDrag(window, alive, [&](POINT pointer) {
        DragTo(bar, vertical, startThumb, vertical ? pointer.y - start.y : pointer.x - start.x,
               last);
    });
    if (end == TDragEnd::WindowGone) {
        return;
    }
    FDragging = false;
    if (end == TDragEnd::Cancelled && last != startPosition) {
        // Escape puts the thumb back where the drag began.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_POS;
        info.nPos = startPosition;
        SetScrollInfo(window, vertical ? SB_VERT : SB_HORZ, &info, FALSE);
        last = startPosition;
        SendScroll(vertical, SB_THUMBTRACK, startPosition);
    }
    SendMessageW(window, msg, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
    PostMessageW(window, msg, SB_ENDSCROLL, 0);
}

void TSkinScrollbar::DragTo(TBar& bar, bool vertical, int startThumb, int moved,
                            int& lastPosition) {
    const TDragStep step = DragThumbTo(bar.geometry, RangeOf(bar.info), startThumb + moved);
    if (step.position == lastPosition) {
        return;
    }
    bar.geometry.thumbPos = step.thumbPos;
    bar.info.nPos = step.position;
    bar.info.nTrackPos = step.position;
    lastPosition = step.position;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = step.position;
    SetScrollInfo(FHandle, vertical ? SB_VERT : SB_HORZ, &info, FALSE);
    // The control scrolls; the skinner paints the bar once it has (OnScroll).
    SendScroll(vertical, SB_THUMBTRACK, step.position);
}

void TSkinScrollbar::SendScroll(bool vertical, int code, int position) {
    SendMessageW(FHandle, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position), 0);
}

// --- TSkinListView ----------------------------------------------------------------

const tk::ClassInfo& TSkinListView::StaticClass() {
    static const tk::ClassInfo info("TSkinListView", &TSkinScrollbar::StaticClass());
    return info;
}

TSkinListView::TSkinListView(tk::Component* owner) : TSkinScrollbar(owner) {}

TSkinListView::~TSkinListView() {
    delete std::exchange(FHeader, nullptr);
}

void TSkinListView::AttachScrolled(tk::WinControl& control, TSkinData& skin, bool handleNcDown,
                                   TWinSkinForm& frame, tk::Canvas& canvas) {
    if (FAttached) {
        return;
    }
    TSkinScrollbar::AttachScrolled(control, skin, handleNcDown, frame, canvas);
    const HWND header = ListView_GetHeader(FHandle);
    if (header && !FHeader) {
        FHeader = new TSkinHeader(&control);
        FHeader->FreeNotification(*this);
        FHeader->AttachWindow(header, skin, frame, canvas);
        InvalidateRect(header, nullptr, TRUE);
    }
}

void TSkinListView::Notification(tk::Component& component, tk::Operation operation) {
    TSkinScrollbar::Notification(component, operation);
    if (operation == tk::Operation::Remove && &component == FHeader) {
        FHeader = nullptr;
    }
}

} // namespace skin
