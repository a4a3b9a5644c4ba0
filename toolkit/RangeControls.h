// Controls that show a value within a range, over the common controls: track
// bar, up-down and progress bar.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class Orientation { Horizontal, Vertical };

class TrackBar : public WinControl {
    TK_CLASS(TrackBar)

public:
    explicit TrackBar(Component* owner);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    tk::Orientation Orientation() const { return orientation_; }
    void SetOrientation(tk::Orientation orientation);
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    tk::Orientation orientation_ = tk::Orientation::Horizontal;
};

class UpDown : public WinControl {
    TK_CLASS(UpDown)

public:
    explicit UpDown(Component* owner);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);
    tk::Orientation Orientation() const { return orientation_; }
    void SetOrientation(tk::Orientation orientation);
    WinControl* Associate() const { return associate_; }
    void SetAssociate(WinControl* associate);
    NotifyEvent OnChange;
    void Loaded() override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;
    void Notification(Component& component, Operation operation) override;

private:
    void ShowInAssociate();
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    tk::Orientation orientation_ = tk::Orientation::Vertical;
    WinControl* associate_ = nullptr;
};

// How a skinned progress bar fills (the skin engine reads it; the system's
// own bar follows Smooth): in one piece, or with copies of the skin's chunk.
enum class ProgressStyle { Normal, Chunks };

class ProgressBar : public WinControl {
    TK_CLASS(ProgressBar)

public:
    explicit ProgressBar(Component* owner);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
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

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
    ProgressStyle style_ = ProgressStyle::Normal;
    tk::Orientation orientation_ = tk::Orientation::Horizontal;
};

} // namespace tk
