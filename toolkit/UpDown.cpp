#include "toolkit/UpDown.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace tk {
namespace {
constexpr int DefaultMax = 100;
const EnumInfo UpDownOrientationEnum{"TUDOrientation", {"udHorizontal", "udVertical"}};
} // namespace

const ClassInfo& UpDown::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<UpDown>("TUpDown", &WinControl::StaticClass(), [](auto& p) {
            PublishRange(p);
            p.template Enumeration<tk::Orientation>("Orientation", UpDownOrientationEnum,
                                                    &UpDown::Orientation, &UpDown::SetOrientation);
            p.template Reference<WinControl>("Associate", &UpDown::Associate,
                                             &UpDown::SetAssociate);
            p.Event("OnChange", &UpDown::OnChange);
        });
    return info;
}

UpDown::UpDown(Component* owner) : RangeControl(owner, DefaultMax) {
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
    PushRange();
    if (associate_) {
        SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    }
    SendMessageW(window, UDM_SETPOS32, 0, position_);
}

void UpDown::PushRange() {
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
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

bool UpDown::ScrollReflected([[maybe_unused]] int request, [[maybe_unused]] int thumbPosition) {
    position_ = Position();
    if (OnChange) {
        OnChange(*this);
    }
    return true;
}

} // namespace tk
