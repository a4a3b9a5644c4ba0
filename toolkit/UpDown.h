// An up-down control over the common control: arrows that step a position,
// shown in the associated (buddy) control.
#pragma once

#include "toolkit/RangeControl.h"

#include <commctrl.h>

namespace tk {

class UpDown : public RangeControl {
    TK_CLASS(UpDown)

public:
    explicit UpDown(Component* owner);
    int Position() const { return WindowPosition(UDM_GETPOS32); }
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
    void PushRange() override;
    bool ScrollReflected(int request, int thumbPosition) override;
    void Notification(Component& component, Operation operation) override;

private:
    void ShowInAssociate();
    tk::Orientation orientation_ = tk::Orientation::Vertical;
    WinControl* associate_ = nullptr;
};

} // namespace tk
