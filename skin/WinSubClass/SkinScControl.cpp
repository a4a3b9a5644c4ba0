#include "skin/WinSubClass/SkinScControl.h"

#include "toolkit/Notifications.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

constexpr DWORD ConsumerSystemBit = 0x80000000;

int PressedPartOf(int code, bool vertical) {
    switch (code) {
    case SB_LINEUP:
        return vertical ? ScrollPart::UpArrow : ScrollPart::LeftArrow;
    case SB_LINEDOWN:
        return vertical ? ScrollPart::DownArrow : ScrollPart::RightArrow;
    case SB_THUMBTRACK:
        return vertical ? ScrollPart::VertThumb : ScrollPart::HorzThumb;
    default:
        return ScrollPart::None;
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
        if (message.wParam == HTHSCROLL || message.wParam == HTVSCROLL) {
            message.result = 0;
            return false;
        }
        break;
    case SBM_SETSCROLLINFO:
        CallOriginal(message);
        Paint(nullptr);
        return false;
    default:
        if (message.msg == tk::kReflectedHScroll || message.msg == tk::kReflectedVScroll) {
            FPressedPart =
                PressedPartOf(LOWORD(message.wParam), message.msg == tk::kReflectedVScroll);
            const TLifeToken::TWatch alive = life_.Watch();
            CallOriginal(message);
            if (!alive.expired()) {
                Paint(nullptr);
            }
            return false;
        }
        break;
    }
    return TSkinControl::BeforeMessage(message);
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
    PaintSkinBar(dc, rect, look, *FSkinData, &pieces_);
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
