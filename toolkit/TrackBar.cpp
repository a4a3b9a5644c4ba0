#include "toolkit/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {
namespace {
constexpr int DefaultMax = 10;
const EnumInfo TrackBarOrientationEnum{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
} // namespace

const ClassInfo& TrackBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TrackBar>("TTrackBar", &WinControl::StaticClass(), [](auto& p) {
            PublishRange(p);
            p.Integer("Frequency", &TrackBar::Frequency, &TrackBar::SetFrequency);
            p.template Enumeration<tk::Orientation>("Orientation", TrackBarOrientationEnum,
                                                    &TrackBar::Orientation,
                                                    &TrackBar::SetOrientation);
            p.Event("OnChange", &TrackBar::OnChange);
        });
    return info;
}

TrackBar::TrackBar(Component* owner) : RangeControl(owner, DefaultMax) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TrackBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = TRACKBAR_CLASSW;
    params.style |=
        TBS_AUTOTICKS | (orientation_ == tk::Orientation::Vertical ? TBS_VERT : TBS_HORZ);
}

void TrackBar::HandleCreated() {
    HWND window = Handle();
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageW(window, TBM_SETPOS, TRUE, position_);
}

void TrackBar::PushRange() {
    SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max_);
}

void TrackBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, std::max(min_, max_));
    if (HandleAllocated()) {
        SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
    }
}

void TrackBar::SetFrequency(int frequency) {
    frequency_ = std::max(frequency, 1);
    if (HandleAllocated()) {
        SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    }
}

void TrackBar::SetOrientation(tk::Orientation orientation) {
    orientation_ = orientation;
    bool vertical = orientation == tk::Orientation::Vertical;
    ChangeStyle(vertical ? TBS_VERT : TBS_HORZ, vertical ? TBS_HORZ : TBS_VERT);
}

bool TrackBar::ScrollReflected([[maybe_unused]] int request, [[maybe_unused]] int thumbPosition) {
    int now = Position();
    if (now != position_) {
        position_ = now;
        if (OnChange) {
            OnChange(*this);
        }
    }
    return true;
}

} // namespace tk
