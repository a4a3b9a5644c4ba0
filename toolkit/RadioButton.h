// A radio button over the system's BUTTON class; checking it unchecks the
// other radio buttons of its parent.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

class RadioButton : public WinControl {
    TK_CLASS(RadioButton)

public:
    explicit RadioButton(Component* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool CommandReflected(UINT code) override;

private:
    bool checked_ = false;
};

} // namespace tk
