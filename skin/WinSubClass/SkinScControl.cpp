#include "skin/WinSubClass/SkinScControl.h"

#include "toolkit/Notifications.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

constexpr DWORD ConsumerSystemBit = 0x80000000;
// The system's caret over a focused bar's thumb lies this far inside it.
constexpr int CaretInset = 1;

int PressedPartOf(int code, bool vertical) {
    switch (code) {
    case SB_LINEUP:
        return vertical ? scroll_part::UpArrow : scroll_part::LeftArrow;
    case SB_LINEDOWN:
        return vertical ? scroll_part::DownArrow : scroll_part::RightArrow;
    case SB_THUMBTRACK:
        return vertical ? scroll_part::VertThumb : scroll_part::HorzThumb;
    default:
        return scroll_part::None;
    }
}

} // namespace

const tk::ClassInfo& TSkinScControl::StaticClass() {
    static const tk::ClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

TSkinScControl::TSkinScControl(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinScControl::Vertical() const {
    return (GetWindowLongPtrW(FHandle, GWL_STYLE) & SBS_VERT) != 0;
}

bool TSkinScControl::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCMOUSEMOVE:
        return SwallowSystemHotBars(message);
    case SBM_SETSCROLLINFO:
        return PassOnThenPaint(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnPress(message);
    // The system marks the part under the pointer as it moves over the bar
    // and takes the mark off when it leaves, drawing at once.
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        return PassOnThenPaint(message);
    case tk::ReflectedHScroll:
        return OnScroll(message, false);
    case tk::ReflectedVScroll:
        return OnScroll(message, true);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

// The notification's arrow or thumb shows pressed once the bar moved.
bool TSkinScControl::OnScroll(tk::Message& message, bool vertical) {
    FPressedPart = PressedPartOf(LOWORD(message.wParam), vertical);
    return PassOnThenPaint(message);
}

// The control tracks the press in a loop of its own inside this message and
// draws its bar the system's way at the release, after the last notification.
bool TSkinScControl::OnPress(tk::Message& message) {
    if (PassOnAndSurvive(message)) {
        FPressedPart = scroll_part::None;
        Paint(nullptr);
    }
    return false;
}

void TSkinScControl::Draw(HDC dc, const RECT& rect) {
    if (!SkinPaintsScrollBars(*FSkinData)) {
        return;
    }
    const bool vertical = Vertical();
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    SetBarLength(FGeometry, vertical ? rect.bottom - rect.top : rect.right - rect.left, arrow);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (GetScrollInfo(FHandle, SB_CTL, &info)) {
        const TBarMetrics metrics{arrow, GetSystemMetrics(SM_CXHTHUMB),
                                  MinimumThumb(arrow, (GetVersion() & ConsumerSystemBit) != 0)};
        ControlThumb(FGeometry, {info.nMin, info.nMax, info.nPage, info.nPos}, metrics);
    }
    TBarLook look;
    look.vertical = vertical;
    look.geometry = FGeometry;
    look.pressedPart = FPressedPart;
    look.disabled = !IsWindowEnabled(FHandle);
    // A focused bar blinks a caret over its thumb, placed where the thumb
    // was when the focus came: it is put on the thumb as painted now.
    const bool focused = GetFocus() == FHandle;
    if (focused) {
        HideCaret(FHandle);
    }
    PaintSkinBar(dc, rect, look, *FSkinData, &pieces_);
    if (focused) {
        const int thumb = FGeometry.arrow + FGeometry.thumbPos + CaretInset;
        SetCaretPos(vertical ? CaretInset : thumb, vertical ? thumb : CaretInset);
        ShowCaret(FHandle);
    }
}

void TSkinScControl::Refresh() {
    pieces_.Clear();
    TSkinControl::Refresh();
}

// --- TSkinSizer ---------------------------------------------------------------------

const tk::ClassInfo& TSkinSizer::StaticClass() {
    static const tk::ClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

TSkinSizer::TSkinSizer(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinSizer::BeforeMessage(tk::Message& message) {
    return TakeOverPainting(message) && TSkinControl::BeforeMessage(message);
}

void TSkinSizer::Draw(HDC dc, const RECT& rect) {
    SetDCBrushColor(dc, ResolveColour(FSkinData->ButtonShadowColour));
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace skin
