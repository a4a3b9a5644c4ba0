// What the controls that show a position within a range share (track bar,
// up-down, progress bar, scroll bar): the range and the position, kept while
// there is no window and given to the window once there is one.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class Orientation { Horizontal, Vertical };

class RangeControl : public WinControl {
public:
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);

protected:
    RangeControl(Component* owner, int max);
    // Gives the existing window the range.
    virtual void PushRange() = 0;
    // The position the window answers to `query`, or the kept one while
    // there is no window.
    int WindowPosition(UINT query) const;

    int min_ = 0;
    int max_;
    int position_ = 0;
};

// Publishes the Min, Max and Position properties of range control class C.
template <class C> void PublishRange(PropertyBuilder<C>& p) {
    p.Integer("Min", &C::Min, &C::SetMin);
    p.Integer("Max", &C::Max, &C::SetMax);
    p.Integer("Position", &C::Position, &C::SetPosition);
}

} // namespace tk
