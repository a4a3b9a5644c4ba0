#include "toolkit/GroupBox.h"

#include "toolkit/MessageCrackers.h"

namespace tk {
namespace {
// The frame's width, and the caption's height when the font gives none.
constexpr int FrameWidth = 2;
constexpr int CaptionHeightUnknown = 16;
} // namespace

const ClassInfo& GroupBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<GroupBox>("TGroupBox", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &GroupBox::Caption, &GroupBox::SetCaption);
        });
    return info;
}

GroupBox::GroupBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void GroupBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= BS_GROUPBOX;
}

void GroupBox::WndProc(Message& m) {
    switch (m.msg) {
    case WM_NCHITTEST:
        m.result = HitTest();
        return;
    case WM_ERASEBKGND:
        m.result = EraseInside(crack::Dc(m));
        return;
    default:
        WinControl::WndProc(m);
    }
}

// The system's group box lets the mouse through; controls inside want it.
LRESULT GroupBox::HitTest() {
    return HTCLIENT;
}

// Nor does it paint its inside.
LRESULT GroupBox::EraseInside(HDC dc) {
    RECT client = ClientRect();
    FillRect(dc, &client, ColorBrush());
    return TRUE;
}

// Inside the frame, below the caption.
RECT GroupBox::AlignRect() {
    RECT r = ClientRect();
    int text = -Font().Height();
    r.top += text > 0 ? text + FrameWidth : CaptionHeightUnknown;
    InflateRect(&r, -FrameWidth, 0);
    r.bottom -= FrameWidth;
    return r;
}

} // namespace tk
