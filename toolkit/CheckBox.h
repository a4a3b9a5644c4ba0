// A check box over the system's BUTTON class, with an optional third
// (grayed) state.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class CheckState { Unchecked, Checked, Grayed };

class CheckBox : public WinControl {
    TK_CLASS(CheckBox)

public:
    explicit CheckBox(Component* owner);
    CheckState State() const { return state_; }
    void SetState(CheckState state);
    bool Checked() const { return state_ == CheckState::Checked; }
    void SetChecked(bool checked) {
        SetState(checked ? CheckState::Checked : CheckState::Unchecked);
    }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);
    // taLeftJustify puts the caption left of the box.
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool CommandReflected(UINT code) override;

private:
    CheckState state_ = CheckState::Unchecked;
    bool allowGrayed_ = false;
    tk::Alignment alignment_ = tk::Alignment::Right;
};

} // namespace tk
