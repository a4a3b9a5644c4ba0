#include "toolkit/Panel.h"

#include <algorithm>

namespace tk {
namespace {
const EnumInfo BevelEnum{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
} // namespace

const ClassInfo& Panel::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Panel>("TPanel", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Panel::Caption, &Panel::SetCaption);
            p.template Enumeration<tk::Bevel>("BevelOuter", BevelEnum, &Panel::BevelOuter,
                                              &Panel::SetBevelOuter);
            p.template Enumeration<tk::Bevel>("BevelInner", BevelEnum, &Panel::BevelInner,
                                              &Panel::SetBevelInner);
            p.Integer("BevelWidth", &Panel::BevelWidth, &Panel::SetBevelWidth);
            p.template Enumeration<tk::Alignment>("Alignment", AlignmentEnum, &Panel::Alignment,
                                                  &Panel::SetAlignment);
        });
    return info;
}

Panel::Panel(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetParentColor(true);
}

void Panel::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"TPanel";
    params.ownClass = true;
}

void Panel::SetBevelOuter(tk::Bevel bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}
void Panel::SetBevelInner(tk::Bevel bevel) {
    bevelInner_ = bevel;
    Invalidate();
}
void Panel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(width, 1);
    Invalidate();
}
void Panel::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

RECT Panel::AlignRect() {
    RECT r = ClientRect();
    int inset = (bevelOuter_ != tk::Bevel::None ? bevelWidth_ : 0) +
                (bevelInner_ != tk::Bevel::None ? bevelWidth_ : 0);
    InflateRect(&r, -inset, -inset);
    return r;
}

void Panel::PaintWindow(HDC dc) {
    WinControl::PaintWindow(dc);
    RECT r = ClientRect();
    auto frame = [&](tk::Bevel bevel) {
        if (bevel == tk::Bevel::None) {
            return;
        }
        for (int i = 0; i < bevelWidth_; ++i) {
            if (bevel == tk::Bevel::Space) {
                FrameRect(dc, &r, ColorBrush());
            } else {
                DrawEdge(dc, &r, bevel == tk::Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                         BF_RECT);
            }
            InflateRect(&r, -1, -1);
        }
    };
    frame(bevelOuter_);
    frame(bevelInner_);
    std::string caption = Caption();
    if (!caption.empty()) {
        Canvas canvas(dc);
        canvas.Font() = Font();
        SetBkMode(dc, TRANSPARENT);
        UINT align = alignment_ == tk::Alignment::Left    ? DT_LEFT
                     : alignment_ == tk::Alignment::Right ? DT_RIGHT
                                                          : DT_CENTER;
        canvas.DrawText(caption, r, align | DT_VCENTER | DT_SINGLELINE);
    }
}

} // namespace tk
