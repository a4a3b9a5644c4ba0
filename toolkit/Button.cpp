#include "toolkit/Button.h"

#include "toolkit/Notifications.h"

namespace tk {

const ClassInfo& Button::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Button>("TButton", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Button::Caption, &Button::SetCaption);
            p.Boolean("Default", &Button::Default, &Button::SetDefault);
            p.Boolean("Cancel", &Button::Cancel, &Button::SetCancel);
        });
    return info;
}

Button::Button(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void Button::SetDefault(bool isDefault) {
    default_ = isDefault;
    SetActive(isDefault || Focused());
}

void Button::SetActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    if (!HandleAllocated()) {
        return;
    }
    if ((Style() & BS_TYPEMASK) == BS_OWNERDRAW) {
        Invalidate();
    } else {
        SendMessageW(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void Button::FocusChanged(WinControl* focused) {
    SetActive(focused == this || (default_ && !dynamic_cast<Button*>(focused)));
}

void Button::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool Button::CommandReflected(UINT code) {
    if (code != BN_CLICKED) {
        return false;
    }
    Click();
    return true;
}

} // namespace tk
