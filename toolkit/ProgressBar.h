// A progress bar over the common control.
#pragma once

#include "toolkit/RangeControl.h"

namespace tk {

// How a skinned progress bar fills (the skin engine reads it; the system's
// own bar follows Smooth): in one piece, or with copies of the skin's chunk.
enum class ProgressStyle { Normal, Chunks };

class ProgressBar : public RangeControl {
    TK_CLASS(ProgressBar)

public:
    explicit ProgressBar(Component* owner);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(position_ + step_); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth);
    tk::Orientation Orientation() const { return orientation_; }
    void SetOrientation(tk::Orientation orientation);
    ProgressStyle Style() const { return style_; }
    void SetStyle(ProgressStyle style);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void PushRange() override;

private:
    int step_ = 10;
    bool smooth_ = false;
    ProgressStyle style_ = ProgressStyle::Normal;
    tk::Orientation orientation_ = tk::Orientation::Horizontal;
};

} // namespace tk
