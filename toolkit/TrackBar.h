// A track bar over the common control: a thumb moved along a scale with tick
// marks.
#pragma once

#include "toolkit/RangeControl.h"

#include <commctrl.h>

namespace tk {

class TrackBar : public RangeControl {
    TK_CLASS(TrackBar)

public:
    explicit TrackBar(Component* owner);
    int Position() const { return WindowPosition(TBM_GETPOS); }
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    tk::Orientation Orientation() const { return orientation_; }
    void SetOrientation(tk::Orientation orientation);
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void PushRange() override;
    bool ScrollReflected(int request, int thumbPosition) override;

private:
    int frequency_ = 1;
    tk::Orientation orientation_ = tk::Orientation::Horizontal;
};

} // namespace tk
