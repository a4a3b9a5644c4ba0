#include "toolkit/RangeControls.h"

#include "toolkit/Notifications.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace tk {
namespace {
const EnumInfo kTrackBarOrientation{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const EnumInfo kUpDownOrientation{"TUDOrientation", {"udHorizontal", "udVertical"}};
const EnumInfo kProgressOrientation{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
const EnumInfo kProgressStyle{"TProgressBarStyle", {"pbstNormal", "pbstChunks"}};
} // namespace

// ---- TrackBar

const ClassInfo& TrackBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TrackBar>("TTrackBar", &WinControl::StaticClass(), [](auto& p) {
            p.Integer("Min", &TrackBar::Min, &TrackBar::SetMin);
            p.Integer("Max", &TrackBar::Max, &TrackBar::SetMax);
            p.Integer("Position", &TrackBar::Position, &TrackBar::SetPosition);
            p.Integer("Frequency", &TrackBar::Frequency, &TrackBar::SetFrequency);
            p.template Enumeration<tk::Orientation>("Orientation", kTrackBarOrientation,
                                                    &TrackBar::Orientation,
                                                    &TrackBar::SetOrientation);
            p.Event("OnChange", &TrackBar::OnChange);
        });
    return info;
}

TrackBar::TrackBar(Component* owner) : WinControl(owner) {
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

void TrackBar::SetMin(int min) {
    min_ = min;
    if (HandleAllocated()) {
        SendMessageW(Handle(), TBM_SETRANGEMIN, TRUE, min);
    }
}

void TrackBar::SetMax(int max) {
    max_ = max;
    if (HandleAllocated()) {
        SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max);
    }
}

int TrackBar::Position() const {
    auto* self = const_cast<TrackBar*>(this);
    return self->HandleAllocated()
               ? static_cast<int>(SendMessageW(self->Handle(), TBM_GETPOS, 0, 0))
               : position_;
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

void TrackBar::WndProc(Message& m) {
    if (m.msg == kReflectedHScroll || m.msg == kReflectedVScroll) {
        int now = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
        if (now != position_) {
            position_ = now;
            if (OnChange) {
                OnChange(*this);
            }
        }
        m.result = 0;
        return;
    }
    WinControl::WndProc(m);
}

// ---- UpDown

const ClassInfo& UpDown::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<UpDown>("TUpDown", &WinControl::StaticClass(), [](auto& p) {
            p.Integer("Min", &UpDown::Min, &UpDown::SetMin);
            p.Integer("Max", &UpDown::Max, &UpDown::SetMax);
            p.Integer("Position", &UpDown::Position, &UpDown::SetPosition);
            p.template Enumeration<tk::Orientation>("Orientation", kUpDownOrientation,
                                                    &UpDown::Orientation, &UpDown::SetOrientation);
            p.template Reference<WinControl>("Associate", &UpDown::Associate,
                                             &UpDown::SetAssociate);
            p.Event("OnChange", &UpDown::OnChange);
        });
    return info;
}

UpDown::UpDown(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 17, 25);
}

void UpDown::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = UPDOWN_CLASSW;
    params.style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT |
                    (orientation_ == tk::Orientation::Horizontal ? UDS_HORZ : 0);
}

void UpDown::HandleCreated() {
    HWND window = Handle();
    SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    if (associate_) {
        SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    }
    SendMessageW(window, UDM_SETPOS32, 0, position_);
}

void UpDown::SetMin(int min) {
    min_ = min;
    if (HandleAllocated()) {
        SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    }
}

void UpDown::SetMax(int max) {
    max_ = max;
    if (HandleAllocated()) {
        SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    }
}

int UpDown::Position() const {
    auto* self = const_cast<UpDown*>(this);
    return self->HandleAllocated()
               ? static_cast<int>(SendMessageW(self->Handle(), UDM_GETPOS32, 0, 0))
               : position_;
}

void UpDown::SetPosition(int position) {
    position_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
    if (HandleAllocated()) {
        SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
    }
    ShowInAssociate();
}

// The buddy shows the position (not every system's control writes it there).
void UpDown::ShowInAssociate() {
    if (associate_ && !IsLoading()) {
        associate_->SetCaption(std::to_string(position_));
    }
}

void UpDown::SetOrientation(tk::Orientation orientation) {
    orientation_ = orientation;
    ChangeStyle(orientation == tk::Orientation::Horizontal ? UDS_HORZ : 0,
                orientation == tk::Orientation::Horizontal ? 0 : UDS_HORZ);
}

void UpDown::SetAssociate(WinControl* associate) {
    associate_ = associate;
    if (associate_) {
        associate_->FreeNotification(*this);
    }
    if (HandleAllocated()) {
        SendMessageW(Handle(), UDM_SETBUDDY,
                     reinterpret_cast<WPARAM>(associate_ ? associate_->Handle() : nullptr), 0);
    }
}

void UpDown::Loaded() {
    WinControl::Loaded();
    ShowInAssociate();
}

void UpDown::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == associate_) {
        associate_ = nullptr;
    }
}

void UpDown::WndProc(Message& m) {
    if (m.msg == kReflectedHScroll || m.msg == kReflectedVScroll) {
        position_ = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
        if (OnChange) {
            OnChange(*this);
        }
        m.result = 0;
        return;
    }
    WinControl::WndProc(m);
}

// ---- ProgressBar

const ClassInfo& ProgressBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ProgressBar>("TProgressBar", &WinControl::StaticClass(), [](auto& p) {
            p.Integer("Min", &ProgressBar::Min, &ProgressBar::SetMin);
            p.Integer("Max", &ProgressBar::Max, &ProgressBar::SetMax);
            p.Integer("Position", &ProgressBar::Position, &ProgressBar::SetPosition);
            p.Integer("Step", &ProgressBar::Step, &ProgressBar::SetStep);
            p.Boolean("Smooth", &ProgressBar::Smooth, &ProgressBar::SetSmooth);
            p.template Enumeration<tk::Orientation>("Orientation", kProgressOrientation,
                                                    &ProgressBar::Orientation,
                                                    &ProgressBar::SetOrientation);
            p.template Enumeration<ProgressStyle>("Style", kProgressStyle, &ProgressBar::Style,
                                                  &ProgressBar::SetStyle);
        });
    return info;
}

ProgressBar::ProgressBar(Component* owner) : WinControl(owner) {
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

void ProgressBar::SetMin(int min) {
    min_ = min;
    if (HandleAllocated()) {
        HandleCreated();
    }
}

void ProgressBar::SetMax(int max) {
    max_ = max;
    if (HandleAllocated()) {
        HandleCreated();
    }
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
