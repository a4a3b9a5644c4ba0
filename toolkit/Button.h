// A push button over the system's BUTTON class. Enter clicks the form's
// Default button and Escape its Cancel button (DialogKeys.h); the button Enter
// would click is drawn as the active one.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

class Button : public WinControl {
    TK_CLASS(Button)

public:
    explicit Button(Component* owner);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

protected:
    void FillCreateParams(CreateParams& params) override;
    bool CommandReflected(UINT code) override;
    void FocusChanged(WinControl* focused) override;
    // Drawn as the button Enter clicks: the focused push button, or the
    // Default one while the focus is on a control that is no push button.
    bool Active() const { return active_; }

private:
    void SetActive(bool active);
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
};

} // namespace tk
