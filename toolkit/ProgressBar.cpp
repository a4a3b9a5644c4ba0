#include "toolkit/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {
namespace {
constexpr int DefaultMax = 100;
const EnumInfo ProgressOrientationEnum{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
const EnumInfo ProgressStyleEnum{"TProgressBarStyle", {"pbstNormal", "pbstChunks"}};
} // namespace

const ClassInfo& ProgressBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ProgressBar>("TProgressBar", &WinControl::StaticClass(), [](auto& p) {
            PublishRange(p);
            p.Integer("Step", &ProgressBar::Step, &ProgressBar::SetStep);
            p.Boolean("Smooth", &ProgressBar::Smooth, &ProgressBar::SetSmooth);
            p.template Enumeration<tk::Orientation>("Orientation", ProgressOrientationEnum,
                                                    &ProgressBar::Orientation,
                                                    &ProgressBar::SetOrientation);
            p.template Enumeration<ProgressStyle>("Style", ProgressStyleEnum, &ProgressBar::Style,
                                                  &ProgressBar::SetStyle);
        });
    return info;
}

ProgressBar::ProgressBar(Component* owner) : RangeControl(owner, DefaultMax) {
    SetBounds(0, 0, 150, 16);
}

void ProgressBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = PROGRESS_CLASSW;
    params.style |=
        (smooth_ ? PBS_SMOOTH : 0) | (orientation_ == tk::Orientation::Vertical ? PBS_VERTICAL : 0);
}

void ProgressBar::HandleCreated() {
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void ProgressBar::PushRange() {
    HandleCreated();
}

void ProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, std::max(min_, max_));
    if (HandleAllocated()) {
        SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
    }
}

void ProgressBar::SetSmooth(bool smooth) {
    smooth_ = smooth;
    ChangeStyle(smooth ? PBS_SMOOTH : 0, smooth ? 0 : PBS_SMOOTH);
}

void ProgressBar::SetStyle(ProgressStyle style) {
    style_ = style;
    Invalidate();
}

void ProgressBar::SetOrientation(tk::Orientation orientation) {
    orientation_ = orientation;
    bool vertical = orientation == tk::Orientation::Vertical;
    ChangeStyle(vertical ? PBS_VERTICAL : 0, vertical ? 0 : PBS_VERTICAL);
}

} // namespace tk
