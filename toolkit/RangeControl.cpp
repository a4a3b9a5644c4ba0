#include "toolkit/RangeControl.h"

namespace tk {

RangeControl::RangeControl(Component* owner, int max) : WinControl(owner), max_(max) {}

void RangeControl::SetMin(int min) {
    min_ = min;
    if (HandleAllocated()) {
        PushRange();
    }
}

void RangeControl::SetMax(int max) {
    max_ = max;
    if (HandleAllocated()) {
        PushRange();
    }
}

int RangeControl::WindowPosition(UINT query) const {
    auto* self = const_cast<RangeControl*>(this);
    return self->HandleAllocated() ? static_cast<int>(SendMessageW(self->Handle(), query, 0, 0))
                                   : position_;
}

} // namespace tk
