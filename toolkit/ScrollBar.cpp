#include "toolkit/ScrollBar.h"

#include <algorithm>

namespace tk {
namespace {
constexpr int DefaultMax = 100;
const EnumInfo ScrollBarKindEnum{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
} // namespace

const ClassInfo& ScrollBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ScrollBar>("TScrollBar", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ScrollBarKind>("Kind", ScrollBarKindEnum, &ScrollBar::Kind,
                                                  &ScrollBar::SetKind);
            PublishRange(p);
            p.Integer("PageSize", &ScrollBar::PageSize, &ScrollBar::SetPageSize);
            p.Integer("SmallChange", &ScrollBar::SmallChange, &ScrollBar::SetSmallChange);
            p.Integer("LargeChange", &ScrollBar::LargeChange, &ScrollBar::SetLargeChange);
            p.Event("OnChange", &ScrollBar::OnChange);
        });
    return info;
}

ScrollBar::ScrollBar(Component* owner) : RangeControl(owner, DefaultMax) {
    SetBounds(0, 0, 121, 17);
}

void ScrollBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"SCROLLBAR";
    params.style |= kind_ == ScrollBarKind::Vertical ? SBS_VERT : SBS_HORZ;
}

void ScrollBar::HandleCreated() {
    PushRange();
}

void ScrollBar::PushRange() {
    if (!HandleAllocated()) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<UINT>(pageSize_);
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetKind(ScrollBarKind kind) {
    kind_ = kind;
    ChangeStyle(kind == ScrollBarKind::Vertical ? SBS_VERT : SBS_HORZ,
                kind == ScrollBarKind::Vertical ? SBS_HORZ : SBS_VERT);
}

void ScrollBar::SetPageSize(int pageSize) {
    pageSize_ = std::max(pageSize, 0);
    PushRange();
}

void ScrollBar::SetPosition(int position) {
    int highest = pageSize_ > 0 ? max_ - pageSize_ + 1 : max_;
    position = std::clamp(position, min_, std::max(min_, highest));
    if (position == position_) {
        return;
    }
    position_ = position;
    PushRange();
    if (OnChange) {
        OnChange(*this);
    }
}

bool ScrollBar::ScrollReflected(int request, int thumbPosition) {
    switch (request) {
    case SB_LINEUP:
        SetPosition(position_ - smallChange_);
        break;
    case SB_LINEDOWN:
        SetPosition(position_ + smallChange_);
        break;
    case SB_PAGEUP:
        SetPosition(position_ - largeChange_);
        break;
    case SB_PAGEDOWN:
        SetPosition(position_ + largeChange_);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetPosition(thumbPosition);
        break;
    case SB_TOP:
        SetPosition(min_);
        break;
    case SB_BOTTOM:
        SetPosition(max_);
        break;
    default:
        break;
    }
    return true;
}

} // namespace tk
